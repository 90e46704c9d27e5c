#include "portals/PortalPage.h"

#include "common/ControlBuilders.h"
#include "common/FileHistory.h"
#include "common/GuardedHandler.h"
#include "common/ListClicks.h"
#include "common/LoadWarnings.h"
#include "common/Shell.h"
#include "common/TableChangeCommand.h"
#include "common/TextCodec.h"
#include "common/UnsavedChanges.h"
#include "common/WriterLines.h"
#include "workspace/Workspace.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <optional>

namespace {
constexpr int kLeft = 2;
constexpr int kListWidth = 377;
constexpr int kButtonHeight = 24;

// The value a portal that `change` adds has in `field`: a portal filling a
// gap of the table is made of field edits.
std::string addedValue(const PortalEditor::Change& change, PortalField field) {
    if (!change.appended.empty()) {
        return change.appended.front()[field];
    }
    for (const auto& edit : change.edits) {
        if (edit.field == FieldIndex(field)) {
            return edit.after;
        }
    }
    return {};
}
} // namespace

PortalPage::PortalPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace),
      editor_({workspace.portals, workspace.gotos, workspace.otherEtcRecords, workspace.etcRead,
               workspace.etcText}),
      history_(shell.history(EditedTable::Etc)) {
    portalList_ = new QListWidget(sheet);
    portalList_->setObjectName("ListBox5");
    portalList_->setGeometry(kLeft, 2, kListWidth, 153);

    auto* showButton = MakeControl<QPushButton>(sheet, "PortalShow", "Show me [Not working yet]",
                                                QRect(kLeft, 157, kListWidth, 23));
    showButton->setEnabled(false);

    fields_ = PortalFields::Build(shell_, sheet, QRect(kLeft, 182, kListWidth, 208));

    const int buttonTop = 392;
    const int buttonWidth = 110;
    auto* loadButton = MakeControl<QPushButton>(sheet, "letc", "Load Etc",
                                                QRect(kLeft, buttonTop, buttonWidth, kButtonHeight));
    auto* addButton = MakeControl<QPushButton>(
        sheet, "addnewportal", "Add new portal",
        QRect(kLeft + (kListWidth - buttonWidth) / 2, buttonTop, buttonWidth, kButtonHeight));
    auto* saveButton = MakeControl<QPushButton>(
        sheet, "setc", "Save Etc",
        QRect(kLeft + kListWidth - buttonWidth, buttonTop, buttonWidth, kButtonHeight));

    connect(new ListClicks(portalList_), &ListClicks::clicked, this,
            Guarded(shell_, this, &PortalPage::showSelectedPortal));
    connect(loadButton, &QPushButton::clicked, this, Guarded(shell_, this, &PortalPage::loadEtc));
    connect(addButton, &QPushButton::clicked, this, Guarded(shell_, this, &PortalPage::openAddPortalDialog));
    connect(saveButton, &QPushButton::clicked, this, Guarded(shell_, this, &PortalPage::saveEtc));
    editor_.OnChanged([this](const PortalEditor::Change&) { listPortals(); });
    KeepHistory(shell_, editor_, history_.stack(), [this](const PortalEditor::Change& change) {
        return QStringLiteral("Add portal, from map %1 to map %2")
            .arg(ToQ(addedValue(change, PortalField::FromMap), editor_.encoding()),
                 ToQ(addedValue(change, PortalField::ToMap), editor_.encoding()));
    });
}

void PortalPage::loadEtc() {
    if (!MayDropChanges(shell_, history_, [this] { return saveEtc(); })) {
        return;
    }
    // OpenDialog3 is shared with the GenMonster reader: only the filter is
    // ours, the title stays whatever was set last.
    const std::optional<QString> path = shell_.chooseFile(
        FileDialog::OpenDialog3, {.filter = QStringLiteral("Etc|Etc.txt|All .txt|*.txt|ALL|*.*")});
    if (!path) {
        return;
    }
    const EtcLoad load = editor_.loadEtc(PathBytes(*path));
    history_.Loaded(*path);
    listPortals();
    shell_.PostStatus(QStringLiteral("Etc.txt loaded!"));
    WarnLoadNotes(shell_, *path, load.notes);
}

// The list built anew has no portal selected, so the fields show none.
void PortalPage::listPortals() {
    fields_.clear();
    const QSignalBlocker blocker(portalList_);
    portalList_->clear();
    for (const PortalListEntry& entry : editor_.listEntries()) {
        auto* item = new QListWidgetItem(ToQ(entry.text, editor_.encoding()), portalList_);
        item->setData(Qt::UserRole, QVariant::fromValue(entry.position));
    }
}

FindTarget PortalPage::findTarget() const {
    return {portalList_, editor_.FindEntries(), editor_.encoding()};
}

void PortalPage::showSelectedPortal() {
    const QListWidgetItem* item = portalList_->currentItem();
    if (item == nullptr) {
        return;
    }
    editor_.selectPortal(item->data(Qt::UserRole).value<std::size_t>());
    fields_.showPortal(*editor_.selectedPortal(), editor_.encoding());
}

void PortalPage::openAddPortalDialog() {
    emit addPortalWanted();
}

bool PortalPage::saveEtc() {
    const EtcSave save = editor_.etcToSave(workspace_.KeepLayout);
    WriterLines& lines = shell_.lines();
    lines.Clear();
    for (const std::string& line : save.lines) {
        lines.Append(line);
    }
    const std::optional<QString> path = shell_.chooseFile(
        FileDialog::SaveDialog3, {.filter = QStringLiteral("Etc|Etc.txt|All txt|*.txt|ALL|*.*"),
                                  .defaultSuffix = QStringLiteral("txt")});
    if (path) {
        shell_.SaveFile(*path, save.keptLayout ? *save.keptLayout : lines.Text());
        history_.Saved(*path);
    }
    lines.Clear();
    return path.has_value();
}
