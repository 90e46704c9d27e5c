#include "common/ChangeNames.h"

#include <QAbstractButton>
#include <QGroupBox>

namespace {
QString ownCaption(const QWidget* control) {
    if (!control->accessibleName().isEmpty()) {
        return control->accessibleName();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        return group->title();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control->parentWidget())) {
        return group->title();
    }
    return {};
}
} // namespace

QString CaptionOf(const QWidget* control) {
    QString caption = control != nullptr ? ownCaption(control).trimmed() : QString();
    if (caption.endsWith(':')) {
        caption.chop(1);
    }
    return caption;
}

QString FieldEditName(const QWidget* control, const QString& record) {
    return CaptionOf(control) + QStringLiteral(" of ") + record;
}
