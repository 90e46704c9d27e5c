// A test-only library preloaded into the program by the end-to-end tests. It
// answers questions about the widgets on a local socket (where a control is on
// the screen, what it shows), so that the tests can find controls by
// objectName and then drive them with real mouse and key events.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {
QJsonObject rectOf(const QWidget* widget, const QRect& local) {
    const QPoint topLeft = widget->mapToGlobal(local.topLeft());
    return {{"x", topLeft.x()}, {"y", topLeft.y()}, {"w", local.width()}, {"h", local.height()}};
}

// "Button2" finds a control in any window; "Form4/SpinEdit6" only in the window named Form4.
QWidget* findWidget(const QString& path) {
    const QString window = path.contains('/') ? path.section('/', 0, 0) : QString();
    const QString name = path.section('/', -1);
    QWidget* hidden = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!window.isEmpty() && top->objectName() != window) {
            continue;
        }
        QList<QWidget*> candidates = top->findChildren<QWidget*>(name);
        if (top->objectName() == name) {
            candidates.prepend(top);
        }
        for (QWidget* widget : candidates) {
            if (widget->isVisible()) {
                return widget;
            }
            hidden = hidden ? hidden : widget;
        }
    }
    return hidden;
}

QString textOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        return spin->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        return memo->toPlainText();
    }
    if (auto* status = qobject_cast<QStatusBar*>(widget)) {
        const auto* panel = status->findChild<QLabel*>();
        return panel ? panel->text() : QString();
    }
    return widget->windowTitle();
}

// The title as the window's frame shows it: "[*]" is a "*" while the window is modified.
QString shownTitle(const QWidget* window) {
    return QString(window->windowTitle()).replace("[*]", window->isWindowModified() ? "*" : "");
}

QJsonObject describe(QWidget* widget) {
    QJsonObject result = rectOf(widget, widget->rect());
    result["found"] = true;
    result["name"] = widget->objectName();
    result["class"] = widget->metaObject()->className();
    result["visible"] = widget->isVisible();
    result["enabled"] = widget->isEnabled();
    result["text"] = textOf(widget);
    result["title"] = shownTitle(widget->window());
    result["window"] = QString::number(widget->window()->winId());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        result["checked"] = button->isChecked();
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QJsonArray items;
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            QJsonObject entry = rectOf(list->viewport(), list->visualItemRect(item));
            entry["text"] = item->text();
            entry["selected"] = item->isSelected();
            items.append(entry);
        }
        result["items"] = items;
        result["currentRow"] = list->currentRow();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QJsonArray items;
        for (int i = 0; i < combo->count(); ++i) {
            items.append(combo->itemText(i));
        }
        result["items"] = items;
        result["currentIndex"] = combo->currentIndex();
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        QJsonArray items;
        for (int i = 0; i < tabs->count(); ++i) {
            QJsonObject entry = rectOf(tabs->tabBar(), tabs->tabBar()->tabRect(i));
            entry["text"] = tabs->tabText(i);
            entry["shown"] = tabs->isTabVisible(i);
            items.append(entry);
        }
        result["items"] = items;
        result["current"] = tabs->currentWidget() ? tabs->currentWidget()->objectName() : QString();
    }
    if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
        QJsonArray items;
        for (QAction* action : bar->actions()) {
            QJsonObject entry = rectOf(bar, bar->actionGeometry(action));
            entry["text"] = action->text();
            items.append(entry);
        }
        result["items"] = items;
    }
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QJsonArray items;
        for (QAction* action : menu->actions()) {
            QJsonObject entry = rectOf(menu, menu->actionGeometry(action));
            entry["text"] = action->text();
            items.append(entry);
        }
        result["items"] = items;
    }
    if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
        result["value"] = bar->value();
        result["maximum"] = bar->maximum();
    }
    return result;
}

QJsonObject modalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return {{"found", false}};
    }
    QJsonObject result = describe(modal);
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        result["text"] = box->text();
        QJsonArray buttons;
        for (QAbstractButton* button : box->buttons()) {
            QJsonObject entry = rectOf(button, button->rect());
            entry["text"] = button->text();
            buttons.append(entry);
        }
        result["buttons"] = buttons;
    }
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        if (auto* edit = files->findChild<QLineEdit*>("fileNameEdit")) {
            result["fileNameEdit"] = rectOf(edit, edit->rect());
        }
        result["filters"] = QJsonArray::fromStringList(files->nameFilters());
        result["selectedFilter"] = files->selectedNameFilter();
        result["defaultSuffix"] = files->defaultSuffix();
    }
    return result;
}

QJsonObject answer(const QJsonObject& request) {
    const QString command = request["cmd"].toString();
    if (command == "find") {
        QWidget* widget = findWidget(request["name"].toString());
        return widget ? describe(widget) : QJsonObject{{"found", false}};
    }
    if (command == "modal") {
        return modalDialog();
    }
    if (command == "popup") {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? describe(popup) : QJsonObject{{"found", false}};
    }
    return {{"error", "unknown command"}};
}

void startProbe() {
    const QByteArray path = qgetenv("BRENNICK_PROBE_SOCKET");
    if (path.isEmpty()) {
        return;
    }
    auto* server = new QLocalServer(QCoreApplication::instance());
    QLocalServer::removeServer(QString::fromLocal8Bit(path));
    server->listen(QString::fromLocal8Bit(path));
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                while (socket->canReadLine()) {
                    const QJsonObject request = QJsonDocument::fromJson(socket->readLine()).object();
                    socket->write(QJsonDocument(answer(request)).toJson(QJsonDocument::Compact) + "\n");
                    socket->flush();
                }
            });
        }
    });
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
