#include "items/FieldDumpPage.h"

#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/JpegPicture.h"
#include "common/TextCodec.h"
#include "items/FieldDump.h"
#include "workspace/Workspace.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kPictureCount = 12;
constexpr int kPicturesWithSlots = 8;
constexpr int kPictureSize = 34;
} // namespace

FieldDumpPage::FieldDumpPage(Shell& shell, Workspace& workspace, QWidget* sheet)
    : QObject(sheet), shell_(shell), workspace_(workspace) {
    buildPictures(sheet);
    buildAccountForm(sheet);

    firstFieldEdit = MakeControl<QLineEdit>(sheet, "Edit1", "Edit1", QRect(320, 8, 80, 22));
    secondFieldEdit = MakeControl<QLineEdit>(sheet, "Edit2", "Edit2", QRect(408, 8, 80, 22));
    auto* dump = MakeControl<QPushButton>(sheet, "Button4", "Button4", QRect(496, 8, 80, 23));
    connect(dump, &QPushButton::clicked, this, Guarded(shell_, this, &FieldDumpPage::dumpFields));
    dumpText = MakeControl<QPlainTextEdit>(sheet, "Memo2", "Memo2", QRect(320, 40, 305, 397));
    dumpText->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void FieldDumpPage::buildPictures(QWidget* sheet) {
    for (int i = 0; i < kPictureCount; ++i) {
        const QRect place(8 + (i % 6) * (kPictureSize + 6), 8 + (i / 6) * (kPictureSize + 6), kPictureSize,
                          kPictureSize);
        QLabel* picture = MakeLabel(sheet, QStringLiteral("Image%1").arg(i + 2), QString(), place);
        picture->setFrameShape(QFrame::StyledPanel);
        picture->setAlignment(Qt::AlignCenter);
        if (i < kPicturesWithSlots) {
            const QImage slot = LoadJpegPicture(QStringLiteral(":/pictures/slot%1.jpg").arg(i + 1));
            picture->setPixmap(QPixmap::fromImage(slot));
        }
    }
}

void FieldDumpPage::buildAccountForm(QWidget* sheet) {
    auto* group = MakeControl<QGroupBox>(sheet, "GroupBox9", "Create Login", QRect(8, 96, 233, 161));
    MakeLabeledEdit(group, "LabeledEdit6", "Login", QRect(8, 38, 120, 21));
    MakeLabeledEdit(group, "LabeledEdit22", "Password", QRect(8, 82, 120, 21))
        ->setEchoMode(QLineEdit::Password);
    const char* const states[] = {"Active", "InActive", "Banned", "Admin"};
    for (int i = 0; i < 4; ++i) {
        const QString state = QString::fromLatin1(states[i]);
        MakeControl<QRadioButton>(group, QStringLiteral("Account") + state, state,
                                  QRect(140, 20 + i * 22, 85, 20));
    }
    MakeControl<QPushButton>(group, "Button3", "Register", QRect(8, 122, 80, 25));
}

void FieldDumpPage::dumpFields() {
    dumpText->clear();
    for (const std::string& line :
         DumpFields(workspace_.items, FromQ(firstFieldEdit->text()), FromQ(secondFieldEdit->text()))) {
        dumpText->appendPlainText(ToQ(line, workspace_.itemText));
    }
}
