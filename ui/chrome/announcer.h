// Short messages told to screen readers without moving the keyboard focus: what a learner who sees
// the window takes in at a glance, such as a form picked up or placed. A notification whose name
// is the message appears anew for each one, and screen readers speak a notification as it
// appears; it is one pixel, paints nothing and lets the pointer through, so no one sees it.
#pragma once

#include <QWidget>

namespace chrome {

class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window);

    void announce(const QString& message);
};

}  // namespace chrome
