#pragma once

#include <QApplication>

// The application object. Handlers are connected through Guarded(), which
// catches their failures at the slot; notify() is the last resort for a
// failure that reaches the event dispatch all the same: its message is shown
// in the error box captioned with the application title, and the program goes on.
class BrennickApplication : public QApplication {
  public:
    BrennickApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Title, style and font shared by the program and its widget tests.
void ConfigureApplication(QApplication& application);
