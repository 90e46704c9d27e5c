#pragma once

#include <QImage>
#include <QString>

// Where the map pictures lie and how they are read. The pictures stand
// beside the program file: the map pictures in its "map" folder, the world
// minimap in the folder itself.
class MapImageStore {
  public:
    // The program's folder, or the folder set with SetProgramFolder.
    static QString ProgramFolder();
    // Reads the pictures from another folder (an empty text goes back to the program's folder).
    static void SetProgramFolder(const QString& folder);

    // The picture of a map, by the map text as stored. A text that is not a
    // plain file name is refused like a missing picture (InOutError "File not found").
    static QString MapPicturePath(const std::string& mapText);
    static QString MinimapPath();

    // Reads a Windows bitmap; a missing, unreadable or broken file throws.
    static QImage LoadBitmap(const QString& path);
};
