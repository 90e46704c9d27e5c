#pragma once

#include "common/FindTarget.h"
#include "records/ListFind.h"

#include <QLineEdit>
#include <QPointer>

#include <functional>
#include <optional>

class Shell;

// The find field of the status line, hidden until opened. What is typed
// chooses the first matching entry of the list of the page in front; Enter
// or F3 the next one, Shift+F3 the one before, round the list's ends; Escape
// closes the field. An entry is chosen as a click chooses it, so the page
// shows its record through the list's own handler. When nothing matches the
// field turns red and the status line says so.
class FindField : public QLineEdit {
  public:
    // `target` gives the list of the page in front, nothing when it has none.
    FindField(Shell& shell, std::function<std::optional<FindTarget>()> target, QWidget* parent);

    void open();
    void findNext() { find(FindStep::Next); }
    void findPrevious() { find(FindStep::Previous); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void find(FindStep step);
    void showMatched(bool matched);
    void closeField();

    Shell& shell_;
    std::function<std::optional<FindTarget>()> target_;
    QPointer<QWidget> searched_; // the list of the last search
};
