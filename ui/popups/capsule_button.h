// A button drawn like the pop-ups' "Sortir." face: its caption in bold on a capsule with a dark
// outline, lighter while the pointer is over it, dark with light text while it is held down.
#pragma once

#include "ui/chrome/buttons.h"

class CapsuleButton : public chrome::PaintedButton {
    Q_OBJECT
public:
    CapsuleButton(const QString& text, QWidget* parent);

    // Whether it shows itself under the pointer; its window says when the pointer has gone.
    void setLit(bool lit);
    bool isLit() const { return lit_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressChanged(bool pressed) override;

private:
    bool lit_ = false;
    bool held_ = false;
};
