#pragma once

#include <QString>
#include <QUndoStack>

// The undo history of one table and, for a file the editor writes, whether
// the table differs from what was last loaded or saved, and the name the
// file was last loaded or saved under.
class FileHistory {
  public:
    // `usualName` names the file until it is first loaded or saved.
    explicit FileHistory(QString usualName);

    QUndoStack& stack() { return stack_; }
    bool HasUnsavedChanges() const { return !stack_.isClean(); }
    // The file's name without its folder.
    QString FileName() const;

    // A load starts the history anew: no step of it applies to the new table.
    void Loaded(const QString& path);
    // The table as saved becomes the clean state, which undo and redo can reach again.
    void Saved(const QString& path);

  private:
    QString usualName_;
    QString path_;
    QUndoStack stack_;
};
