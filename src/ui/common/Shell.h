#pragma once

#include <QString>

#include <optional>
#include <string>

class FileHistory;
class WriterLines;
class QWidget;

// The file dialogs of the main window, by their names in the layout.
enum class FileDialog {
    OpenDialog1,   // InitMonster.txt
    OpenDialog2,   // monster names
    OpenDialog3,   // GenMonster.txt and Etc.txt
    SaveDialog1,   // InitMonster.txt
    SaveDialog2,   // GenMonster.txt
    SaveDialog3,   // Etc.txt
    OpenInitItem,  // InitItem.txt
    OpenItemsName, // item names
};

// The tables whose changes can be taken back, each with a history of its own:
// those of the three files the editor writes, and the items.
enum class EditedTable { InitMonster, GenMonster, Etc, Items };

// The answer to "Save changes to <file name>?".
enum class SaveChoice { Save, Discard, Cancel };

// What a user of a shared dialog sets before showing it; the dialog keeps it
// for later uses. A part left unset stays as the dialog has it.
struct DialogSettings {
    std::optional<QString> title{};
    std::optional<QString> filter{}; // label|pattern pairs, as in "All txt|*.txt|ALL|*.*"
    std::optional<QString> defaultSuffix{};
};

// What the pages and secondary windows need of the main window: the status
// message, the message boxes, the file dialogs, the writers' line buffer and
// the history of each table.
// A box stands over `over`, or over the main window when that is null.
class Shell {
  public:
    virtual ~Shell() = default;

    // Shows the text in the status line, which clears itself three seconds later.
    virtual void PostStatus(const QString& text) = 0;
    virtual QString statusText() const = 0;

    // "Confirm" box with "&Yes" and "&No"; true when "&Yes" was pressed.
    virtual bool Confirm(const QString& question, QWidget* over = nullptr) = 0;
    virtual void Information(const QString& text, QWidget* over = nullptr) = 0;
    virtual void Warning(const QString& text, QWidget* over = nullptr) = 0;
    virtual void ErrorMessage(const QString& text, QWidget* over = nullptr) = 0;
    // "Confirm" box with "Save", "Discard" and "Cancel".
    virtual SaveChoice AskToSave(const QString& question, QWidget* over = nullptr) = 0;
    // The box of a failed handler, captioned with the application title.
    virtual void ShowFailure(const QString& message) = 0;

    // Shows a file dialog; the chosen path, or nothing when it was cancelled.
    virtual std::optional<QString> chooseFile(FileDialog dialog, const DialogSettings& settings = {}) = 0;

    virtual WriterLines& lines() = 0;

    // Replaces the file at `path` with `bytes` in one step: a save that fails
    // leaves the earlier file as it was and throws InOutError.
    virtual void SaveFile(const QString& path, const std::string& bytes) = 0;

    // The changes of the table that can be taken back, for the whole run.
    virtual FileHistory& history(EditedTable table) = 0;
};
