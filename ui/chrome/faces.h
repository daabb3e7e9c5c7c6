// The pictures of the image buttons, and an image control with its store of three faces.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

#include <array>

enum Face { Normal = 0, Hover = 1, Pressed = 2 };

namespace chrome {

// A face from the program's resources, `:/faces/<name>.png`. On a screen scaled above 100 % it is
// the picture drawn at twice the size, so that it stays as sharp as the text beside it.
QPixmap LoadFace(const QString& name, qreal devicePixelRatio);

// A PNG picture from the program's resources, read as PNG without trying every image plug-in.
QImage ReadPng(const QString& path);

// The three faces `<store>_0`, `_1` and `_2`.
std::array<QPixmap, 3> LoadFaceStore(const char* store, qreal devicePixelRatio);

}  // namespace chrome

// An image control with its store of three faces: 0 normal, 1 hover, 2 pressed.
class ImageButton {
public:
    ImageButton() = default;
    ImageButton(QLabel* control, std::array<QPixmap, 3> store) : control_(control), store_(std::move(store))
    {
        control_->setPixmap(store_[Normal]);
    }

    // Showing the face already shown changes nothing and repaints nothing.
    void show(Face face)
    {
        if (face == shown_)
            return;
        shown_ = face;
        control_->setPixmap(store_[face]);
    }

    QLabel* control() const { return control_; }

private:
    QLabel* control_ = nullptr;
    std::array<QPixmap, 3> store_;
    Face shown_ = Normal;
};
