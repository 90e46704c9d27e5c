#pragma once

#include <QImage>
#include <QString>

#include <string>
#include <utility>

// Where the map pictures lie and how they are read. The pictures stand
// beside the program file: the map pictures in its "map" folder, the world
// minimap in the folder itself.
class MapImageStore {
  public:
    explicit MapImageStore(QString programFolder) : programFolder_(std::move(programFolder)) {}

    const QString& ProgramFolder() const { return programFolder_; }

    // The picture of a map, by the map text as stored. A text that is not a
    // plain file name is refused like a missing picture (InOutError naming
    // the path, "File not found").
    QString MapPicturePath(const std::string& mapText) const;
    QString MinimapPath() const;

    // Reads a Windows bitmap; a missing, unreadable or broken file throws,
    // naming the file.
    static QImage LoadBitmap(const QString& path);

  private:
    QString programFolder_;
};
