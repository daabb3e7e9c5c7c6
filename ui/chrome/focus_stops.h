// Controls that take the keyboard focus, but only once someone needs them to: a Qt label that can
// take the focus lays its text out through a rich-text document, which costs start-up time and
// memory that a learner with the pointer never uses. The stops open at the first key pressed in
// the window, before that key is handled, or as soon as a screen reader or other assistive
// technology is active.
#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace chrome {

class FocusStops : public QObject, private QAccessible::ActivationObserver {
public:
    FocusStops(QWidget* window, const QList<QWidget*>& stops);
    ~FocusStops() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    void openStops();

    QWidget* window_;
    QList<QPointer<QWidget>> stops_;
    bool open_ = false;
};

}  // namespace chrome
