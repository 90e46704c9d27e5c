#pragma once

#include <QObject>

#include <optional>

class QComboBox;

// The pick of a drop-down list as the pages know it: `picked`, with the
// chosen entry's position, is emitted once for each change of the chosen
// entry, by the operator or by the program, and once when the operator
// chooses the entry that was already chosen. A pick that changes the entry is
// one pick: the list tells both the change and the choice, and only the
// change is passed on.
class ComboPicks : public QObject {
    Q_OBJECT

  public:
    explicit ComboPicks(QComboBox* list);

  signals:
    void picked(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The entry the last change chose, until the operator's next key, click or wheel turn.
    std::optional<int> changedTo_;
};
