#include "common/RadioGroup.h"

#include <QGridLayout>

RadioGroup::RadioGroup(QWidget* parent, const QString& objectName, const QString& caption,
                       const QStringList& items, int columns)
    : QGroupBox(caption, parent) {
    setObjectName(objectName);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(2);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + "_" + QString::number(i));
        group_.addButton(button, i);
        buttons_.append(button);
        layout->addWidget(button, i % rows, i / rows);
    }
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            emit itemIndexChanged(id);
        }
    });
}

int RadioGroup::itemIndex() const {
    return group_.checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < buttons_.size()) {
        buttons_[index]->setChecked(true);
        return;
    }
    group_.setExclusive(false);
    for (auto* button : buttons_) {
        button->setChecked(false);
    }
    group_.setExclusive(true);
}
