#include "ui/exercise/answer_marks.h"

#include "ui/chrome/accessible_control.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The disc, in pixels: its diameter, and how far its centre sits in from the target's right edge
// and its bottom edge (half the disc stands on the red below the target, clear of the form).
constexpr int kDiameter = 20;
constexpr QPoint kCentreFromCorner(6, 3);

// White on the red window and on the blue-grey target (6.5:1 and 3.2:1), ringed in black; the tick
// dark green and the cross the window's red, both over 6:1 on the white.
const QColor kDisc(Qt::white);
const QColor kRing(Qt::black);
const QColor kTick(0, 110, 0);
const QColor kCross(192, 0, 0);

}  // namespace

AnswerMark::AnswerMark(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Screen readers hear the verdict in the target's own name.
    chrome::HideFromScreenReaders(this);
    resize(kDiameter, kDiameter);
    hide();
}

void AnswerMark::mark(QWidget* target, bool right)
{
    right_ = right;
    const QPoint corner = target->mapTo(parentWidget(), QPoint(target->width(), target->height()));
    move(corner - kCentreFromCorner - QPoint(kDiameter / 2, kDiameter / 2));
    raise();
    show();
    update();
}

void AnswerMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(kRing, 1));
    painter.setBrush(kDisc);
    painter.drawEllipse(disc);

    // The glyph on a 20-unit grid, drawn with round ends.
    painter.scale(width() / 20.0, height() / 20.0);
    QPen ink(right_ ? kTick : kCross, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(ink);
    painter.setBrush(Qt::NoBrush);
    if (right_) {
        QPainterPath tick;
        tick.moveTo(5.5, 10.5);
        tick.lineTo(8.5, 13.5);
        tick.lineTo(14.5, 6.5);
        painter.drawPath(tick);
    } else {
        painter.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
        painter.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
    }
}

AnswerMarks::AnswerMarks(QWidget* window, const ExerciseLayout& controls, const engine::Exercise& exercise)
    : QObject(window)
    , controls_(controls)
    , exercise_(exercise)
{
    for (std::size_t row = 0; row < marks_.size(); ++row) {
        marks_[row] = new AnswerMark(window);
        marks_[row]->setObjectName(QStringLiteral("answerMark_%1").arg(row));
    }
}

void AnswerMarks::refresh()
{
    const engine::Board& board = exercise_.board();
    for (std::size_t row = 0; row < marks_.size(); ++row) {
        if (exercise_.answersMarked() && board.rowVisible[row])
            marks_[row]->mark(controls_.targets[row], exercise_.answerRight(static_cast<int>(row)));
        else
            marks_[row]->hide();
    }
}
