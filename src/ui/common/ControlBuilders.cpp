#include "common/ControlBuilders.h"

#include <algorithm>

QLineEdit* MakeLabeledEdit(QWidget* parent, const QString& objectName, const QString& caption,
                           const QRect& geometry, LabelSide side, int labelWidth) {
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

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    return label;
}
