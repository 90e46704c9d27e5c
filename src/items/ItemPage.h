#pragma once

#include <QObject>

class QWidget;
class TForm1;

class ItemPage : public QObject {
    Q_OBJECT

public:
    ItemPage(TForm1& form, QWidget* sheet);

    void ItemName1Click();

private:
    TForm1& form_;
};
