#include "common/ComboPicks.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>

ComboPicks::ComboPicks(QComboBox* list) : QObject(list) {
    // The operator acts on the closed list or on its popup; a filter installed
    // here runs before the popup's own, which chooses the entry.
    for (QObject* target : {static_cast<QObject*>(list), static_cast<QObject*>(list->view()),
                            static_cast<QObject*>(list->view()->viewport())}) {
        target->installEventFilter(this);
    }
    connect(list, &QComboBox::currentIndexChanged, this, [this](int index) {
        changedTo_ = index;
        emit picked(index);
    });
    connect(list, &QComboBox::activated, this, [this](int index) {
        const bool toldAsAChange = changedTo_ == index;
        changedTo_.reset();
        if (!toldAsAChange) {
            emit picked(index);
        }
    });
}

bool ComboPicks::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        changedTo_.reset();
        break;
    default:
        break;
    }
    return false;
}
