// The windows' buttons: Qt buttons that draw themselves as the windows are designed, a picture or
// a caption on a coloured ground, instead of the style's look. Focus, Space, the click and the
// screen readers' push button and its press come from Qt.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "ui/chrome/faces.h"

namespace chrome {

// Keeps every mouse event to itself, so that none reaches the window behind it, reports each move
// of the pointer over it (and anywhere while it holds the pointer), and leaves the arrow keys to
// its window. Any button of the mouse presses it; only the left one clicks. It takes no keyboard
// focus until its window gives it a focus policy.
class PaintedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PaintedButton(QWidget* parent);

signals:
    // The pointer moved over the button, or anywhere while the button holds it.
    void pointerMoved(Qt::MouseButtons held);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // A press of any mouse button (true) and its release (false), before the click.
    virtual void mousePressChanged(bool pressed);
};

// A button that shows a picture: one of its three faces, or a picture of its own until it takes a
// face. A press shows the pressed face and a release the normal face, unless that is turned off.
// It draws the picture as a label would, at its top left and centred on its height.
class FaceButton : public PaintedButton {
    Q_OBJECT
public:
    FaceButton(FaceSet faces, QWidget* parent);

    // Showing the picture already shown repaints nothing.
    void showFace(Face face);
    void showPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    void setPressFaces(bool on) { pressFaces_ = on; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressChanged(bool pressed) override;

private:
    FaceSet faces_;
    QPixmap picture_;
    bool pressFaces_ = true;
};

// A button that shows its text as a label does, in the text colour on the background colour of
// its palette, centred at the top, optionally in a thin box. An ampersand marks an access key,
// which moves the focus to the button without pressing it.
class TextButton : public PaintedButton {
    Q_OBJECT
public:
    TextButton(const QString& text, QWidget* parent);

    void setBoxed(bool boxed);
    // Centres the text on a line `width` pixels wide from the left edge instead of on the button,
    // for a button cut off by its container before the edge it was designed with.
    void setCaptionWidth(int width);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool boxed_ = false;
    int captionWidth_ = 0;  // 0: the button's width
};

// A text button that opens a menu: screen readers read it as a menu button, expanded while its
// menu is open.
class MenuButton : public TextButton {
    Q_OBJECT
public:
    MenuButton(const QString& text, QWidget* parent);

    bool isExpanded() const { return expanded_; }
    void setExpanded(bool expanded);

signals:
    void expandedChanged(bool expanded);

private:
    bool expanded_ = false;
};

}  // namespace chrome
