#include "faces.h"

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

std::array<QPixmap, 3> LoadFaceStore(const char* store, qreal devicePixelRatio)
{
    std::array<QPixmap, 3> faces;
    for (int i = 0; i < 3; ++i)
        faces[static_cast<std::size_t>(i)] =
            LoadFace(QStringLiteral("%1_%2").arg(QLatin1String(store)).arg(i), devicePixelRatio);
    return faces;
}

}  // namespace chrome
