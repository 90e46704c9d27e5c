#pragma once

#include <QObject>

class QWidget;
class TForm1;

class SpawnPage : public QObject {
    Q_OBJECT

public:
    SpawnPage(TForm1& form, QWidget* sheet);

private:
    TForm1& form_;
};
