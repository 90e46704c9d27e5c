#include "portals/AddPortalDialog.h"

#include "common/AnswerEnter.h"
#include "common/GuardedHandler.h"
#include "common/Shell.h"
#include "common/SpinEdit.h"
#include "common/TextCodec.h"
#include "portals/PortalEditing.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
constexpr int kClientWidth = 378;
constexpr int kClientHeight = 245;
constexpr int kMargin = 4;
constexpr int kButtonHeight = 25;

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}
} // namespace

AddPortalDialog::AddPortalDialog(Shell& shell, Workspace& workspace)
    : QWidget(nullptr, Qt::Tool), shell_(shell), workspace_(workspace) {
    setObjectName("Form6");
    setWindowTitle("Add new portal");
    setFixedSize(kClientWidth, kClientHeight);

    fields_ = BuildPortalFields(this, QRect(kMargin, 2, kClientWidth - 2 * kMargin, 208));

    Button3 = makeButton(this, "Button3", "Select enter on map");
    Button4 = makeButton(this, "Button4", "Select exit on map");
    Button1 = makeButton(this, "Button1", "ADD");
    Button2 = makeButton(this, "Button2", "Cancel");
    Button3->setEnabled(false);
    Button4->setEnabled(false);
    Button1->setDefault(true);

    // The two wide buttons share what the two short ones leave.
    const int top = kClientHeight - kMargin - kButtonHeight;
    const int shortWidth = 50;
    const int wideWidth = (kClientWidth - 2 * kMargin - 2 * shortWidth - 3 * kMargin) / 2;
    int x = kMargin;
    for (QPushButton* button : {Button3, Button4, Button1, Button2}) {
        const int width = button == Button3 || button == Button4 ? wideWidth : shortWidth;
        button->setGeometry(x, top, width, kButtonHeight);
        x += width + kMargin;
    }

    fields_.onCornerChanged({Guarded(shell_, this, &AddPortalDialog::SpinEdit13Change),
                             Guarded(shell_, this, &AddPortalDialog::SpinEdit14Change),
                             Guarded(shell_, this, &AddPortalDialog::SpinEdit15Change),
                             Guarded(shell_, this, &AddPortalDialog::SpinEdit16Change)});
    connect(Button1, &QPushButton::clicked, this, Guarded(shell_, this, &AddPortalDialog::Button1Click));
    connect(Button2, &QPushButton::clicked, this, Guarded(shell_, this, &AddPortalDialog::Button2Click));
}

void AddPortalDialog::Open() {
    show();
    raise();
    activateWindow();
}

void AddPortalDialog::Button1Click() {
    AddPortal();
}

void AddPortalDialog::Button2Click() {
    hide();
    fields_.CheckBox12->setChecked(false);
    for (QSpinBox* spin : fields_.corners) {
        spin->setValue(0);
    }
    fields_.SpinEdit17->setValue(0);
    for (QSpinBox* spin : fields_.destination) {
        spin->setValue(0);
    }
    fields_.SpinEdit22->setValue(0);
    fields_.showAllMapUnits();
    fields_.Edit3->clear();
}

void AddPortalDialog::AddPortal() {
    NewPortal portal;
    portal.on = fields_.CheckBox12->isChecked();
    portal.fromMap = SpinValue(fields_.SpinEdit17);
    for (std::size_t i = 0; i < portal.corners.size(); ++i) {
        portal.corners[i] = SpinValue(fields_.corners[i]);
    }
    portal.toMap = SpinValue(fields_.SpinEdit22);
    for (std::size_t i = 0; i < portal.destination.size(); ++i) {
        portal.destination[i] = SpinValue(fields_.destination[i]);
    }
    portal.comment = FromQ(fields_.Edit3->text(), workspace_.etcText);
    ::AddPortal(workspace_.portals, portal);
    emit portalAdded();
    hide();
}

void AddPortalDialog::SpinEdit13Change() {
    fields_.showMapUnits(0);
}
void AddPortalDialog::SpinEdit14Change() {
    fields_.showMapUnits(1);
}
void AddPortalDialog::SpinEdit15Change() {
    fields_.showMapUnits(2);
}
void AddPortalDialog::SpinEdit16Change() {
    fields_.showMapUnits(3);
}

void AddPortalDialog::keyPressEvent(QKeyEvent* event) {
    if (!AnswerEnter(*this, *event, *Button1)) {
        QWidget::keyPressEvent(event);
    }
}
