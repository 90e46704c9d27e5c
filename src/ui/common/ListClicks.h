#pragma once

#include <QObject>

class QListWidget;

// The click of a list as the pages know it: `clicked` is emitted once for a
// click on an item and once for each change of the current item by key or by
// the program. A click that makes an item current is one click, not a change
// and a click.
class ListClicks : public QObject {
    Q_OBJECT

  public:
    explicit ListClicks(QListWidget* list);

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget* list_;
    int currentAtPress_ = -1; // the current row before the last press
};
