#pragma once

#include <QWidget>

class TForm1;

class TForm6 : public QWidget {
    Q_OBJECT

public:
    explicit TForm6(TForm1& form);

private:
    TForm1& form_;
};
