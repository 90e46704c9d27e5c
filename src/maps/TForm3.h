#pragma once

#include <QHash>
#include <QWidget>

#include <string>
#include <vector>

class MarkerShape;
class PictureBox;
class QLabel;
class QScrollArea;
class TForm1;

// The area viewer: one map picture at a time with the spawn markers drawn on
// it, the world coordinates under the pointer in the title, the monster of a
// hovered marker, and the selection of a new spawn's rectangle on the minimap.
class TForm3 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm3(TForm1& form);

    // Replaces the picture; a missing or broken file throws and keeps the old one.
    void LoadPicture(const QString& path);

    // Shows the viewer and draws a marker for every selected area lying on the
    // first selected area's map, loading that map's picture.
    void ShowSelectedAreas(const std::vector<std::string>& selectedAreas);

    // The selection of the add-spawn dialog's rectangle on the picture.
    void ArmSelection();
    void DisarmSelection();
    bool selectionArmed() const { return armed_; }

    void FormClose();
    void Info(const QString& markerName, const QPoint& globalPosition);

    // The marker named "area" + area text, if one was made.
    MarkerShape* marker(const QString& areaText) const;
    PictureBox* picture() const { return Image1; }
    QWidget* canvas() const { return canvas_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void fitCanvas();
    void Image1MouseMove(const QPoint& pixel);
    void ShapeMouseMove(MarkerShape* shape, const QPoint& position, const QPoint& globalPosition);
    void Image1MouseDown(const QPoint& pixel);
    void Image2MouseMove(const QPoint& pixel);
    void Image1MouseUp(const QPoint& pixel);

    void onPictureMove(const QPoint& pixel);
    void setStatusText(int px, int py);
    MarkerShape* markerFor(const QString& name, QHash<QString, MarkerShape*>& markers);
    void resetMarkerFills();
    void sizeBandTo(const QPoint& pixel);
    void applyBandGeometry();

    TForm1& form_;
    QScrollArea* scroll_ = nullptr;
    QWidget* canvas_ = nullptr;
    PictureBox* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    MarkerShape* Shape1 = nullptr;
    QRect band_;

    bool armed_ = false;
    bool selecting_ = false;
    bool hoverActive_ = false;
    MarkerShape* lastHoveredMarker_ = nullptr;
};
