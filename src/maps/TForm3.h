#pragma once

#include <QWidget>

class TForm1;

class TForm3 : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(TForm1& form);

private:
    TForm1& form_;
};
