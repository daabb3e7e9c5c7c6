#include "ui/chrome/buttons.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace chrome {

PaintedButton::PaintedButton(QWidget* parent) : QAbstractButton(parent)
{
    // Coloured and written like the labels beside it: the window colour of its palette behind,
    // the window text colour for its text.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

bool PaintedButton::event(QEvent* event)
{
    const bool handled = QAbstractButton::event(event);
    // Styles ask buttons to repaint as the pointer enters and leaves; these draw no hover of their
    // own, their windows choose the faces.
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_Hover, false);
    return handled;
}

void PaintedButton::mousePressEvent(QMouseEvent* event)
{
    mousePressChanged(true);
    if (event->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(event);
    event->accept();
}

void PaintedButton::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(event->buttons());
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

void PaintedButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The release shows itself before the click acts.
    mousePressChanged(false);
    if (event->button() == Qt::LeftButton)
        QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

void PaintedButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->ignore();  // a plain button would move the focus with them
        break;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void PaintedButton::mousePressChanged(bool) {}

FaceButton::FaceButton(FaceSet faces, QWidget* parent)
    : PaintedButton(parent)
    , faces_(std::move(faces))
    , picture_(faces_[int(Face::Normal)])
{
}

void FaceButton::showFace(Face face) { showPicture(faces_[int(face)]); }

void FaceButton::showPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    update();
}

void FaceButton::mousePressChanged(bool pressed)
{
    if (pressFaces_)
        showFace(pressed ? Face::Pressed : Face::Normal);
}

void FaceButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPixmap picture = picture_;
    // A picture drawn for another scale is smoothed to this one, as a label does.
    const qreal ratio = devicePixelRatio();
    if (!picture.isNull() && ratio != picture.devicePixelRatio()) {
        picture = picture.scaled(picture.size() * (ratio / picture.devicePixelRatio()), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    style()->drawItemPixmap(&painter, rect(), Qt::AlignLeft | Qt::AlignVCenter, picture);
}

TextButton::TextButton(const QString& text, QWidget* parent) : PaintedButton(parent) { setText(text); }

void TextButton::setBoxed(bool boxed)
{
    boxed_ = boxed;
    update();
}

void TextButton::setCaptionWidth(int width)
{
    captionWidth_ = width;
    update();
}

bool TextButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        // The access key leads to the button, as a label's leads to its buddy.
        if (focusPolicy() != Qt::NoFocus)
            setFocus(Qt::ShortcutFocusReason);
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        return true;
    }
    return PaintedButton::event(event);
}

void TextButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect textArea = rect();
    if (captionWidth_ > 0)
        textArea.setWidth(captionWidth_);
    if (boxed_) {
        QStyleOptionFrame box;
        box.initFrom(this);
        box.frameShape = QFrame::Box;
        box.lineWidth = 1;
        box.midLineWidth = 0;
        style()->drawControl(QStyle::CE_ShapedFrame, &box, &painter, this);
        // Inside the box, text set at the top keeps half an x's width from it.
        textArea.adjust(1, 1, -1, -1);
        textArea.setTop(textArea.top() + fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2);
    }
    QStyleOption option;
    option.initFrom(this);
    int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextForceLeftToRight;
    if (text().contains(QLatin1Char('&'))) {
        flags |= Qt::TextShowMnemonic;
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
            flags |= Qt::TextHideMnemonic;
    }
    style()->drawItemText(&painter, textArea, flags, option.palette, isEnabled(), text(), foregroundRole());
}

namespace {

class MenuButtonAccessible : public QAccessibleWidget {
public:
    explicit MenuButtonAccessible(MenuButton* button) : QAccessibleWidget(button, QAccessible::ButtonMenu) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = button()->isExpanded();
        state.collapsed = !button()->isExpanded();
        return state;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    MenuButton* button() const { return static_cast<MenuButton*>(widget()); }
};

QAccessibleInterface* MenuButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(MenuButton::staticMetaObject.className()) && object && object->isWidgetType())
        return new MenuButtonAccessible(static_cast<MenuButton*>(object));
    return nullptr;
}

}  // namespace

MenuButton::MenuButton(const QString& text, QWidget* parent) : TextButton(text, parent)
{
    static const bool installed = (QAccessible::installFactory(MenuButtonFactory), true);
    Q_UNUSED(installed);
}

void MenuButton::setExpanded(bool expanded)
{
    if (expanded == expanded_)
        return;
    expanded_ = expanded;
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    emit expandedChanged(expanded);
}

}  // namespace chrome
