#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QString>

enum class LabelSide { Above, Left };

// A line edit with its caption label, placed at `geometry` (the edit's own
// rectangle); the label stands above or left of it and is named <name>Label.
QLineEdit* MakeLabeledEdit(QWidget* parent, const QString& objectName, const QString& caption,
                           const QRect& geometry, LabelSide side = LabelSide::Above, int labelWidth = 0);

// A captioned control (button, check box, group box) with its name and place.
template <typename Control>
Control* MakeControl(QWidget* parent, const QString& objectName, const QString& caption,
                     const QRect& geometry) {
    auto* control = new Control(caption, parent);
    control->setObjectName(objectName);
    control->setGeometry(geometry);
    return control;
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry);
