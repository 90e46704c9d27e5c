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

    Edit1 = new QLineEdit(QStringLiteral("Edit1"), sheet);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(320, 8, 80, 22);
    Edit2 = new QLineEdit(QStringLiteral("Edit2"), sheet);
    Edit2->setObjectName("Edit2");
    Edit2->setGeometry(408, 8, 80, 22);
    auto* dump = new QPushButton(QStringLiteral("Button4"), sheet);
    dump->setObjectName("Button4");
    dump->setGeometry(496, 8, 80, 23);
    connect(dump, &QPushButton::clicked, this, Guarded(shell_, this, &FieldDumpPage::Button4Click));
    Memo2 = new QPlainTextEdit(sheet);
    Memo2->setObjectName("Memo2");
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setPlainText(QStringLiteral("Memo2"));
    Memo2->setGeometry(320, 40, 305, 397);
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
    auto* group = new QGroupBox(QStringLiteral("Create Login"), sheet);
    group->setObjectName("GroupBox9");
    group->setGeometry(8, 96, 233, 161);
    MakeLabeledEdit(group, "LabeledEdit6", "Login", QRect(8, 38, 120, 21));
    MakeLabeledEdit(group, "LabeledEdit22", "Password", QRect(8, 82, 120, 21))
        ->setEchoMode(QLineEdit::Password);
    const char* const states[] = {"Active", "InActive", "Banned", "Admin"};
    for (int i = 0; i < 4; ++i) {
        const QString state = QString::fromLatin1(states[i]);
        auto* choice = new QRadioButton(state, group);
        choice->setObjectName(QStringLiteral("Account") + state);
        choice->setGeometry(140, 20 + i * 22, 85, 20);
    }
    auto* registerButton = new QPushButton(QStringLiteral("Register"), group);
    registerButton->setObjectName("Button3");
    registerButton->setGeometry(8, 122, 80, 25);
}

void FieldDumpPage::Button4Click() {
    Memo2->clear();
    for (const std::string& line : DumpFields(workspace_.items, FromQ(Edit1->text()), FromQ(Edit2->text()))) {
        Memo2->appendPlainText(ToQ(line, workspace_.itemText));
    }
}
