#include "form14.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "accessible_control.h"
#include "capture.h"
#include "colours.h"
#include "exercise_access.h"
#include "label_drag.h"
#include "layout_font.h"
#include "outline.h"
#include "window_frame.h"

namespace {

const QString kInstructions = QStringLiteral(
    "L'exercici és molt senzill. Heu de fer un clic sobre una forma verbal proposada a la dreta i "
    "heu de desplaçar-la cap a la persona adequada a l'esquerra (arrossegar i deixar anar). En "
    "qualsevol moment, podeu demanar la valoració del vostre treball, prement el botó Avaluar");

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Sets the type size in points; a size already set is left alone so nothing is laid out again.
void setTypeSize(QLabel* label, int points)
{
    const int pixels = LayoutFont("Arial", points, true).pixelSize();
    if (label->font().pixelSize() == pixels)
        return;
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

// A pop-up, made the first time it is asked for.
template <typename Popup>
Popup& Made(std::unique_ptr<Popup>& popup)
{
    if (!popup)
        popup = std::make_unique<Popup>();
    return *popup;
}

}  // namespace

Form14::Form14(std::unique_ptr<engine::UniformSource> source)
    : QWidget(nullptr)
    , source_(source ? std::move(source) : std::make_unique<engine::ClockSeededSource>())
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("La conjugació dels verbs."));
    setWindowIcon(QPixmap::fromImage(chrome::ReadPng(QStringLiteral(":/icon.png"))));
    chrome::MakeFrameless(this, /*quitOnClose=*/true);
    setFixedSize(800, 600);
    chrome::SetBackground(this, look::kWindowRed);
    setFont(LayoutFont("MS Sans Serif", 8.25, false));
    setMouseTracking(true);

    build(this);
    wireHandlers();
    access_ = std::make_unique<ExerciseAccess>(
        this, *this, exercise_,
        ExerciseCommands{.restart = [this] { rec1_Click(); },
                                 .score = [this] { eva1_Click(); },
                                 .newExercise = [this] { altre1_Click(); },
                                 .openMenu = [this] { Label7_Click(); },
                                 .closeMenu = [this] { closeMenu(); },
                                 .instructions = [this] { MnuObjectif_Click(); },
                                 .quit = [this] { MnuQuitter_Click(); },
                                 .minimise = [this] { pica_Click(); },
                                 .close = [this] { Image1_Click(); },
                                 .drop = [this](engine::Slot target, engine::Slot source) { dropOn(target, source); }});
    chrome::CentreOnScreen(this);
    Form_Load();
}

Form14::~Form14() = default;

void Form14::wireHandlers()
{
    for (QWidget* quiet : std::initializer_list<QWidget*>{Picture1, Label1, Label2, Label8, Picture2, Label3_31})
        ControlMouse::isolate(quiet);
    for (QWidget* quiet : Picture2->findChildren<QWidget*>())
        ControlMouse::isolate(quiet);
    for (QLabel* caption : Label3)
        ControlMouse::isolate(caption);

    const qreal ratio = devicePixelRatioF();
    evaButton_ = ImageButton(eva1, chrome::LoadFaceStore("eva", ratio));
    recButton_ = ImageButton(rec1, chrome::LoadFaceStore("rec", ratio));
    altreButton_ = ImageButton(altre1, chrome::LoadFaceStore("altre", ratio));
    imgButton_ = ImageButton(Image1, chrome::LoadFaceStore("img", ratio));
    picButton_ = ImageButton(pica, chrome::LoadFaceStore("pic", ratio));
    wireImageButton(evaButton_, [this] { eva1_Click(); });
    wireImageButton(recButton_, [this] { rec1_Click(); });
    wireImageButton(altreButton_, [this] { altre1_Click(); });
    wireImageButton(imgButton_, [this] { Image1_Click(); }, [this] { picButton_.show(Normal); });
    wireImageButton(picButton_, [this] { pica_Click(); }, [this] { imgButton_.show(Normal); });

    controlEvents_.attach(Label7, {.mouseMove = [this](const MouseArgs& a) { Label7_MouseMove(a); },
                                   .click = [this] { Label7_Click(); }});
    controlEvents_.attach(MnuObjectif, {.mouseMove = [this](const MouseArgs& a) { MnuObjectif_MouseMove(a); },
                                        .click = [this] { MnuObjectif_Click(); }});
    controlEvents_.attach(MnuQuitter, {.mouseMove = [this](const MouseArgs& a) { MnuQuitter_MouseMove(a); },
                                       .click = [this] { MnuQuitter_Click(); }});
    controlEvents_.attach(Frame1, {.mouseMove = [this](const MouseArgs& a) { Frame1_MouseMove(a); }});
    controlEvents_.attach(Label5, {.mouseMove = [this](const MouseArgs& a) { Label5_MouseMove(a); }});
    controlEvents_.attach(Label6, {.mouseMove = [this](const MouseArgs& a) { Label6_MouseMove(a); }});

    drag_ = new LabelDrag(this, *this,
                          {.mouseDown =
                               [this](engine::Slot slot, const MouseArgs& a) {
                                   if (slot.kind == engine::Slot::Kind::Pool)
                                       Item_MouseDown(slot.index, a);
                                   else
                                       Réponse_MouseDown(slot.index, a);
                               },
                           .itemMouseMove = [this](int index, const MouseArgs& a) { Item_MouseMove(index, a); },
                           .dragDrop = [this](engine::Slot target, engine::Slot source) { dropOn(target, source); },
                           .clicked = [this](engine::Slot slot, Qt::MouseButton pressed) { access_->clicked(slot, pressed); },
                           .releasedElsewhere = [this] { access_->releasedElsewhere(); }});
}

void Form14::dropOn(engine::Slot target, engine::Slot source)
{
    if (target.kind == engine::Slot::Kind::Pool)
        Item_DragDrop(target.index, source);
    else
        Réponse_DragDrop(target.index, source);
}

void Form14::wireImageButton(ImageButton& button, std::function<void()> click, std::function<void()> afterHover)
{
    controlEvents_.attach(button.control(),
                          {.mouseMove =
                               [&button, afterHover](const MouseArgs&) {
                                   button.show(Hover);
                                   if (afterHover)
                                       afterHover();
                               },
                           .mouseDown = [&button](const MouseArgs&) { button.show(Pressed); },
                           .mouseUp = [&button](const MouseArgs&) { button.show(Normal); },
                           .click = std::move(click)});
}

// ---- Building and showing the exercise ----

void Form14::Form_Load() { altre1_Click(); }

void Form14::altre1_Click()
{
    chrome::ApplyRoundedRegion(this);
    exercise_.build(*source_);
    showBoard();
    access_->boardShown(/*newExercise=*/true);
}

void Form14::showBoard()
{
    const engine::Board& board = exercise_.board();
    for (std::size_t i = 0; i < Réponse.size(); ++i) {
        Réponse[i]->setVisible(board.rowVisible[i]);
        Label3[i]->setVisible(board.rowVisible[i]);
        Réponse[i]->setText(toQString(board.targets[i]));
        setTypeSize(Réponse[i], board.targetFontSize);
    }
    for (std::size_t i = 0; i < Item.size(); ++i) {
        Item[i]->setText(toQString(board.items[i]));
        setTypeSize(Item[i], board.itemFontSize);
    }
    Label6->setText(toQString(board.title));
    Label6->adjustSize();
    Label6->setVisible(board.titleVisible);
    Label5->setText(toQString(board.instruction));
    Label2->setText(toQString(board.infinitive));
    Label8->setText(toQString(board.tensePhrase));
}

void Form14::showCaption(engine::Slot slot)
{
    label(slot)->setText(toQString(exercise_.caption(slot)));
    access_->captionChanged(slot);
}

// ---- Scoring and restarting ----

void Form14::eva1_Click()
{
    Form15& score = Made(form15_);
    score.Show();
    score.Label2->setText(toQString(exercise_.scoreText()));
    chrome::SetAccessibleName(&score, score.Label2->text());
}

void Form14::rec1_Click()
{
    unloadPopups();
    recButton_.show(Normal);
    exercise_.restart();
    showBoard();
    access_->boardShown(/*newExercise=*/false);
}

void Form14::unloadPopups()
{
    if (form15_)
        form15_->Unload();
    if (form17_)
        form17_->Unload();
}


// ---- Drag and drop ----

void Form14::Item_MouseDown(int index, const MouseArgs& args)
{
    if (exercise_.canStartDrag(engine::Slot::pool(index)))
        drag_->begin(engine::Slot::pool(index), args.pos);
}

void Form14::Réponse_MouseDown(int index, const MouseArgs& args)
{
    if (exercise_.canStartDrag(engine::Slot::target(index)))
        drag_->begin(engine::Slot::target(index), args.pos);
}

void Form14::Item_DragDrop(int index, engine::Slot source)
{
    unloadPopups();
    exercise_.exchange(source, engine::Slot::pool(index));
    showCaption(source);
    showCaption(engine::Slot::pool(index));
}

void Form14::Réponse_DragDrop(int index, engine::Slot source)
{
    exercise_.exchange(source, engine::Slot::target(index));
    showCaption(source);
    showCaption(engine::Slot::target(index));
}

// ---- Hover feedback ----

void Form14::mouseMoveEvent(QMouseEvent* event) { Form_MouseMove(MouseArgsOf(*event)); }

void Form14::keyPressEvent(QKeyEvent* event)
{
    if (!access_->keyPressed(*event))
        QWidget::keyPressEvent(event);
}

bool Form14::focusNextPrevChild(bool next)
{
    access_->moveFocus(next);
    return true;
}

void Form14::resetMenuColours()
{
    for (QLabel* menu : {Label7, MnuQuitter, MnuObjectif})
        chrome::SetBackground(menu, look::kMenuNormal);
}

void Form14::generalReset()
{
    Picture2->hide();
    picButton_.show(Normal);
    imgButton_.show(Normal);
    recButton_.show(Normal);
    evaButton_.show(Normal);
    altreButton_.show(Normal);
    resetMenuColours();
}

void Form14::poolReset()
{
    evaButton_.show(Normal);
    altreButton_.show(Normal);
    resetMenuColours();
    Picture2->hide();
}

void Form14::Form_MouseMove(const MouseArgs&) { generalReset(); }
void Form14::Frame1_MouseMove(const MouseArgs&) { generalReset(); }
void Form14::Item_MouseMove(int, const MouseArgs&) { poolReset(); }

void Form14::Label5_MouseMove(const MouseArgs&)
{
    imgButton_.show(Normal);
    evaButton_.show(Normal);
    altreButton_.show(Normal);
}

void Form14::Label6_MouseMove(const MouseArgs& args)
{
    if (args.button != 1)
        return;
    chrome::ReleaseCapture();
    imgButton_.show(Normal);
    evaButton_.show(Normal);
    altreButton_.show(Normal);
    picButton_.show(Normal);
}

void Form14::Label7_MouseMove(const MouseArgs&) { chrome::SetBackground(Label7, look::kMenuHighlight); }

void Form14::MnuObjectif_MouseMove(const MouseArgs&)
{
    chrome::SetBackground(MnuObjectif, look::kMenuHighlight);
    chrome::SetBackground(MnuQuitter, look::kMenuNormal);
}

void Form14::MnuQuitter_MouseMove(const MouseArgs&)
{
    chrome::SetBackground(MnuQuitter, look::kMenuHighlight);
    chrome::SetBackground(MnuObjectif, look::kMenuNormal);
}

// ---- Menu and window commands ----

void Form14::Label7_Click() { Picture2->show(); }

void Form14::closeMenu()
{
    if (Picture2->isAncestorOf(focusWidget()))
        Label7->setFocus(Qt::OtherFocusReason);
    Picture2->hide();
}

void Form14::MnuObjectif_Click()
{
    Form17& instructions = Made(form17_);
    instructions.Load();
    instructions.Show();
    instructions.Label2->setText(kInstructions);
}

void Form14::MnuQuitter_Click() { quit(); }

void Form14::Image1_Click()
{
    imgButton_.show(Normal);
    quit();
}

void Form14::quit()
{
    // Input already queued behind the quit must not reach the closing windows: a click on
    // "Avaluar." would open the score pop-up again and keep the program alive.
    quitting_ = true;
    qApp->installEventFilter(this);
    unloadPopups();
    close();
    QCoreApplication::exit(0);
}

bool Form14::eventFilter(QObject* watched, QEvent* event)
{
    if (quitting_ && isUserInput(event->type()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Form14::pica_Click()
{
    unloadPopups();
    // A window without a task-bar button would have no way back once it is minimised.
    chrome::MinimiseWithTaskBarEntry(this);
}
