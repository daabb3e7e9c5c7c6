#include "ui/exercise/exercise_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>

#include "ui/chrome/accessible_control.h"
#include "ui/chrome/capture.h"
#include "ui/chrome/colours.h"
#include "ui/chrome/control_mouse.h"
#include "ui/chrome/layout_font.h"
#include "ui/chrome/outline.h"
#include "ui/chrome/text.h"
#include "ui/chrome/window_frame.h"
#include "ui/chrome/window_input.h"
#include "ui/exercise/answer_marks.h"
#include "ui/exercise/exercise_access.h"
#include "ui/exercise/exercise_keys.h"
#include "ui/exercise/label_drag.h"
#include "ui/exercise/pick_and_place.h"

namespace {

const QString kInstructions =
    QStringLiteral("L'exercici és molt senzill. Heu de fer un clic sobre una forma verbal proposada a la dreta i "
                   "heu de desplaçar-la cap a la persona adequada a l'esquerra (arrossegar i deixar anar). En "
                   "qualsevol moment, podeu demanar la valoració del vostre treball, prement el botó Avaluar");

// Sets the type size in points; a size already set is left alone so nothing is laid out again.
void setTypeSize(QLabel* label, int points)
{
    const int pixels = chrome::LayoutFont("Arial", points, true).pixelSize();
    if (label->font().pixelSize() == pixels)
        return;
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
}

// A pop-up, made the first time it is asked for and kept above `opener`. F1 in it shows the
// instructions, as in `opener`.
template <typename Popup>
Popup& made(std::unique_ptr<Popup>& popup, ExerciseWindow* opener)
{
    if (!popup) {
        popup = std::make_unique<Popup>();
        chrome::KeepAbove(popup.get(), opener);
        QObject::connect(popup.get(), &PopupWindow::helpAsked, opener, &ExerciseWindow::showInstructions);
    }
    return *popup;
}

}  // namespace

ExerciseWindow::ExerciseWindow(std::unique_ptr<engine::UniformSource> source, const Practice& practice)
    : QWidget(nullptr)
    , source_(source ? std::move(source) : std::make_unique<engine::ClockSeededSource>())
{
    setObjectName(QStringLiteral("exerciseWindow"));
    setWindowTitle(QStringLiteral("La conjugació dels verbs."));
    setWindowIcon(QPixmap::fromImage(chrome::ReadPng(QStringLiteral(":/icon.png"))));
    chrome::MakeFrameless(this, /*quitOnClose=*/true);
    setFixedSize(kWindowSize);
    chrome::SetBackground(this, look::kWindowRed);
    setFont(chrome::LayoutFont("MS Sans Serif", 8.25, false));
    setMouseTracking(true);

    build(this);
    drag_ = new LabelDrag(this, *this);
    access_ = new ExerciseAccess(this, *this, exercise_);
    if (practice.feedback)
        marks_ = new AnswerMarks(this, *this, exercise_);
    connectControls();
    chrome::CentreOnScreen(this);
    exercise_.drawAmong(practice.choice);
    newExercise();  // the first exercise is there before the window is first shown
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::connectControls()
{
    for (QWidget* quiet :
         std::initializer_list<QWidget*>{titleStrip, tenseIntro, infinitive, tensePhrase, menuPanel, credit})
        chrome::ControlMouse::isolate(quiet);
    for (QWidget* quiet : menuPanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        chrome::ControlMouse::isolate(quiet);
    for (QLabel* caption : personCaptions)
        chrome::ControlMouse::isolate(caption);

    // The surfaces without mouse handling of their own that still put faces and colours back.
    auto* surfaces = new chrome::ControlMouse(this);
    for (QWidget* surface : std::initializer_list<QWidget*>{poolFrame, instruction, title})
        surfaces->watch(surface);
    connect(surfaces, &chrome::ControlMouse::moved, this, [this](QWidget* surface, Qt::MouseButtons held) {
        if (surface == poolFrame) {
            pointerOver(hover::Surface::PoolFrame);
        } else if (surface == instruction) {
            pointerOver(hover::Surface::Instruction);
        } else if (held == Qt::LeftButton) {  // the title, dragged with the left button alone
            chrome::ReleaseCapture(title);
            pointerOver(hover::Surface::TitleDragged);
        }
    });

    const std::pair<chrome::PaintedButton*, hover::Surface> buttons[] = {
        {restartButton, hover::Surface::RestartButton},
        {scoreButton, hover::Surface::ScoreButton},
        {newVerbButton, hover::Surface::NewVerbButton},
        {minimiseButton, hover::Surface::MinimiseButton},
        {closeButton, hover::Surface::CloseButton},
        {menuButton, hover::Surface::MenuButton},
        {instructionsEntry, hover::Surface::InstructionsEntry},
        {quitEntry, hover::Surface::QuitEntry},
    };
    for (const auto& [button, surface] : buttons)
        connect(button, &chrome::PaintedButton::pointerMoved, this, [this, surface] { pointerOver(surface); });

    connect(restartButton, &QAbstractButton::clicked, this, &ExerciseWindow::restart);
    connect(scoreButton, &QAbstractButton::clicked, this, &ExerciseWindow::showScore);
    connect(newVerbButton, &QAbstractButton::clicked, this, &ExerciseWindow::newExercise);
    connect(minimiseButton, &QAbstractButton::clicked, this, &ExerciseWindow::minimise);
    connect(closeButton, &QAbstractButton::clicked, this, [this] {
        closeButton->showFace(chrome::Face::Normal);
        quit();
    });
    connect(menuButton, &QAbstractButton::clicked, this, &ExerciseWindow::openMenu);
    connect(instructionsEntry, &QAbstractButton::clicked, this, &ExerciseWindow::showInstructions);
    connect(quitEntry, &QAbstractButton::clicked, this, &ExerciseWindow::quit);

    connect(drag_, &LabelDrag::labelPressed, this, &ExerciseWindow::startDrag);
    connect(drag_, &LabelDrag::poolLabelHovered, this, [this] { pointerOver(hover::Surface::PoolLabel); });
    connect(drag_, &LabelDrag::dropped, this, &ExerciseWindow::drop);
    connect(drag_, &LabelDrag::clicked, access_, &ExerciseAccess::clicked);
    connect(drag_, &LabelDrag::releasedElsewhere, access_, &ExerciseAccess::releasedElsewhere);
    connect(&access_->pickAndPlace(), &PickAndPlace::placed, this, &ExerciseWindow::drop);
    connect(&access_->keys(), &ExerciseKeys::instructionsAsked, this, &ExerciseWindow::showInstructions);
    connect(&access_->keys(), &ExerciseKeys::menuClosing, this, &ExerciseWindow::closeMenu);
}

// ---- Building and showing the exercise ----

void ExerciseWindow::newExercise()
{
    chrome::ApplyRoundedRegion(this);
    exercise_.build(*source_);
    showBoard();
    access_->boardShown(/*newExercise=*/true);
    showMarks();
}

void ExerciseWindow::showBoard()
{
    const engine::Board& board = exercise_.board();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        targets[i]->setVisible(board.rowVisible[i]);
        personCaptions[i]->setVisible(board.rowVisible[i]);
        targets[i]->setText(chrome::ToQString(board.targets[i]));
        setTypeSize(targets[i], board.targetFontSize);
    }
    for (std::size_t i = 0; i < pool.size(); ++i) {
        pool[i]->setText(chrome::ToQString(board.pool[i]));
        setTypeSize(pool[i], board.poolFontSize);
    }
    title->setText(chrome::ToQString(board.title));
    title->adjustSize();
    title->setVisible(board.titleVisible);
    instruction->setText(chrome::ToQString(board.instruction));
    infinitive->setText(chrome::ToQString(board.infinitive));
    tensePhrase->setText(chrome::ToQString(board.tensePhrase));
}

void ExerciseWindow::showCaption(engine::Slot slot)
{
    label(slot)->setText(chrome::ToQString(exercise_.caption(slot)));
    access_->captionChanged(slot);
}

// ---- Scoring and restarting ----

void ExerciseWindow::showScore()
{
    ScoreWindow& score = scoreWindow();
    score.open();
    score.message->setText(chrome::ToQString(exercise_.scoreText()));
    chrome::SetAccessibleName(&score, score.message->text());
    if (marks_) {
        exercise_.markAnswers();
        showMarks();
    }
}

ScoreWindow& ExerciseWindow::scoreWindow()
{
    if (!scoreWindow_) {
        scoreWindow_ = std::make_unique<ScoreWindow>(/*offersSolution=*/marks_ != nullptr);
        chrome::KeepAbove(scoreWindow_.get(), this);
        connect(scoreWindow_.get(), &ScoreWindow::solutionAsked, this, &ExerciseWindow::showSolution);
        connect(scoreWindow_.get(), &PopupWindow::helpAsked, this, &ExerciseWindow::showInstructions);
    }
    return *scoreWindow_;
}

void ExerciseWindow::restart()
{
    unloadPopups();
    restartButton->showFace(chrome::Face::Normal);
    exercise_.restart();
    showBoard();
    access_->boardShown(/*newExercise=*/false);
    showMarks();
}

void ExerciseWindow::unloadPopups()
{
    if (scoreWindow_)
        scoreWindow_->unload();
    if (instructionsWindow_)
        instructionsWindow_->unload();
}

// ---- Drag and drop ----

void ExerciseWindow::startDrag(engine::Slot slot, QPoint pressPos)
{
    if (exercise_.canStartDrag(slot))
        drag_->begin(slot, pressPos);
}

void ExerciseWindow::drop(engine::Slot target, engine::Slot source)
{
    if (target.kind == engine::Slot::Kind::Pool)
        unloadPopups();
    exercise_.exchange(source, target);
    showCaption(source);
    showCaption(target);
    access_->formsMoved(target, source);
    showMarks();
}

// ---- The feedback mode ----

void ExerciseWindow::showSolution()
{
    if (scoreWindow_)
        scoreWindow_->dismiss();
    access_->pickAndPlace().putDown();
    for (const engine::Exercise::Drop& move : exercise_.solution())
        drop(move.target, move.source);
    exercise_.markAnswers();
    showMarks();
}

void ExerciseWindow::showMarks()
{
    if (!marks_)
        return;
    marks_->refresh();
    access_->marksChanged();
}

// ---- Hover feedback ----

void ExerciseWindow::mouseMoveEvent(QMouseEvent*) { pointerOver(hover::Surface::Window); }

void ExerciseWindow::pointerOver(hover::Surface surface)
{
    for (const hover::Change& change : hover::ChangesOver(surface))
        showLook(change);
}

void ExerciseWindow::showLook(hover::Change change)
{
    const bool lit = change.look == hover::Look::Lit;
    const auto face = lit ? chrome::Face::Hover : chrome::Face::Normal;
    const QColor& colour = lit ? look::kMenuHighlight : look::kMenuNormal;
    switch (change.control) {
    case hover::Control::RestartButton:
        restartButton->showFace(face);
        break;
    case hover::Control::ScoreButton:
        scoreButton->showFace(face);
        break;
    case hover::Control::NewVerbButton:
        newVerbButton->showFace(face);
        break;
    case hover::Control::MinimiseButton:
        minimiseButton->showFace(face);
        break;
    case hover::Control::CloseButton:
        closeButton->showFace(face);
        break;
    case hover::Control::MenuButton:
        chrome::SetBackground(menuButton, colour);
        break;
    case hover::Control::InstructionsEntry:
        chrome::SetBackground(instructionsEntry, colour);
        break;
    case hover::Control::QuitEntry:
        chrome::SetBackground(quitEntry, colour);
        break;
    case hover::Control::MenuPanel:
        if (!lit)
            hideMenuPanel();
        break;
    }
}

// ---- Keys ----

void ExerciseWindow::keyPressEvent(QKeyEvent* event)
{
    if (marks_ && event->key() == Qt::Key_F3)
        showSolution();
    else if (!access_->keys().keyPressed(*event))
        QWidget::keyPressEvent(event);
}

bool ExerciseWindow::focusNextPrevChild(bool next)
{
    access_->keys().moveFocus(next);
    return true;
}

// ---- Menu and window commands ----

void ExerciseWindow::openMenu()
{
    menuPanel->show();
    menuButton->setExpanded(true);
}

void ExerciseWindow::closeMenu()
{
    if (menuPanel->isAncestorOf(focusWidget()))
        menuButton->setFocus(Qt::OtherFocusReason);
    hideMenuPanel();
}

void ExerciseWindow::hideMenuPanel()
{
    menuPanel->hide();
    menuButton->setExpanded(false);
}

void ExerciseWindow::showInstructions()
{
    InstructionsWindow& instructions = made(instructionsWindow_, this);
    instructions.load();
    instructions.open();
    instructions.message->setText(kInstructions);
    instructions.setAccessibleDescription(kInstructions);  // read out as the window comes up
}

void ExerciseWindow::quit()
{
    quitting_ = true;
    // Input already queued behind the quit must not reach the closing window: a click on
    // "Avaluar." would open the score pop-up again and keep the program alive.
    chrome::WindowInput::of(this)->block();
    unloadPopups();
    close();
    QCoreApplication::exit(0);
}

void ExerciseWindow::closeEvent(QCloseEvent* event)
{
    if (!quitting_)
        quit();
    event->accept();
}

void ExerciseWindow::minimise()
{
    unloadPopups();
    // A window without a task-bar button would have no way back once it is minimised.
    chrome::MinimiseWithTaskBarEntry(this);
}
