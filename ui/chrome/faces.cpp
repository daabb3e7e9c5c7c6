#include "ui/chrome/faces.h"

#include <QImageReader>

namespace chrome {

QImage ReadPng(const QString& path)
{
    // Named as PNG, so that Qt does not load every image plug-in to find out what it is.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap LoadFace(const QString& name, qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/faces/%1.png").arg(name);
    if (devicePixelRatio > 1.0) {
        QImage sharp = ReadPng(QStringLiteral(":/faces/%1@2x.png").arg(name));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return QPixmap::fromImage(std::move(sharp));
        }
    }
    return QPixmap::fromImage(ReadPng(path));
}

FaceSet LoadFaces(const char* button, qreal devicePixelRatio)
{
    const QString stem = QLatin1String(button);
    return {LoadFace(stem + QLatin1String("_normal"), devicePixelRatio),
            LoadFace(stem + QLatin1String("_hover"), devicePixelRatio),
            LoadFace(stem + QLatin1String("_pressed"), devicePixelRatio)};
}

}  // namespace chrome
