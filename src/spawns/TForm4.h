#pragma once

#include <QWidget>

class TForm1;

class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(TForm1& form);

private:
    TForm1& form_;
};
