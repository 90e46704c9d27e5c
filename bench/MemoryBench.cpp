// The program's resident memory at a large server's size: the real main
// window, offscreen, loads the largest file of every kind through its pages as
// an operator would (buttons, file dialogs, questions), then makes 1,000 edits
// on the monster, spawn, portal and item tables through the pages' controls,
// each of which the page hands to its editing object. Prints VmRSS and VmHWM
// in MB; the exit status is 1 when the peak reaches the bound.

#include "BrennickApplication.h"
#include "MainWindow.h"
#include "ServerSizeData.h"
#include "support/DialogDriver.h"

#include "monsters/MonsterSlots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

namespace {
constexpr int kEdits = 1000;
constexpr double kBoundMb = 60.0;

void writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

template <typename T> T* find(QWidget* root, const QString& objectName) {
    auto* found = root->findChild<T*>(objectName);
    if (found == nullptr) {
        throw std::runtime_error("no control " + objectName.toStdString());
    }
    return found;
}

QPushButton* buttonCaptioned(QWidget* root, const QString& caption) {
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    throw std::runtime_error("no button " + caption.toStdString());
}

// Answers every question with its "Yes", every note with its "OK" and every
// open dialog with the file named for it, as an operator would; an error box
// is answered too and remembered.
class DialogAnswerer {
  public:
    DialogAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(1);
    }

    std::map<QString, QString> files; // by the dialog's objectName
    QStringList errors;

  private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            DialogDriver::chooseFile(files.at(dialog->objectName()))(dialog);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->icon() == QMessageBox::Critical) {
                errors << box->text();
            }
            for (QAbstractButton* button : box->buttons()) {
                const QMessageBox::ButtonRole role = box->buttonRole(button);
                if (role == QMessageBox::YesRole || role == QMessageBox::AcceptRole) {
                    button->click();
                    return;
                }
            }
        }
    }

    QTimer timer_;
};

double megabytes(const std::string& line) {
    return std::stod(line.substr(line.find(':') + 1)) / 1024.0;
}

// VmRSS and VmHWM of this process, in MB.
std::pair<double, double> residentMemory() {
    std::ifstream status("/proc/self/status");
    double rss = 0;
    double peak = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            rss = megabytes(line);
        } else if (line.starts_with("VmHWM:")) {
            peak = megabytes(line);
        }
    }
    return {rss, peak};
}

void editMonsters(QWidget* sheet) {
    auto* list = find<QListWidget>(sheet, "ListBox2");
    auto* strength = find<QLineEdit>(sheet, "LabeledEdit24");
    for (int edit = 0; edit < kEdits; ++edit) {
        list->setCurrentRow(edit % list->count());
        strength->setText(QString::number(100 + edit));
    }
}

void editSpawns(QWidget* sheet) {
    auto* monsters = find<QListWidget>(sheet, "ListBox3");
    auto* areas = find<QListWidget>(sheet, "ListBox4");
    auto* max = find<QSpinBox>(sheet, "SpinEdit6");
    monsters->setCurrentRow(0);
    for (int edit = 0; edit < kEdits; ++edit) {
        areas->setCurrentRow(edit % areas->count());
        max->setValue(1 + edit % 50 + (max->value() == 1 + edit % 50 ? 1 : 0));
    }
}

void addPortals(QWidget* window) {
    auto* dialog = find<QWidget>(window, "Form6");
    auto* add = find<QPushButton>(dialog, "Button1");
    auto* map = find<QSpinBox>(dialog, "SpinEdit17");
    for (int edit = 0; edit < kEdits; ++edit) {
        map->setValue(1 + edit % 10);
        add->click();
    }
}

void editItems(QWidget* sheet) {
    auto* classes = find<QComboBox>(sheet, "ComboBox1");
    auto* types = find<QComboBox>(sheet, "ComboBox2");
    auto* items = find<QComboBox>(sheet, "ComboBox3");
    auto* grade = find<QLineEdit>(sheet, "LabeledEdit1");
    int edit = 0;
    for (int kind = 0; edit < kEdits && kind < classes->count(); ++kind) {
        classes->setCurrentIndex(kind);
        for (int type = 0; edit < kEdits && type < types->count(); ++type) {
            types->setCurrentIndex(type);
            for (int item = 0; edit < kEdits && item < items->count(); ++item, ++edit) {
                items->setCurrentIndex(item);
                grade->setText(QString::number(1 + edit % 90));
            }
        }
    }
    if (edit < kEdits) {
        throw std::runtime_error("only " + std::to_string(edit) + " items could be edited");
    }
}

bool run() {
    QTemporaryDir folder;
    const auto path = [&folder](const char* name) { return folder.filePath(QString::fromLatin1(name)); };
    const auto gotos = server_size::Gotos();
    const auto portals = server_size::Portals();
    writeFile(path("InitMonster.txt"), server_size::InitMonsterBytes(*server_size::Monsters()));
    writeFile(path("MonsterName.txt"), server_size::MonsterNameBytes());
    writeFile(path("GenMonster.txt"), server_size::GenMonsterBytes(*server_size::Spawns()));
    writeFile(path("InitItem.txt"), server_size::InitItemBytes());
    writeFile(path("ItemName.txt"), server_size::ItemNameBytes());
    writeFile(path("Etc.txt"), server_size::EtcBytes(*gotos, *portals));

    MainWindow window(QStringLiteral(BRENNICK_EXAMPLES "/pictures"));
    window.show();
    window.buildRemainingParts();
    DialogAnswerer answerer;
    answerer.files = {{"OpenDialog1", path("InitMonster.txt")},
                      {"OpenDialog2", path("MonsterName.txt")},
                      {"OpenInitItem", path("InitItem.txt")},
                      {"OpenItemsName", path("ItemName.txt")}};

    auto* monsterSheet = find<QWidget>(&window, "TabSheet4");
    auto* itemSheet = find<QWidget>(&window, "TabSheet2");
    auto* spawnSheet = find<QWidget>(&window, "TabSheet10");
    auto* portalSheet = find<QWidget>(&window, "TabSheet12");
    buttonCaptioned(monsterSheet, "Load InitMonster")->click();
    answerer.files["OpenDialog3"] = path("GenMonster.txt");
    buttonCaptioned(spawnSheet, "Load GenMonster")->click();
    answerer.files["OpenDialog3"] = path("Etc.txt");
    buttonCaptioned(portalSheet, "Load Etc")->click();
    buttonCaptioned(itemSheet, "Load InitItem")->click();
    QApplication::processEvents();
    const Workspace& tables = window.workspace();
    if (tables.monsters.size() != server_size::kMonsters || tables.spawns.size() != server_size::kSpawns ||
        tables.items.size() != server_size::kItems || tables.portals.size() != server_size::kPortals ||
        !tables.NamesLoaded || !tables.ItemNamesLoaded) {
        throw std::runtime_error("a file was not loaded");
    }

    editMonsters(monsterSheet);
    editSpawns(spawnSheet);
    addPortals(&window);
    editItems(itemSheet);
    QApplication::processEvents();
    // The last monster edit went to list row 79, which shows the monster at position 79.
    const std::size_t lastMonster = (kEdits - 1) % server_size::kMonsters;
    if (tables.portals.size() != server_size::kPortals + kEdits ||
        tables.monsters[lastMonster][MonsterSlot::Str] != std::to_string(100 + kEdits - 1)) {
        throw std::runtime_error("the edits were not made");
    }
    if (!answerer.errors.isEmpty()) {
        throw std::runtime_error(answerer.errors.join('\n').toStdString());
    }

    const auto [rss, peak] = residentMemory();
    const bool within = peak < kBoundMb;
    std::printf("memory: %.1f MB (peak %.1f MB)%s\nbound: under %.0f MB at the peak\n", rss, peak,
                within ? "" : "  over the bound", kBoundMb);
    return within;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ConfigureApplication(application);
    try {
        return run() ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "memory bench: %s\n", failure.what());
        return 1;
    }
}
