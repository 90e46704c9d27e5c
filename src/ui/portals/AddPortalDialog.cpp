#include "portals/AddPortalDialog.h"

#include "common/AnswerEnter.h"
#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/Shell.h"
#include "portals/PortalEditor.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 378;
constexpr int kClientHeight = 245;
constexpr int kMargin = 4;
constexpr int kButtonHeight = 25;
} // namespace

AddPortalDialog::AddPortalDialog(Shell& shell, PortalEditor& editor)
    : QWidget(nullptr, Qt::Tool), shell_(shell), editor_(editor) {
    setObjectName("Form6");
    setWindowTitle("Add new portal");
    setFixedSize(kClientWidth, kClientHeight);

    fields_ = PortalFields::Build(shell_, this, QRect(kMargin, 2, kClientWidth - 2 * kMargin, 208));

    auto* enterButton = MakeControl<QPushButton>(this, "Button3", "Select enter on map", QRect());
    auto* exitButton = MakeControl<QPushButton>(this, "Button4", "Select exit on map", QRect());
    addButton_ = MakeControl<QPushButton>(this, "Button1", "ADD", QRect());
    auto* cancelButton = MakeControl<QPushButton>(this, "Button2", "Cancel", QRect());
    // The two wide buttons share what the two short ones leave.
    const int top = kClientHeight - kMargin - kButtonHeight;
    const int shortWidth = 50;
    const int wideWidth = (kClientWidth - 2 * kMargin - 2 * shortWidth - 3 * kMargin) / 2;
    int x = kMargin;
    for (QPushButton* button : {enterButton, exitButton, addButton_, cancelButton}) {
        const int width = button == enterButton || button == exitButton ? wideWidth : shortWidth;
        button->setGeometry(x, top, width, kButtonHeight);
        x += width + kMargin;
    }
    enterButton->setEnabled(false);
    exitButton->setEnabled(false);
    addButton_->setDefault(true);

    connect(addButton_, &QPushButton::clicked, this, Guarded(shell_, this, &AddPortalDialog::addPortal));
    connect(cancelButton, &QPushButton::clicked, this, Guarded(shell_, this, &AddPortalDialog::cancel));
}

void AddPortalDialog::open() {
    show();
    raise();
    activateWindow();
}

void AddPortalDialog::addPortal() {
    editor_.addPortal(fields_.portal(editor_.encoding()));
    hide();
}

void AddPortalDialog::cancel() {
    hide();
    fields_.clear();
}

void AddPortalDialog::keyPressEvent(QKeyEvent* event) {
    if (!AnswerEnter(*this, *event, *addButton_)) {
        QWidget::keyPressEvent(event);
    }
}
