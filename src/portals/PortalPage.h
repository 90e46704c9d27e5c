#pragma once

#include <QObject>

class QWidget;
class TForm1;

class PortalPage : public QObject {
    Q_OBJECT

public:
    PortalPage(TForm1& form, QWidget* sheet);

private:
    TForm1& form_;
};
