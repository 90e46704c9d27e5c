#include "BrennickApplication.h"

#include "common/GuardedHandler.h"
#include "common/MessageBoxes.h"

#include <QFont>

BrennickApplication::BrennickApplication(int& argc, char** argv) : QApplication(argc, argv) {
    ConfigureApplication(*this);
}

bool BrennickApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowFailure(activeWindow(), CurrentFailureMessage());
    }
    return false;
}

void ConfigureApplication(QApplication& application) {
    // The pictures are compiled into the static UI library, which does not
    // register them by itself.
    Q_INIT_RESOURCE(brennick);
    application.setApplicationName(kApplicationTitle);
    application.setStyle(QStringLiteral("Fusion"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    application.setFont(font);
}
