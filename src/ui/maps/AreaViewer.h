#pragma once

#include "maps/MapGeometry.h"

#include <QHash>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class MapImageStore;
class MarkerShape;
class PictureBox;
class QLabel;
class QScrollArea;
class Shell;
struct Workspace;

// The area viewer: one map picture at a time with the spawn markers drawn on
// it, the world coordinates under the pointer in the title, the monster of a
// hovered marker, and the selection of a new spawn's rectangle on the minimap.
class AreaViewer : public QWidget {
    Q_OBJECT

  public:
    AreaViewer(Shell& shell, const Workspace& workspace, const MapImageStore& mapImages);

    // Replaces the picture; a missing or broken file throws and keeps the old one.
    void loadPicture(const QString& path);
    // The world minimap in place of the picture, for a selection on map 0.
    void showMinimap();

    // Shows the viewer and draws a marker for every selected area lying on the
    // first selected area's map, loading that map's picture.
    void showSelectedAreas(const std::vector<std::string>& selectedAreas);

    // The selection of the add-spawn dialog's rectangle on the picture.
    void armSelection();
    void disarmSelection();
    bool selectionArmed() const { return armed_; }

    // The marker named "area" + area text, if one was made.
    MarkerShape* marker(const QString& areaText) const;
    PictureBox* picture() const { return picture_; }
    QWidget* canvas() const { return canvas_; }

  signals:
    // A drag on the armed picture, in world units: the press gives X1 and Y2, the release X2 and Y1.
    void selectionStarted(int x1, int y2);
    void selectionEnded(int x2, int y1);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::int32_t loadPictureOfMap(const std::string& mapText);
    PicturePlace picturePlace() const;
    MarkerShape* markerNamed(const QString& name);
    void placeMarker(MarkerShape* widget, const Marker& shape);
    void fitCanvas();

    void trackPointer(const QPoint& pixel);
    void showPointerOnPicture(const QPoint& pixel);
    void hoverMarker(MarkerShape* shape, const QPoint& position, const QPoint& globalPosition);
    void showMarkerInfo(const QString& markerName, const QPoint& globalPosition);
    void startSelection(const QPoint& pixel);
    void dragSelection(const QPoint& pixel);
    void endSelection(const QPoint& pixel);
    // Every marker and the marker information hidden, as when the viewer closes.
    void hideMarkers();

    void setStatusText(int px, int py);
    void resetMarkerFills();
    void sizeBandTo(const QPoint& pixel);
    void applyBandGeometry();

    Shell& shell_;
    const Workspace& workspace_;
    const MapImageStore& mapImages_;
    QScrollArea* scroll_ = nullptr;
    QWidget* canvas_ = nullptr;
    PictureBox* picture_ = nullptr;
    QLabel* markerInfo_ = nullptr; // the monster and area of the hovered marker
    MarkerShape* selectionBand_ = nullptr;
    // Every marker made, by its name; a marker is never destroyed, only hidden.
    QHash<QString, MarkerShape*> markers_;
    QRect band_;

    bool armed_ = false;
    bool selecting_ = false;
    bool hoverActive_ = false;
    MarkerShape* lastHoveredMarker_ = nullptr;
};
