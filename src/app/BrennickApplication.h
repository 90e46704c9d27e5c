#pragma once

#include <QApplication>

// The application object. Every event is dispatched through notify(), which
// is the one place where a failed handler is caught: its message is shown in
// the error box captioned with the application title, and the program goes on.
class BrennickApplication : public QApplication {
public:
    BrennickApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Title, style and font shared by the program and its widget tests.
void ConfigureApplication(QApplication& application);
