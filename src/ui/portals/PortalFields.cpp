#include "portals/PortalFields.h"

#include "common/ControlBuilders.h"
#include "common/SpinEdit.h"
#include "maps/WorldUnits.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {
constexpr int kMargin = 6;
constexpr int kCaptionTop = 19;
constexpr int kCaptionHeight = 14;
constexpr int kSpinTop = 34;
constexpr int kSpinHeight = 22;
constexpr int kMapColumnWidth = 50;
constexpr int kGap = 4;

// The x of column `index` (0 is the "Map" column) in a group of `width`.
int columnX(int index, int columnWidth) {
    return index == 0 ? kMargin + 2
                      : kMargin + 2 + kMapColumnWidth + kGap + (index - 1) * (columnWidth + kGap);
}

QSpinBox* makeColumn(QGroupBox* group, int index, int columnWidth, const QString& spinName,
                     const QString& caption) {
    const int width = index == 0 ? kMapColumnWidth : columnWidth;
    const int x = columnX(index, columnWidth);
    MakeLabel(group, spinName + "Caption", caption, QRect(x, kCaptionTop, width, kCaptionHeight));
    return MakeSpinEdit(group, spinName, QRect(x, kSpinTop, width, kSpinHeight));
}
} // namespace

PortalFields BuildPortalFields(QWidget* parent, const QRect& geometry) {
    PortalFields fields;
    const int width = geometry.width();
    const int innerWidth = width - 2 * kMargin;
    // Four equal columns follow the narrower "Map" column.
    const int columnWidth = (innerWidth - 2 * (kMargin + 2) - kMapColumnWidth - 4 * kGap) / 4;

    fields.GroupBox17 = MakeControl<QGroupBox>(parent, "GroupBox17", "Portal", geometry);
    fields.CheckBox12 = new QCheckBox(QStringLiteral("ON"), fields.GroupBox17);
    fields.CheckBox12->setObjectName("CheckBox12");
    const int checkWidth = fields.CheckBox12->sizeHint().width() + 4;
    fields.CheckBox12->setGeometry(width - kMargin - checkWidth, 0, checkWidth, kCaptionHeight + 2);
    fields.CheckBox12->setAutoFillBackground(true);

    auto* from =
        MakeControl<QGroupBox>(fields.GroupBox17, "GroupBox18", "From", QRect(kMargin, 18, innerWidth, 80));
    fields.SpinEdit17 = makeColumn(from, 0, columnWidth, "SpinEdit17", "Map");
    const std::array<const char*, 4> cornerCaptions{"X1", "Y1", "X2", "Y2"};
    const std::array<const char*, 4> labelNames{"Label34", "Label36", "Label37", "Label38"};
    for (std::size_t i = 0; i < 4; ++i) {
        const int column = static_cast<int>(i) + 1;
        fields.corners[i] = makeColumn(from, column, columnWidth,
                                       QStringLiteral("SpinEdit%1").arg(13 + column - 1), cornerCaptions[i]);
        fields.cornerMapUnits[i] = MakeLabel(
            from, labelNames[i], QStringLiteral("0"),
            QRect(columnX(column, columnWidth), kSpinTop + kSpinHeight + 2, columnWidth, kCaptionHeight));
    }

    auto* to =
        MakeControl<QGroupBox>(fields.GroupBox17, "GroupBox19", "To", QRect(kMargin, 100, innerWidth, 60));
    fields.SpinEdit22 = makeColumn(to, 0, columnWidth, "SpinEdit22", "Map");
    const std::array<const char*, 3> destinationCaptions{"X", "Y", "Z"};
    for (std::size_t i = 0; i < 3; ++i) {
        const int column = static_cast<int>(i) + 1;
        fields.destination[i] =
            makeColumn(to, column, columnWidth, QStringLiteral("SpinEdit%1").arg(18 + column - 1),
                       destinationCaptions[i]);
    }

    auto* comment = MakeControl<QGroupBox>(fields.GroupBox17, "GroupBox20", "Comment",
                                           QRect(kMargin, 162, innerWidth, 42));
    fields.Edit3 = new QLineEdit(comment);
    fields.Edit3->setObjectName("Edit3");
    fields.Edit3->setGeometry(kMargin + 2, 18, innerWidth - 2 * (kMargin + 2), 20);
    return fields;
}

void PortalFields::showMapUnits(std::size_t index) const {
    cornerMapUnits.at(index)->setText(QString::number(WorldToMap(SpinValue(corners.at(index)))));
}

void PortalFields::showAllMapUnits() const {
    for (std::size_t i = 0; i < corners.size(); ++i) {
        showMapUnits(i);
    }
}

void PortalFields::onCornerChanged(const std::array<std::function<void()>, 4>& handlers) const {
    for (std::size_t i = 0; i < corners.size(); ++i) {
        QSpinBox* spin = corners[i];
        const std::function<void()> changed = handlers[i];
        QObject::connect(spin, &QSpinBox::valueChanged, spin, changed);
        // Text that is no number yet (empty, a lone sign) changes no value
        // but still counts as 0.
        if (auto* edit = spin->findChild<QLineEdit*>()) {
            QObject::connect(edit, &QLineEdit::textChanged, spin, changed);
        }
    }
}
