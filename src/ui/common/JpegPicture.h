#pragma once

#include <QImage>
#include <QString>

// Decodes a JPEG file (a resource path such as ":/pictures/world.jpg" or a
// file path) with libjpeg into a QImage.
QImage LoadJpegPicture(const QString& path);
