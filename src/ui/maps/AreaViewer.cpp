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
#include <QCoreApplication>
#include <QElapsedTimer>
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
constexpr qint64 kFrameMs = 16;

// Keeps a far-off rectangle within what a widget's geometry can hold.
int ToPixels(std::int64_t value) {
    constexpr std::int64_t limit = 1 << 24;
    return static_cast<int>(std::clamp<std::int64_t>(value, -limit, limit));
}
} // namespace

AreaViewer::AreaViewer(Shell& shell, Workspace& workspace, const MapImageStore& mapImages)
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

    Image1 = new PictureBox(canvas_);
    Image1->setObjectName("Image1");
    Image1->move(0, 0);

    Shape1 = new MarkerShape(canvas_);
    Shape1->setObjectName("Shape1");
    Shape1->setKind(MarkerShape::Kind::Rectangle);
    Shape1->setFillStyle(Qt::DiagCrossPattern);
    // White drawn in XOR mode inverts the picture, so band and hatch show on any picture.
    Shape1->setFillColor(Qt::white);
    Shape1->setPenWidth(2);
    Shape1->setPenMode(MarkerShape::PenMode::Xor);
    Shape1->setPenColor(Qt::white);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->hide();

    Label1 = new QLabel(QStringLiteral("aaa"), this);
    Label1->setObjectName("Label1");
    Label1->setAutoFillBackground(true);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    palette.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(palette);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->hide();

    connect(Image1, &PictureBox::pointerMoved, this, Guarded(shell_, this, &AreaViewer::onPictureMove));
    connect(Image1, &PictureBox::pressed, this, Guarded(shell_, [this](const QPoint& pixel) {
                if (armed_) {
                    Image1MouseDown(pixel);
                }
            }));
    connect(Image1, &PictureBox::released, this, Guarded(shell_, [this](const QPoint& pixel) {
                if (armed_) {
                    Image1MouseUp(pixel);
                }
            }));
}

void AreaViewer::LoadPicture(const QString& path) {
    const QImage image = MapImageStore::LoadBitmap(path);
    Image1->setPixmap(QPixmap::fromImage(image));
    Image1->resize(image.size());
    fitCanvas();
}

void AreaViewer::fitCanvas() {
    // The scrolled area covers the picture and every shown marker, also one
    // that lies beyond the picture's edge.
    QRect covered(0, 0, std::max(Image1->width(), 1), std::max(Image1->height(), 1));
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
        connect(shape, &MarkerShape::pointerMoved, this, Guarded(shell_, this, &AreaViewer::ShapeMouseMove));
    }
    return shape;
}

std::int32_t AreaViewer::loadPictureOfMap(const std::string& mapText) {
    const std::int32_t map = StrToInt(mapText);
    LoadPicture(mapImages_.MapPicturePath(mapText));
    return map;
}

PicturePlace AreaViewer::picturePlace() const {
    return {Image1->y(), Image1->x(), Image1->height()};
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

void AreaViewer::ShowSelectedAreas(const std::vector<std::string>& selectedAreas) {
    show();
    raise();
    SpawnTable& spawns = workspace_.spawns;
    const auto firstOfArea = FirstRecordOfEachArea(spawns);
    // The canvas is fitted to all the markers once when the loop ends, also
    // when a failure ends it.
    struct FitWhenDone {
        AreaViewer& viewer;
        bool markerPlaced = false;
        ~FitWhenDone() {
            if (markerPlaced) {
                viewer.fitCanvas();
            }
        }
    } fit{*this};
    QElapsedTimer sincePaint;
    sincePaint.start();
    std::optional<std::int32_t> currentMap;
    for (const std::string& area : selectedAreas) {
        if (const auto found = firstOfArea.find(area); found != firstOfArea.end()) {
            SpawnRecord& record = spawns[found->second];
            if (!currentMap) {
                currentMap = loadPictureOfMap(record[kMap]);
            }
            if (record[kMap] == IntToStr(*currentMap)) {
                if (const std::optional<Marker> shape = SpawnMarker(record, *currentMap, picturePlace())) {
                    placeMarker(markerNamed(kMarkerPrefix + ToQ(area, workspace_.spawnText)), *shape);
                    fit.markerPlaced = true;
                    record[kMarkerShown] = "1";
                }
            }
        }
        // Repainted as the markers appear, at most once a frame, without user input.
        if (sincePaint.elapsed() >= kFrameMs) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sincePaint.restart();
        }
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void AreaViewer::setStatusText(int px, int py) {
    setWindowTitle(ToQ(CoordinatesTitle(px, py)));
}

void AreaViewer::onPictureMove(const QPoint& pixel) {
    if (armed_) {
        Image2MouseMove(pixel);
    } else {
        Image1MouseMove(pixel);
    }
}

void AreaViewer::resetMarkerFills() {
    for (MarkerShape* shape : std::as_const(markers_)) {
        shape->setFillColor(kWhite);
    }
}

void AreaViewer::Image1MouseMove(const QPoint& pixel) {
    Label1->hide();
    setStatusText(pixel.x(), pixel.y());
    // Back on the picture after a hover: the hovered marker returns to its normal fill.
    if (hoverActive_) {
        hoverActive_ = false;
        lastHoveredMarker_ = nullptr;
        resetMarkerFills();
    }
}

void AreaViewer::ShapeMouseMove(MarkerShape* shape, const QPoint& position, const QPoint& globalPosition) {
    setStatusText(shape->x() + position.x() - Image1->x(), shape->y() + position.y() - Image1->y());
    if (lastHoveredMarker_ != nullptr && lastHoveredMarker_ != shape) {
        lastHoveredMarker_->setFillColor(kWhite);
    }
    Info(shape->objectName(), globalPosition);
    hoverActive_ = true;
    lastHoveredMarker_ = shape;
}

void AreaViewer::Info(const QString& markerName, const QPoint& globalPosition) {
    const std::string area = AreaOfMarkerName(FromQ(markerName, workspace_.spawnText));
    std::string name;
    const SpawnTable& spawns = workspace_.spawns;
    if (const std::optional<std::size_t> found = spawns.FindArea(area)) {
        if (const std::optional<std::int32_t> index = TryStrToInt(spawns[*found][kIndex])) {
            name = workspace_.monsterNames.MonsterNameFor(*index);
        }
    }
    if (MarkerShape* shape = markers_.value(markerName)) {
        shape->setFillColor(kLime);
    }
    // Placed from the window's outer corner, so the label stands just below the pointer.
    const QPoint corner = frameGeometry().topLeft();
    Label1->setText(ToQ(name, workspace_.monsterNameText) + QStringLiteral("  area: ") +
                    ToQ(area, workspace_.spawnText));
    Label1->adjustSize();
    Label1->move(globalPosition.x() - corner.x(), globalPosition.y() - corner.y());
    Label1->show();
    Label1->raise();
}

void AreaViewer::ArmSelection() {
    armed_ = true;
    band_ = QRect(0, 0, 1, 1);
    applyBandGeometry();
    Shape1->show();
    Shape1->raise();
    show();
    raise();
}

void AreaViewer::DisarmSelection() {
    armed_ = false;
    selecting_ = false;
    Shape1->hide();
}

void AreaViewer::applyBandGeometry() {
    // A band dragged up or to the left has a negative size and shows nothing.
    const int width = std::max(band_.width(), 0);
    const int height = std::max(band_.height(), 0);
    Shape1->setGeometry(Image1->x() + band_.x(), Image1->y() + band_.y(), width, height);
}

void AreaViewer::sizeBandTo(const QPoint& pixel) {
    band_.setWidth(pixel.x() - band_.x());
    band_.setHeight(pixel.y() - band_.y());
    applyBandGeometry();
}

void AreaViewer::Image1MouseDown(const QPoint& pixel) {
    selecting_ = true;
    const WorldPoint world = PictureToWorld(pixel.x(), pixel.y());
    emit selectionStarted(static_cast<int>(world.x), static_cast<int>(world.y));
    band_.moveTopLeft(pixel);
    applyBandGeometry();
}

void AreaViewer::Image2MouseMove(const QPoint& pixel) {
    setStatusText(pixel.x(), pixel.y());
    if (selecting_) {
        sizeBandTo(pixel);
    }
}

void AreaViewer::Image1MouseUp(const QPoint& pixel) {
    selecting_ = false;
    sizeBandTo(pixel);
    const WorldPoint world = PictureToWorld(pixel.x(), pixel.y());
    emit selectionEnded(static_cast<int>(world.x), static_cast<int>(world.y));
}

void AreaViewer::FormClose() {
    // Every marker is hidden, also those left from an earlier load; each is shown again by "Show area".
    for (MarkerShape* shape : std::as_const(markers_)) {
        shape->hide();
    }
    Label1->hide();
    hoverActive_ = false;
    lastHoveredMarker_ = nullptr;
}

void AreaViewer::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
