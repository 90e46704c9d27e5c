#pragma once

#include "common/GuardedHandler.h"
#include "common/Shell.h"
#include "records/TableEditor.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <utility>

// One change of a table as a step of its undo history: redo applies it and
// undo takes it back through the table's editor, which restores the bytes
// exactly and tells whoever shows the table. Edits of the same fields of the
// same records under the same name that follow each other (typing in a
// field) are one step, and a step that ends where it began is none.
template <typename Record> class TableChangeCommand : public QUndoCommand {
  public:
    using Change = TableChange<Record>;

    TableChangeCommand(Shell& shell, TableEditor<Record>& editor, Change change, const QString& name)
        : QUndoCommand(name), shell_(shell), editor_(editor), change_(std::move(change)) {}

    // The table is changed whole before its listeners hear of it; a listener
    // that fails is shown as a failed handler, the step made and kept.
    void redo() override {
        Guarded(shell_, [this] { editor_.Apply(change_); })();
    }
    void undo() override {
        Guarded(shell_, [this] { editor_.Revert(change_); })();
    }

    int id() const override { return change_.kind == ChangeKind::FieldEdit ? kFieldEditId : -1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = dynamic_cast<const TableChangeCommand*>(other);
        if (next == nullptr || &next->editor_ != &editor_ || next->text() != text() ||
            !std::ranges::equal(change_.edits, next->change_.edits, [](const auto& a, const auto& b) {
                return a.position == b.position && a.field == b.field;
            })) {
            return false;
        }
        for (std::size_t i = 0; i < change_.edits.size(); ++i) {
            change_.edits[i].after = next->change_.edits[i].after;
        }
        setObsolete(
            std::ranges::all_of(change_.edits, [](const auto& edit) { return edit.before == edit.after; }));
        return true;
    }

  private:
    static constexpr int kFieldEditId = 1;

    Shell& shell_;
    TableEditor<Record>& editor_;
    Change change_;
};

// Every change `editor` commits becomes a step of `stack`, named `name(change)`.
template <typename Record, typename Name>
void KeepHistory(Shell& shell, TableEditor<Record>& editor, QUndoStack& stack, Name name) {
    editor.SetHistory([&shell, &editor, &stack, name = std::move(name)](TableChange<Record> change) {
        const QString text = name(std::as_const(change));
        stack.push(new TableChangeCommand<Record>(shell, editor, std::move(change), text));
    });
}
