// The yardstick of the start-up measurement: a bare Qt Widgets window with a
// menu, tabs and a status line, the frame of the editor's main window without
// its pages.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenuBar* menu = window.menuBar();
    menu->setNativeMenuBar(false);
    menu->addMenu(QStringLiteral("Load"))->addAction(QStringLiteral("Names"));
    menu->addAction(QStringLiteral("About"));
    auto* tabs = new QTabWidget(&window);
    for (const char* caption : {"Item", "Monster", "Map"}) {
        tabs->addTab(new QWidget, QString::fromLatin1(caption));
    }
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QString());
    window.resize(641, 511);
    window.show();
    return QApplication::exec();
}
