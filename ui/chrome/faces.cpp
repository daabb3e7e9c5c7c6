#include "ui/chrome/faces.h"

#include <QImageReader>

#include "ui/chrome/face_pictures.h"
#include "ui/chrome/layout_scale.h"

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
    // Screen pixels per pixel of the layout.
    const double ratio = devicePixelRatio * LayoutScale();
    QImage face;
    if (ratio == 1.0)
        face = ReadPng(QStringLiteral(":/faces/%1.png").arg(name));
    else if (ratio == 2.0)
        face = ReadPng(QStringLiteral(":/faces/%1@2x.png").arg(name));
    else
        face = DrawFace(name, ratio);
    face.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(face));
}

FaceSet LoadFaces(const char* button, qreal devicePixelRatio)
{
    const QString stem = QLatin1String(button);
    return {LoadFace(stem + QLatin1String("_normal"), devicePixelRatio),
            LoadFace(stem + QLatin1String("_hover"), devicePixelRatio),
            LoadFace(stem + QLatin1String("_pressed"), devicePixelRatio)};
}

}  // namespace chrome
