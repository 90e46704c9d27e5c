#include "portals/PortalFields.h"

#include "common/ControlBuilders.h"
#include "common/GuardedHandler.h"
#include "common/SpinEdit.h"
#include "common/TextCodec.h"
#include "maps/WorldUnits.h"
#include "records/IntegerText.h"

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

// Runs `changed` whenever the spin field's text changes, typed or set: text
// that is no number yet (empty, a lone sign) changes no value but still counts.
void onTextChanged(QSpinBox* spin, const std::function<void()>& changed) {
    QObject::connect(spin, &QSpinBox::valueChanged, spin, changed);
    if (auto* edit = spin->findChild<QLineEdit*>()) {
        QObject::connect(edit, &QLineEdit::textChanged, spin, changed);
    }
}
} // namespace

PortalFields PortalFields::Build(Shell& shell, QWidget* parent, const QRect& geometry) {
    PortalFields fields;
    const int width = geometry.width();
    const int innerWidth = width - 2 * kMargin;
    // Four equal columns follow the narrower "Map" column.
    const int columnWidth = (innerWidth - 2 * (kMargin + 2) - kMapColumnWidth - 4 * kGap) / 4;

    auto* portal = MakeControl<QGroupBox>(parent, "GroupBox17", "Portal", geometry);
    fields.on_ = new QCheckBox(QStringLiteral("ON"), portal);
    fields.on_->setObjectName("CheckBox12");
    const int checkWidth = fields.on_->sizeHint().width() + 4;
    fields.on_->setGeometry(width - kMargin - checkWidth, 0, checkWidth, kCaptionHeight + 2);
    fields.on_->setAutoFillBackground(true);

    auto* from = MakeControl<QGroupBox>(portal, "GroupBox18", "From", QRect(kMargin, 18, innerWidth, 80));
    fields.fromMap_ = makeColumn(from, 0, columnWidth, "SpinEdit17", "Map");
    const std::array<const char*, 4> cornerCaptions{"X1", "Y1", "X2", "Y2"};
    const std::array<const char*, 4> labelNames{"Label34", "Label36", "Label37", "Label38"};
    for (std::size_t i = 0; i < 4; ++i) {
        const int column = static_cast<int>(i) + 1;
        fields.corners_[i] = makeColumn(from, column, columnWidth,
                                        QStringLiteral("SpinEdit%1").arg(13 + column - 1), cornerCaptions[i]);
        fields.cornerMapUnits_[i] = MakeLabel(
            from, labelNames[i], QStringLiteral("0"),
            QRect(columnX(column, columnWidth), kSpinTop + kSpinHeight + 2, columnWidth, kCaptionHeight));
    }

    auto* to = MakeControl<QGroupBox>(portal, "GroupBox19", "To", QRect(kMargin, 100, innerWidth, 60));
    fields.toMap_ = makeColumn(to, 0, columnWidth, "SpinEdit22", "Map");
    const std::array<const char*, 3> destinationCaptions{"X", "Y", "Z"};
    for (std::size_t i = 0; i < 3; ++i) {
        const int column = static_cast<int>(i) + 1;
        fields.destination_[i] =
            makeColumn(to, column, columnWidth, QStringLiteral("SpinEdit%1").arg(18 + column - 1),
                       destinationCaptions[i]);
    }

    auto* comment =
        MakeControl<QGroupBox>(portal, "GroupBox20", "Comment", QRect(kMargin, 162, innerWidth, 42));
    fields.comment_ = new QLineEdit(comment);
    fields.comment_->setObjectName("Edit3");
    fields.comment_->setGeometry(kMargin + 2, 18, innerWidth - 2 * (kMargin + 2), 20);

    for (std::size_t i = 0; i < fields.corners_.size(); ++i) {
        onTextChanged(fields.corners_[i], Guarded(shell, [fields, i] { fields.showMapUnits(i); }));
    }
    return fields;
}

void PortalFields::showPortal(const PortalRecord& portal, TextEncoding encoding) const {
    on_->setChecked(portal[PortalField::Commented] == "0");
    for (std::size_t i = 0; i < corners_.size(); ++i) {
        corners_[i]->setValue(MapToWorld(portal[kPortalCorners[i]]));
        // An unchanged value emits nothing, yet the label may show the text
        // typed before.
        showMapUnits(i);
    }
    fromMap_->setValue(StrToInt(portal[PortalField::FromMap]));
    destination_[0]->setValue(StrToInt(portal[PortalField::ToX]));
    destination_[1]->setValue(StrToInt(portal[PortalField::ToY]));
    destination_[2]->setValue(StrToInt(portal[PortalField::ToZ]));
    toMap_->setValue(StrToInt(portal[PortalField::ToMap]));
    comment_->setText(ToQ(portal[PortalField::Comment], encoding));
}

NewPortal PortalFields::portal(TextEncoding encoding) const {
    NewPortal portal;
    portal.on = on_->isChecked();
    portal.fromMap = SpinValue(fromMap_);
    for (std::size_t i = 0; i < portal.corners.size(); ++i) {
        portal.corners[i] = SpinValue(corners_[i]);
    }
    portal.toMap = SpinValue(toMap_);
    for (std::size_t i = 0; i < portal.destination.size(); ++i) {
        portal.destination[i] = SpinValue(destination_[i]);
    }
    portal.comment = FromQ(comment_->text(), encoding);
    return portal;
}

void PortalFields::clear() const {
    on_->setChecked(false);
    for (QSpinBox* spin : corners_) {
        spin->setValue(0);
    }
    fromMap_->setValue(0);
    for (QSpinBox* spin : destination_) {
        spin->setValue(0);
    }
    toMap_->setValue(0);
    // A value that stays emits nothing, yet a label may show the text typed before.
    for (std::size_t i = 0; i < corners_.size(); ++i) {
        showMapUnits(i);
    }
    comment_->clear();
}

void PortalFields::showMapUnits(std::size_t corner) const {
    cornerMapUnits_.at(corner)->setText(QString::number(WorldToMap(SpinValue(corners_.at(corner)))));
}
