#include "common/ListClicks.h"

#include <QEvent>
#include <QListWidget>

ListClicks::ListClicks(QListWidget* list) : QObject(list), list_(list) {
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            emit clicked();
        }
    });
    // A press that changed the current row was told by that change already.
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (list_->row(item) == currentAtPress_) {
            emit clicked();
        }
    });
}

bool ListClicks::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        currentAtPress_ = list_->currentRow();
    }
    return false;
}
