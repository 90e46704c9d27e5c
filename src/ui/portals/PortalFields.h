#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRect;
class QSpinBox;
class QWidget;

// The "Portal" group shared by the portal page and the add-portal dialog:
// the entry rectangle in world units with its map-unit labels, the
// destination, the "ON" check box and the comment.
struct PortalFields {
    QGroupBox* GroupBox17 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QSpinBox* SpinEdit17 = nullptr;          // from map
    std::array<QSpinBox*, 4> corners{};      // SpinEdit13 to SpinEdit16: x1, y1, x2, y2 in world units
    std::array<QLabel*, 4> cornerMapUnits{}; // Label34, Label36, Label37, Label38
    QSpinBox* SpinEdit22 = nullptr;          // to map
    std::array<QSpinBox*, 3> destination{};  // SpinEdit18 to SpinEdit20: x, y, z
    QLineEdit* Edit3 = nullptr;

    // Shows corner `index`'s value in map units under it.
    void showMapUnits(std::size_t index) const;
    void showAllMapUnits() const;
    // Runs the handler of a corner (X1, Y1, X2, Y2) whenever its text
    // changes, typed or set.
    void onCornerChanged(const std::array<std::function<void()>, 4>& handlers) const;
};

PortalFields BuildPortalFields(QWidget* parent, const QRect& geometry);
