#pragma once

#include "portals/NewPortal.h"
#include "portals/PortalTable.h"
#include "records/TextEncoding.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRect;
class QSpinBox;
class QWidget;
class Shell;

// The "Portal" group shared by the portal page and the add-portal dialog:
// the entry rectangle in world units, each corner with its map-unit value
// under it, the destination, the "ON" check box and the comment.
class PortalFields {
  public:
    // Builds the group on `parent` at `geometry`. The label under a corner
    // follows its text, typed or set; text that is no number yet counts as 0.
    static PortalFields Build(Shell& shell, QWidget* parent, const QRect& geometry);

    // Shows the portal's fields in the order of the group: "ON", the corners,
    // the from map, the destination, the to map, the comment. A value that is
    // not an integer stops there with ConvertError; the fields before it show
    // the portal, the rest what they showed before.
    void showPortal(const PortalRecord& portal, TextEncoding encoding) const;

    // The portal the fields hold. A comment the encoding cannot hold throws.
    NewPortal portal(TextEncoding encoding) const;

    // "ON" unticked, every number 0, the comment empty.
    void clear() const;

  private:
    void showMapUnits(std::size_t corner) const;

    QCheckBox* on_ = nullptr;
    QSpinBox* fromMap_ = nullptr;
    std::array<QSpinBox*, 4> corners_{};      // x1, y1, x2, y2 in world units
    std::array<QLabel*, 4> cornerMapUnits_{}; // under each corner
    QSpinBox* toMap_ = nullptr;
    std::array<QSpinBox*, 3> destination_{}; // x, y, z
    QLineEdit* comment_ = nullptr;
};
