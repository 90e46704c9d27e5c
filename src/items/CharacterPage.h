#pragma once

#include <QObject>

class QWidget;
class TForm1;

class CharacterPage : public QObject {
    Q_OBJECT

public:
    CharacterPage(TForm1& form, QWidget* sheet);

private:
    TForm1& form_;
};
