// An image control with its store of three faces: 0 normal, 1 hover, 2 pressed.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <array>

enum Face { Normal = 0, Hover = 1, Pressed = 2 };

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

    Face shown() const { return shown_; }
    QLabel* control() const { return control_; }
    const QPixmap& face(Face face) const { return store_[face]; }

private:
    QLabel* control_ = nullptr;
    std::array<QPixmap, 3> store_;
    Face shown_ = Normal;
};
