#include "portals/PortalPage.h"

#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/ListClicks.h"
#include "common/LoadWarnings.h"
#include "common/Shell.h"
#include "common/TextCodec.h"
#include "common/WriterLines.h"
#include "portals/EtcReader.h"
#include "portals/EtcWriter.h"
#include "portals/PortalList.h"
#include "maps/WorldUnits.h"
#include "records/IntegerText.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <optional>
#include <utility>

namespace {
constexpr int kLeft = 2;
constexpr int kListWidth = 377;
constexpr int kButtonHeight = 24;

} // namespace

PortalPage::PortalPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace) {
    ListBox5 = new QListWidget(sheet);
    ListBox5->setObjectName("ListBox5");
    ListBox5->setGeometry(kLeft, 2, kListWidth, 153);

    PortalShow = MakeControl<QPushButton>(sheet, "PortalShow", "Show me [Not working yet]",
                                          QRect(kLeft, 157, kListWidth, 23));
    PortalShow->setEnabled(false);

    fields_ = BuildPortalFields(sheet, QRect(kLeft, 182, kListWidth, 208));

    const int buttonTop = 392;
    const int buttonWidth = 110;
    letc = MakeControl<QPushButton>(sheet, "letc", "Load Etc",
                                    QRect(kLeft, buttonTop, buttonWidth, kButtonHeight));
    addnewportal = MakeControl<QPushButton>(
        sheet, "addnewportal", "Add new portal",
        QRect(kLeft + (kListWidth - buttonWidth) / 2, buttonTop, buttonWidth, kButtonHeight));
    setc = MakeControl<QPushButton>(
        sheet, "setc", "Save Etc",
        QRect(kLeft + kListWidth - buttonWidth, buttonTop, buttonWidth, kButtonHeight));

    connect(new ListClicks(ListBox5), &ListClicks::clicked, this,
            Guarded(shell_, this, &PortalPage::ListBox5Click));
    fields_.onCornerChanged({Guarded(shell_, this, &PortalPage::SpinEdit13Change),
                             Guarded(shell_, this, &PortalPage::SpinEdit14Change),
                             Guarded(shell_, this, &PortalPage::SpinEdit15Change),
                             Guarded(shell_, this, &PortalPage::SpinEdit16Change)});
    connect(letc, &QPushButton::clicked, this, Guarded(shell_, this, &PortalPage::letcClick));
    connect(addnewportal, &QPushButton::clicked, this, Guarded(shell_, this, &PortalPage::addnewportalClick));
    connect(setc, &QPushButton::clicked, this, Guarded(shell_, this, &PortalPage::setcClick));
}

void PortalPage::letcClick() {
    LoadEtc();
}

void PortalPage::LoadEtc() {
    // OpenDialog3 is shared with the GenMonster reader: only the filter is
    // ours, the title stays whatever was set last.
    const std::optional<QString> path = shell_.chooseFile(
        FileDialog::OpenDialog3, {.filter = QStringLiteral("Etc|Etc.txt|All .txt|*.txt|ALL|*.*")});
    if (!path) {
        return;
    }
    const EtcLoad load = LoadEtcFile(PathBytes(*path), workspace_.etcRead, workspace_.portals,
                                     workspace_.gotos, workspace_.otherEtcRecords);
    workspace_.etcText = load.encoding;
    ListPortals();
    shell_.PostStatus(QStringLiteral("Etc.txt loaded!"));
    WarnLoadNotes(shell_, *path, load.notes);
}

void PortalPage::ListPortals() {
    const QSignalBlocker blocker(ListBox5);
    ListBox5->clear();
    for (const std::string& line : PortalListLines(workspace_.portals)) {
        ListBox5->addItem(ToQ(line, workspace_.etcText));
    }
}

void PortalPage::ListBox5Click() {
    const int row = ListBox5->currentRow();
    if (row < 0) {
        return;
    }
    const PortalRecord& portal = std::as_const(workspace_.portals)[static_cast<std::size_t>(row)];
    fields_.CheckBox12->setChecked(portal[PortalRecord::commented] == "0");
    const std::array<std::size_t, 4> corners{PortalRecord::x1, PortalRecord::y1, PortalRecord::x2,
                                             PortalRecord::y2};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        fields_.corners[i]->setValue(MapToWorld(portal[corners[i]]));
        // An unchanged value emits nothing, yet the label may show the text
        // typed before.
        fields_.showMapUnits(i);
    }
    fields_.SpinEdit17->setValue(StrToInt(portal[PortalRecord::fromMap]));
    fields_.destination[0]->setValue(StrToInt(portal[PortalRecord::toX]));
    fields_.destination[1]->setValue(StrToInt(portal[PortalRecord::toY]));
    fields_.destination[2]->setValue(StrToInt(portal[PortalRecord::toZ]));
    fields_.SpinEdit22->setValue(StrToInt(portal[PortalRecord::toMap]));
    fields_.Edit3->setText(ToQ(portal[PortalRecord::comment], workspace_.etcText));
}

void PortalPage::SpinEdit13Change() {
    fields_.showMapUnits(0);
}
void PortalPage::SpinEdit14Change() {
    fields_.showMapUnits(1);
}
void PortalPage::SpinEdit15Change() {
    fields_.showMapUnits(2);
}
void PortalPage::SpinEdit16Change() {
    fields_.showMapUnits(3);
}

void PortalPage::addnewportalClick() {
    emit addPortalWanted();
}

void PortalPage::setcClick() {
    SaveEtc();
}

void PortalPage::SaveEtc() {
    WriterLines& lines = shell_.lines();
    lines.Clear();
    const bool keepLayout = workspace_.KeepLayout && workspace_.etcRead;
    if (!keepLayout) {
        for (const std::string& line :
             EtcLines(workspace_.gotos, workspace_.portals, workspace_.otherEtcRecords)) {
            lines.Append(line);
        }
    }
    const std::optional<QString> path = shell_.chooseFile(
        FileDialog::SaveDialog3, {.filter = QStringLiteral("Etc|Etc.txt|All txt|*.txt|ALL|*.*"),
                                  .defaultSuffix = QStringLiteral("txt")});
    if (path && keepLayout) {
        shell_.SaveFile(*path, EtcKeepingLayout(*workspace_.etcRead, workspace_.gotos, workspace_.portals));
    } else if (path) {
        shell_.SaveFile(*path, lines.Text());
    }
    lines.Clear();
}
