#include "common/JpegPicture.h"

#include "maps/JpegDecoder.h"
#include "records/Errors.h"

#include <QFile>

QImage LoadJpegPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw InOutError("File not found");
    }
    const QByteArray bytes = file.readAll();
    const RgbImage rgb =
        DecodeJpeg(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QImage image(rgb.pixels.data(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888);
    return image.copy();
}
