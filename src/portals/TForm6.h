#pragma once

#include "portals/PortalFields.h"

#include <QWidget>

class QKeyEvent;
class QPushButton;
class TForm1;

// "Add new portal": a small tool window created once and only shown and
// hidden, so its fields keep their contents between uses. ADD appends the
// portal at the first free position of PortalTable.
class TForm6 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm6(TForm1& form);

    void Button1Click();
    void Button2Click();
    void AddPortal();
    void SpinEdit13Change();
    void SpinEdit14Change();
    void SpinEdit15Change();
    void SpinEdit16Change();

  protected:
    // Enter presses the default button "ADD" from any field.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TForm1& form_;
    PortalFields fields_;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
