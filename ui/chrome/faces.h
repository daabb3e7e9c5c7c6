// The pictures of the image buttons, from the program's resources.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <array>

namespace chrome {

enum class Face { Normal = 0, Hover = 1, Pressed = 2 };

// A button's three faces, indexed by Face.
using FaceSet = std::array<QPixmap, 3>;

// A face from the program's resources, `:/faces/<name>.png`. On a screen scaled above 100 % it is
// the picture drawn at twice the size, so that it stays as sharp as the text beside it.
QPixmap LoadFace(const QString& name, qreal devicePixelRatio);

// A button's faces `<button>_normal`, `_hover` and `_pressed`.
FaceSet LoadFaces(const char* button, qreal devicePixelRatio);

// A PNG picture from the program's resources, read as PNG without trying every image plug-in.
QImage ReadPng(const QString& path);

}  // namespace chrome
