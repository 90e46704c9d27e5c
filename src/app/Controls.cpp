#include "app/Controls.h"

#include <QGridLayout>

#include <limits>

RadioGroup::RadioGroup(QWidget* parent, const QString& objectName, const QString& caption, const QStringList& items,
                       int columns)
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

int RadioGroup::itemIndex() const { return group_.checkedId(); }

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

QLineEdit* MakeLabeledEdit(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry,
                           LabelSide side, int labelWidth) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setGeometry(geometry);
    edit->setAccessibleName(caption);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName + "Label");
    label->setBuddy(edit);
    if (side == LabelSide::Above) {
        const int height = label->sizeHint().height();
        const int width = std::max(geometry.width(), label->sizeHint().width());
        label->setGeometry(geometry.x(), geometry.y() - height - 1, width, height);
    } else {
        const int width = labelWidth > 0 ? labelWidth : label->sizeHint().width();
        label->setGeometry(geometry.x() - width - 4, geometry.y(), width, geometry.height());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return edit;
}

QSpinBox* MakeSpinEdit(QWidget* parent, const QString& objectName, const QRect& geometry) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(objectName);
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(0);
    spin->setGeometry(geometry);
    return spin;
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    return label;
}
