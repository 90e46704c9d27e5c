#pragma once

#include <QObject>

class QWidget;
class TForm1;

class MonsterPage : public QObject {
    Q_OBJECT

public:
    MonsterPage(TForm1& form, QWidget* sheet);

    void MonsterName1Click();

private:
    TForm1& form_;
};
