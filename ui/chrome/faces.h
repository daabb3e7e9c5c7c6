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

// A face for a window of the given device-pixel ratio, at the layout scale: at 100 % the picture
// `:/faces/<name>.png` of the program's resources, at 200 % the one drawn at twice the size
// (`<name>@2x.png`), at any other scale the face drawn for it, so that it stays as sharp as the
// text beside it.
QPixmap LoadFace(const QString& name, qreal devicePixelRatio);

// A button's faces `<button>_normal`, `_hover` and `_pressed`.
FaceSet LoadFaces(const char* button, qreal devicePixelRatio);

// A PNG picture from the program's resources, read as PNG without trying every image plug-in.
QImage ReadPng(const QString& path);

}  // namespace chrome
