#include "maps/AreaViewer.h"

#include "common/GuardedHandler.h"
#include "common/TextCodec.h"
#include "maps/MapImageStore.h"
#include "maps/MarkerShape.h"
#include "maps/PictureBox.h"
#include "records/IntegerText.h"
#include "spawns/SpawnMarkers.h"
#include "workspace/Workspace.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {
const QColor kNavy(0, 0, 128);
const QColor kLime(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QString kMarkerPrefix = QStringLiteral("area");

// Keeps a far-off rectangle within what a widget's geometry can hold.
int ToPixels(std::int64_t value) {
    constexpr std::int64_t limit = 1 << 24;
    return static_cast<int>(std::clamp<std::int64_t>(value, -limit, limit));
}
} // namespace

AreaViewer::AreaViewer(Shell& shell, const Workspace& workspace, const MapImageStore& mapImages)
    : QWidget(nullptr, Qt::Tool), shell_(shell), workspace_(workspace), mapImages_(mapImages) {
    setObjectName("Form3");
    setWindowTitle("Form3");
    resize(256, 159);
    move(688, 231);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("ViewerScroll");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    layout->addWidget(scroll_);

    canvas_ = new QWidget;
    canvas_->setObjectName("ViewerCanvas");
    canvas_->resize(1, 1);
    scroll_->setWidget(canvas_);

    picture_ = new PictureBox(canvas_);
    picture_->setObjectName("Image1");
    picture_->move(0, 0);

    selectionBand_ = new MarkerShape(canvas_);
    selectionBand_->setObjectName("Shape1");
    selectionBand_->setKind(MarkerShape::Kind::Rectangle);
    selectionBand_->setFillStyle(Qt::DiagCrossPattern);
    // White drawn in XOR mode inverts the picture, so band and hatch show on any picture.
    selectionBand_->setFillColor(Qt::white);
    selectionBand_->setPenWidth(2);
    selectionBand_->setPenMode(MarkerShape::PenMode::Xor);
    selectionBand_->setPenColor(Qt::white);
    selectionBand_->setAttribute(Qt::WA_TransparentForMouseEvents);
    selectionBand_->hide();

    markerInfo_ = new QLabel(QStringLiteral("aaa"), this);
    markerInfo_->setObjectName("Label1");
    markerInfo_->setAutoFillBackground(true);
    QPalette palette = markerInfo_->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    palette.setColor(QPalette::WindowText, Qt::black);
    markerInfo_->setPalette(palette);
    markerInfo_->setAttribute(Qt::WA_TransparentForMouseEvents);
    markerInfo_->hide();

    connect(picture_, &PictureBox::pointerMoved, this, Guarded(shell_, this, &AreaViewer::trackPointer));
    connect(picture_, &PictureBox::pressed, this, Guarded(shell_, this, &AreaViewer::startSelection));
    connect(picture_, &PictureBox::released, this, Guarded(shell_, this, &AreaViewer::endSelection));
}

void AreaViewer::loadPicture(const QString& path) {
    const QImage image = MapImageStore::LoadBitmap(path);
    picture_->setPixmap(QPixmap::fromImage(image));
    picture_->resize(image.size());
    fitCanvas();
}

void AreaViewer::showMinimap() {
    loadPicture(mapImages_.MinimapPath());
}

void AreaViewer::fitCanvas() {
    // The scrolled area covers the picture and every shown marker, also one
    // that lies beyond the picture's edge.
    QRect covered(0, 0, std::max(picture_->width(), 1), std::max(picture_->height(), 1));
    for (MarkerShape* shape : std::as_const(markers_)) {
        if (!shape->isHidden()) {
            covered = covered.united(shape->geometry());
        }
    }
    canvas_->resize(covered.right() + 1, covered.bottom() + 1);
}

MarkerShape* AreaViewer::marker(const QString& areaText) const {
    return markers_.value(kMarkerPrefix + areaText);
}

MarkerShape* AreaViewer::markerNamed(const QString& name) {
    MarkerShape*& shape = markers_[name];
    if (shape == nullptr) {
        shape = new MarkerShape(canvas_);
        shape->setObjectName(name);
        shape->setPenColor(kNavy);
        shape->setFillColor(kWhite);
        connect(shape, &MarkerShape::pointerMoved, this, Guarded(shell_, this, &AreaViewer::hoverMarker));
    }
    return shape;
}

std::int32_t AreaViewer::loadPictureOfMap(const std::string& mapText) {
    const std::int32_t map = StrToInt(mapText);
    loadPicture(mapImages_.MapPicturePath(mapText));
    return map;
}

PicturePlace AreaViewer::picturePlace() const {
    return {picture_->y(), picture_->x(), picture_->height()};
}

void AreaViewer::placeMarker(MarkerShape* widget, const Marker& shape) {
    widget->setGeometry(ToPixels(shape.rect.left), ToPixels(shape.rect.top), ToPixels(shape.rect.width),
                        ToPixels(shape.rect.height));
    const bool circle = shape.kind == MarkerKind::Circle;
    widget->setKind(circle ? MarkerShape::Kind::Circle : MarkerShape::Kind::Rectangle);
    widget->setPenMode(circle ? MarkerShape::PenMode::NotXor : MarkerShape::PenMode::Xor);
    widget->show();
    // The canvas grows to take in each marker as it appears.
    const QRect covered = canvas_->rect().united(widget->geometry());
    canvas_->resize(covered.right() + 1, covered.bottom() + 1);
}

void AreaViewer::showSelectedAreas(const std::vector<std::string>& selectedAreas) {
    show();
    raise();
    const SpawnTable& spawns = workspace_.spawns;
    const auto firstOfArea = FirstRecordOfEachArea(spawns);
    // The canvas is fitted to all the markers once when the loop ends, also
    // when a failure ends it, and scrolled to bring the first into sight: the
    // markers of a large map lie far from its top-left corner.
    struct FitWhenDone {
        AreaViewer& viewer;
        MarkerShape* first = nullptr;
        ~FitWhenDone() {
            if (first != nullptr) {
                viewer.fitCanvas();
                viewer.scroll_->ensureWidgetVisible(first);
            }
        }
    } fit{*this};
    std::optional<std::int32_t> currentMap;
    for (const std::string& area : selectedAreas) {
        const auto found = firstOfArea.find(area);
        if (found == firstOfArea.end()) {
            continue;
        }
        const SpawnRecord& record = spawns[found->second];
        if (!currentMap) {
            currentMap = loadPictureOfMap(record[SpawnField::Map]);
        }
        if (record[SpawnField::Map] == IntToStr(*currentMap)) {
            if (const std::optional<Marker> shape = SpawnMarker(record, *currentMap, picturePlace())) {
                MarkerShape* marker = markerNamed(kMarkerPrefix + ToQ(area, workspace_.spawnText));
                placeMarker(marker, *shape);
                if (fit.first == nullptr) {
                    fit.first = marker;
                }
            }
        }
    }
}

void AreaViewer::setStatusText(int px, int py) {
    setWindowTitle(ToQ(CoordinatesTitle(px, py)));
}

void AreaViewer::trackPointer(const QPoint& pixel) {
    if (armed_) {
        dragSelection(pixel);
    } else {
        showPointerOnPicture(pixel);
    }
}

void AreaViewer::resetMarkerFills() {
    for (MarkerShape* shape : std::as_const(markers_)) {
        shape->setFillColor(kWhite);
    }
}

void AreaViewer::showPointerOnPicture(const QPoint& pixel) {
    markerInfo_->hide();
    setStatusText(pixel.x(), pixel.y());
    // Back on the picture after a hover: the hovered marker returns to its normal fill.
    if (hoverActive_) {
        hoverActive_ = false;
        lastHoveredMarker_ = nullptr;
        resetMarkerFills();
    }
}

void AreaViewer::hoverMarker(MarkerShape* shape, const QPoint& position, const QPoint& globalPosition) {
    setStatusText(shape->x() + position.x() - picture_->x(), shape->y() + position.y() - picture_->y());
    if (lastHoveredMarker_ != nullptr && lastHoveredMarker_ != shape) {
        lastHoveredMarker_->setFillColor(kWhite);
    }
    showMarkerInfo(shape->objectName(), globalPosition);
    hoverActive_ = true;
    lastHoveredMarker_ = shape;
}

void AreaViewer::showMarkerInfo(const QString& markerName, const QPoint& globalPosition) {
    const std::string area = AreaOfMarkerName(FromQ(markerName, workspace_.spawnText));
    std::string name;
    const SpawnTable& spawns = workspace_.spawns;
    if (const std::optional<std::size_t> found = spawns.FindArea(area)) {
        if (const std::optional<std::int32_t> index = TryStrToInt(spawns[*found][SpawnField::Index])) {
            name = workspace_.monsterNames.MonsterNameFor(*index);
        }
    }
    if (MarkerShape* shape = markers_.value(markerName)) {
        shape->setFillColor(kLime);
    }
    // Placed from the window's outer corner, so the label stands just below the pointer.
    const QPoint corner = frameGeometry().topLeft();
    markerInfo_->setText(ToQ(name, workspace_.monsterNameText) + QStringLiteral("  area: ") +
                         ToQ(area, workspace_.spawnText));
    markerInfo_->adjustSize();
    markerInfo_->move(globalPosition.x() - corner.x(), globalPosition.y() - corner.y());
    markerInfo_->show();
    markerInfo_->raise();
}

void AreaViewer::armSelection() {
    armed_ = true;
    band_ = QRect(0, 0, 1, 1);
    applyBandGeometry();
    selectionBand_->show();
    selectionBand_->raise();
    show();
    raise();
}

void AreaViewer::disarmSelection() {
    armed_ = false;
    selecting_ = false;
    selectionBand_->hide();
}

void AreaViewer::applyBandGeometry() {
    // A band dragged up or to the left has a negative size and shows nothing.
    const int width = std::max(band_.width(), 0);
    const int height = std::max(band_.height(), 0);
    selectionBand_->setGeometry(picture_->x() + band_.x(), picture_->y() + band_.y(), width, height);
}

void AreaViewer::sizeBandTo(const QPoint& pixel) {
    band_.setWidth(pixel.x() - band_.x());
    band_.setHeight(pixel.y() - band_.y());
    applyBandGeometry();
}

void AreaViewer::startSelection(const QPoint& pixel) {
    if (!armed_) {
        return;
    }
    selecting_ = true;
    const WorldPoint world = PictureToWorld(pixel.x(), pixel.y());
    emit selectionStarted(static_cast<int>(world.x), static_cast<int>(world.y));
    band_.moveTopLeft(pixel);
    applyBandGeometry();
}

void AreaViewer::dragSelection(const QPoint& pixel) {
    setStatusText(pixel.x(), pixel.y());
    if (selecting_) {
        sizeBandTo(pixel);
    }
}

void AreaViewer::endSelection(const QPoint& pixel) {
    if (!armed_) {
        return;
    }
    selecting_ = false;
    sizeBandTo(pixel);
    const WorldPoint world = PictureToWorld(pixel.x(), pixel.y());
    emit selectionEnded(static_cast<int>(world.x), static_cast<int>(world.y));
}

void AreaViewer::hideMarkers() {
    // Every marker is hidden, also those left from an earlier load; each is shown again by "Show area".
    for (MarkerShape* shape : std::as_const(markers_)) {
        shape->hide();
    }
    markerInfo_->hide();
    hoverActive_ = false;
    lastHoveredMarker_ = nullptr;
}

void AreaViewer::closeEvent(QCloseEvent* event) {
    hideMarkers();
    event->accept();
}
