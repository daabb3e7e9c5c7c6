#include "ui/chrome/window_frame.h"

#include "ui/chrome/layout_scale.h"
#include "ui/chrome/smooth_corners.h"
#include "ui/chrome/x11.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace chrome {

void MakeFrameless(QWidget* window, bool quitOnClose)
{
    // On X11 a tool window is not placed like an ordinary one by window managers that reparent
    // it, and Qt then misreports where it is: an ordinary window that asks to be left out of the
    // task bar looks the same and behaves as any other. Elsewhere a tool window has no task-bar
    // button.
    const bool x11 = x11::Active();
    window->setWindowFlags((x11 ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint);
    if (x11)
        x11::SetTaskBarEntry(window, false);
    KeepReachableWhenMinimised(window);
    if (CompositedDesktop())
        UseSmoothCorners(window);
    // Tool windows do not end the program when closed; say again what this window does.
    window->setAttribute(Qt::WA_QuitOnClose, quitOnClose);
}

namespace {

// Makes the window transient for its owner each time it is about to be shown, and so on every
// native window Qt makes for it.
class TransientFor : public QObject {
public:
    TransientFor(QWidget* window, QWidget* owner) : QObject(window), window_(window), owner_(owner)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const bool shownByProgram = event->type() == QEvent::Show && !event->spontaneous();
        if (shownByProgram && owner_ && window_->windowHandle())
            window_->windowHandle()->setTransientParent(owner_->windowHandle());
        return false;
    }

private:
    QWidget* window_;
    QPointer<QWidget> owner_;
};

}  // namespace

void KeepAbove(QWidget* window, QWidget* owner)
{
    // Qt's X11 platform tells the window manager whom a window belongs to only for dialogs and
    // the like; an ordinary window's owner goes unsaid.
    if (x11::Active()) {
        const bool quitOnClose = window->testAttribute(Qt::WA_QuitOnClose);
        window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_QuitOnClose, quitOnClose);
    }
    new TransientFor(window, owner);
}

void SetTaskBarEntry(QWidget* window, bool entry)
{
    if (x11::SetTaskBarEntry(window, entry))
        return;
    const Qt::WindowType type = entry ? Qt::Window : Qt::Tool;
    if ((window->windowFlags() & Qt::WindowType_Mask) == type)
        return;
    const bool quitOnClose = window->testAttribute(Qt::WA_QuitOnClose);
    const bool wasVisible = window->isVisible();
    window->setWindowFlags(type | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_QuitOnClose, quitOnClose);
    if (wasVisible)
        window->show();
}

namespace {

// Keeps a frameless window reachable while it is minimised, by its own box or by the window
// manager: it takes a task-bar entry as it goes and gives it up once it is back. Qt says when the
// state changes; on X11 it learns the state by reading a property that the window manager may
// already have changed back, so there the window showing again after it was hidden counts too.
class MinimisedEntry : public QObject {
public:
    static constexpr const char* kName = "minimisedEntry";

    static MinimisedEntry* of(QWidget* window)
    {
        auto* found = window->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly);
        return found ? static_cast<MinimisedEntry*>(found) : new MinimisedEntry(window);
    }

    // The window is about to be minimised, or has just been.
    void minimising()
    {
        if (!waiting_)
            SetTaskBarEntry(window_, true);
        waiting_ = true;
        hidden_ = false;
        watchNativeWindow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::WindowStateChange) {
            if (window_->windowState() & Qt::WindowMinimized) {
                if (!waiting_)
                    minimisedByTheWindowSystem();
            } else if (waiting_) {
                restored();
            }
        } else if (watched == handle_ && event->type() == QEvent::Expose && waiting_) {
            if (!handle_->isExposed())
                hidden_ = true;
            else if (hidden_)
                restored();
        }
        return false;
    }

private:
    explicit MinimisedEntry(QWidget* window) : QObject(window), window_(window)
    {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
    }

    void watchNativeWindow()
    {
        if (!x11::Active() || handle_ == window_->windowHandle())
            return;
        handle_ = window_->windowHandle();
        if (handle_)
            handle_->installEventFilter(this);
    }

    // Where the entry comes from a change of window type, the native window is made anew, and
    // shown again: not from inside its own change of state, and minimised once more.
    void minimisedByTheWindowSystem()
    {
        QWidget* window = window_;
        QMetaObject::invokeMethod(
            window,
            [window] {
                if (window->windowState() & Qt::WindowMinimized)
                    MinimiseWithTaskBarEntry(window);
            },
            Qt::QueuedConnection);
    }

    void restored()
    {
        waiting_ = false;
        // The window system may restore a window before Qt has read that it was minimised; Qt
        // then still holds it minimised, and a later minimise would change nothing.
        if (window_->windowState() & Qt::WindowMinimized)
            window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        // Where Qt saw the restore before the program did, its hints still say iconic.
        x11::SetInitialStateNormal(window_);
        QWidget* window = window_;
        QMetaObject::invokeMethod(
            window, [window] { SetTaskBarEntry(window, false); }, Qt::QueuedConnection);
    }

    QWidget* window_;
    QPointer<QWindow> handle_;
    bool waiting_ = false;
    bool hidden_ = false;
};

}  // namespace

void KeepReachableWhenMinimised(QWidget* window) { MinimisedEntry::of(window); }

void MinimiseWithTaskBarEntry(QWidget* window)
{
    MinimisedEntry::of(window)->minimising();
    window->setWindowState((window->windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
    window->show();
}

namespace {

// Where a span of `length` starts that is centred from `first` to `last`, or starts at `first`
// where it does not fit. Worked out in 64 bits: the geometry Qt reports under a broken scale can
// be anything an int holds.
int CentredStart(qint64 first, qint64 last, qint64 length)
{
    const qint64 start = first + (last - first + 1 - length) / 2;
    return int(std::clamp(start, first, std::max(first, last)));
}

}  // namespace

QPoint CentredPlacement(const QRect& available, const QSize& size)
{
    return {CentredStart(available.left(), available.right(), size.width()),
            CentredStart(available.top(), available.bottom(), size.height())};
}

void CentreOnScreen(QWidget* window)
{
    ScaleLayout(window);
    QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(CentredPlacement(screen->availableGeometry(), window->frameGeometry().size()));
}

}  // namespace chrome
