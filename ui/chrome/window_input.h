// The pointer and key input of one top-level window as the window system hands it over, before
// any of its controls sees it: what only the whole window can tell (a press anywhere in it, the
// keyboard or the pointer in use), and a way to take no more input while the program ends.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;
class QWindow;

namespace chrome {

class WindowInput : public QObject {
    Q_OBJECT
public:
    // The input of `window`, watched from the first call on for as long as the window lives.
    static WindowInput* of(QWidget* window);

    // From now on the window takes no pointer or key input at all.
    void block() { blocked_ = true; }

signals:
    void pressed(QPoint inWindow);  // any button, anywhere in the window
    void pointerMoved(QPointF global);
    void keyPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowInput(QWidget* window);
    // The native window is made when the window is first shown, and made anew when its type changes.
    void watchNativeWindow();

    QWidget* window_;
    QPointer<QWindow> handle_;
    bool blocked_ = false;
};

}  // namespace chrome
