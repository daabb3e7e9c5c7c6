#include "form14.h"

#include <QApplication>
#include <QMouseEvent>

#include "catalogue.h"
#include "popup_window.h"
#include "window_chrome.h"

namespace {

const QColor kWindowRed(192, 0, 0);
const QColor kStripGrey(70, 70, 70);
const QColor kPersonText(162, 181, 163);
const QColor kTargetBlue(113, 149, 155);
const QColor kMenuNormal(155, 162, 134);
const QColor kMenuHighlight(81, 108, 117);
const QColor kPanelOrange(242, 180, 102);
const QColor kButtonText(Qt::black);
const QColor kWhite(Qt::white);

const QString kCredit = QStringLiteral("Exercicis de conjugació.");
const QString kInstructions = QStringLiteral(
    "L'exercici és molt senzill. Heu de fer un clic sobre una forma verbal proposada a la dreta i "
    "heu de desplaçar-la cap a la persona adequada a l'esquerra (arrossegar i deixar anar). En "
    "qualsevol moment, podeu demanar la valoració del vostre treball, prement el botó Avaluar");

struct LabelLook {
    QColor text;
    std::optional<QColor> background;  // none: transparent
    QFont font;
    Qt::Alignment alignment;
};

QLabel* makeLabel(QWidget* parent, const QString& name, QRect geometry, const LabelLook& look,
                  const QString& caption = {})
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(look.font);
    label->setAlignment(look.alignment | Qt::AlignTop);
    label->setWordWrap(true);
    chrome::SetTextColour(label, look.text);
    if (look.background)
        chrome::SetBackground(label, *look.background);
    return label;
}

QWidget* makePanel(QWidget* parent, const QString& name, QRect geometry, const QColor& background)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    chrome::SetBackground(panel, background);
    return panel;
}

QLabel* makeImage(QWidget* parent, const QString& name, QRect geometry)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    return image;
}

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::array<QPixmap, 3> faceStore(const char* store)
{
    std::array<QPixmap, 3> faces;
    for (int i = 0; i < 3; ++i)
        faces[static_cast<std::size_t>(i)] = QPixmap(QStringLiteral(":/faces/%1_%2.png").arg(QLatin1String(store)).arg(i));
    return faces;
}

// Person rows: caption geometry and target top, in pixels.
struct PersonRow {
    QRect caption;
    int targetTop;
};
constexpr std::array<PersonRow, 6> kPersonRows = {{
    {{8, 184, 113, 17}, 176},
    {{8, 232, 113, 17}, 224},
    {{8, 280, 113, 17}, 272},
    {{16, 328, 97, 17}, 328},
    {{16, 376, 105, 17}, 376},
    {{16, 432, 97, 17}, 424},
}};
constexpr int kTargetLeft = 128;
constexpr int kTargetWidth = 137;
constexpr int kTargetHeight = 33;

// The pool grid inside the frame: four columns of ten rows, then a bottom row of four.
// The fourth column shows slot 33 below slots 34 and 35.
constexpr std::array<int, 4> kColumnLefts = {8, 136, 264, 392};
constexpr int kGridTop = 24;
constexpr int kGridPitch = 32;
constexpr QSize kItemSize(121, 25);
constexpr std::array<int, 10> kFourthColumn = {30, 31, 32, 34, 35, 33, 36, 37, 38, 39};

QPoint itemPosition(int index)
{
    int column = 0;
    int row = 0;
    if (index >= 40) {
        column = index - 40;
        row = 10;
    } else if (index >= 30) {
        column = 3;
        row = static_cast<int>(std::find(kFourthColumn.begin(), kFourthColumn.end(), index) - kFourthColumn.begin());
    } else {
        column = index / 10;
        row = index % 10;
    }
    return {kColumnLefts[static_cast<std::size_t>(column)], kGridTop + kGridPitch * row};
}

}  // namespace

Form14::Form14(std::unique_ptr<engine::UniformSource> source)
    : QWidget(nullptr)
    , source_(source ? std::move(source) : std::make_unique<engine::ClockSeededSource>())
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("La conjugació dels verbs."));
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    chrome::MakeFrameless(this, /*quitsOnClose=*/true);
    setFixedSize(800, 600);
    chrome::SetBackground(this, kWindowRed);
    setFont(LayoutFont("MS Sans Serif", 8.25, false));
    setMouseTracking(true);

    buildLayout();
    wireHandlers();
    chrome::CentreOnScreen(this);
    Form_Load();
}

Form14::~Form14() = default;

void Form14::buildLayout()
{
    const LabelLook instructionBlack{kButtonText, kWindowRed, LayoutFont("Arial", 9.75, true), Qt::AlignLeft};
    const LabelLook instructionWhite{kWhite, kWindowRed, LayoutFont("Arial", 9.75, true), Qt::AlignLeft};
    const LabelLook largeBlack{kButtonText, kWindowRed, LayoutFont("Arial", 12, true), Qt::AlignLeft};
    const LabelLook largeWhite{kWhite, kWindowRed, LayoutFont("Arial", 12, true), Qt::AlignLeft};
    const LabelLook person{kPersonText, std::nullopt, LayoutFont("MS Sans Serif", 8.25, true), Qt::AlignLeft};
    const LabelLook target{kButtonText, kTargetBlue, LayoutFont("Arial", 9.75, true), Qt::AlignHCenter};
    const LabelLook proposal{kButtonText, kMenuNormal, LayoutFont("Arial", 9.75, true), Qt::AlignHCenter};
    const LabelLook credit{kWhite, std::nullopt, LayoutFont("MS Sans Serif", 8.25, false), Qt::AlignHCenter};
    const LabelLook menu{kButtonText, kMenuNormal, LayoutFont("Verdana", 8.25, true), Qt::AlignHCenter};
    const LabelLook menuEntry{kButtonText, kMenuNormal, LayoutFont("MS Sans Serif", 8.25, true), Qt::AlignHCenter};

    Picture1 = makePanel(this, QStringLiteral("Picture1"), {0, 0, 798, 33}, kStripGrey);
    Label6 = makeLabel(Picture1, QStringLiteral("Label6"), {16, 0, 22, 17},
                       {kWhite, std::nullopt, LayoutFont("Comic Sans MS", 9, true), Qt::AlignLeft});
    Label6->setWordWrap(false);
    pica = makeImage(Picture1, QStringLiteral("pica"), {736, 8, 11, 11});
    Image1 = makeImage(Picture1, QStringLiteral("Image1"), {760, 8, 11, 11});

    Label5 = makeLabel(this, QStringLiteral("Label5"), {40, 48, 169, 25}, instructionBlack,
                       QStringLiteral("- Heu de conjugar el verb;"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), {216, 48, 153, 25}, largeWhite, QStringLiteral("Label2"));
    Label1 = makeLabel(this, QStringLiteral("Label1"), {8, 104, 25, 41}, largeBlack, QStringLiteral("en"));
    Label8 = makeLabel(this, QStringLiteral("Label8"), {48, 104, 217, 33}, instructionWhite, QStringLiteral("label8"));

    for (int i = 0; i < 6; ++i) {
        const PersonRow& row = kPersonRows[static_cast<std::size_t>(i)];
        Label3[static_cast<std::size_t>(i)] =
            makeLabel(this, QStringLiteral("Label3_%1").arg(i), row.caption, person,
                      toQString(catalogue::personCaption(i)));
        Réponse[static_cast<std::size_t>(i)] = makeLabel(
            this, QStringLiteral("Réponse_%1").arg(i), {kTargetLeft, row.targetTop, kTargetWidth, kTargetHeight}, target);
    }

    Frame1 = new FrameBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(272, 104, 521, 385);
    Frame1->setFont(LayoutFont("Arial", 9.75, true));
    Frame1->setCaptionColor(kTargetBlue);
    Frame1->setCaption(QStringLiteral("Propostes de resposta."));
    chrome::SetBackground(Frame1, Qt::black);
    for (int i = 0; i < 44; ++i)
        Item[static_cast<std::size_t>(i)] =
            makeLabel(Frame1, QStringLiteral("Item_%1").arg(i), {itemPosition(i), kItemSize}, proposal);

    rec1 = makeImage(this, QStringLiteral("rec1"), {16, 536, 118, 20});
    eva1 = makeImage(this, QStringLiteral("eva1"), {144, 536, 69, 20});
    altre1 = makeImage(this, QStringLiteral("altre1"), {408, 520, 118, 20});
    recButton_ = ImageButton(rec1, faceStore("rec"));
    evaButton_ = ImageButton(eva1, faceStore("eva"));
    altreButton_ = ImageButton(altre1, faceStore("altre"));
    imgButton_ = ImageButton(Image1, faceStore("img"));
    picButton_ = ImageButton(pica, faceStore("pic"));

    Label3_31 = makeLabel(this, QStringLiteral("Label3_31"), {312, 568, 169, 17}, credit, kCredit);
    Label7 = makeLabel(this, QStringLiteral("Label7"), {640, 560, 73, 17}, menu, QStringLiteral("MENÚ."));
    Label7->setFrameStyle(QFrame::Box | QFrame::Plain);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture2 = panel;
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(640, 528, 73, 33);
    chrome::SetBackground(Picture2, kPanelOrange);
    MnuObjectif = makeLabel(Picture2, QStringLiteral("MnuObjectif"), {0, 0, 73, 17}, menuEntry, QStringLiteral("Objectiu."));
    MnuQuitter = makeLabel(Picture2, QStringLiteral("MnuQuitter"), {0, 16, 73, 17}, menuEntry, QStringLiteral("&Sortir."));
    MnuQuitter->setTextFormat(Qt::PlainText);
    MnuQuitter->setBuddy(MnuQuitter);
    Picture2->hide();

    dragOutline_ = new QFrame(this);
    dragOutline_->setObjectName(QStringLiteral("dragOutline"));
    static_cast<QFrame*>(dragOutline_)->setFrameStyle(QFrame::Box | QFrame::Plain);
    dragOutline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragOutline_->hide();
}

void Form14::wireHandlers()
{
    for (QWidget* quiet : std::initializer_list<QWidget*>{Picture1, Label1, Label2, Label8, Picture2, Label3_31})
        ControlMouse::isolate(quiet);
    for (QLabel* caption : Label3)
        ControlMouse::isolate(caption);

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

    // Pool labels and targets are drag sources; their presses, moves and releases go through
    // this window's own filter, which also carries a drag in progress.
    for (QLabel* item : Item) {
        ControlMouse::isolate(item);
        item->setMouseTracking(true);
        item->installEventFilter(this);
    }
    for (QLabel* target : Réponse) {
        ControlMouse::isolate(target);
        target->installEventFilter(this);
    }
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

const ImageButton& Form14::button(const QLabel* control) const
{
    for (const ImageButton* b : {&evaButton_, &recButton_, &altreButton_, &imgButton_, &picButton_})
        if (b->control() == control)
            return *b;
    Q_ASSERT_X(false, "Form14::button", "not an image button");
    return evaButton_;
}

// ---- Building and showing the exercise ----

void Form14::Form_Load() { altre1_Click(); }

void Form14::altre1_Click()
{
    chrome::ApplyRoundedRegion(this);
    exercise_.build(*source_);
    showBoard();
}

namespace {


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
}  // namespace

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

QLabel* Form14::label(engine::Slot slot) const
{
    return slot.kind == engine::Slot::Kind::Pool ? Item[static_cast<std::size_t>(slot.index)]
                                                 : Réponse[static_cast<std::size_t>(slot.index)];
}

void Form14::showCaption(engine::Slot slot) { label(slot)->setText(toQString(exercise_.caption(slot))); }

// ---- Scoring and restarting ----

void Form14::eva1_Click()
{
    form15_.Show();
    form15_.Label2->setText(toQString(exercise_.scoreText()));
}

void Form14::rec1_Click()
{
    unloadPopups();
    recButton_.show(Normal);
    exercise_.restart();
    showBoard();
}

void Form14::unloadPopups()
{
    form15_.Unload();
    form17_.Unload();
}

// ---- Drag and drop ----

void Form14::Item_MouseDown(int index, const MouseArgs& args)
{
    if (exercise_.canStartDrag(engine::Slot::pool(index)))
        beginDrag(engine::Slot::pool(index), Item[static_cast<std::size_t>(index)], args.pos);
}

void Form14::Réponse_MouseDown(int index, const MouseArgs& args)
{
    if (exercise_.canStartDrag(engine::Slot::target(index)))
        beginDrag(engine::Slot::target(index), Réponse[static_cast<std::size_t>(index)], args.pos);
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

void Form14::beginDrag(engine::Slot source, QLabel* control, QPoint pressPos)
{
    dragSource_ = source;
    dragOutline_->setGeometry(QRect(control->mapTo(this, QPoint(0, 0)), control->size()));
    dragGrabOffset_ = pressPos;
    dragOutline_->raise();
    dragOutline_->show();
}

void Form14::moveDrag(QPoint globalPos)
{
    dragOutline_->move(mapFromGlobal(globalPos) - dragGrabOffset_);
}

void Form14::endDrag(QPoint globalPos)
{
    const engine::Slot source = *dragSource_;
    dragSource_.reset();
    dragOutline_->hide();
    const std::optional<engine::Slot> target = dropTargetAt(globalPos);
    if (!target)
        return;
    if (target->kind == engine::Slot::Kind::Pool)
        Item_DragDrop(target->index, source);
    else
        Réponse_DragDrop(target->index, source);
}

std::optional<engine::Slot> Form14::dropTargetAt(QPoint globalPos) const
{
    if (QApplication::topLevelAt(globalPos) != this)
        return std::nullopt;
    const QWidget* under = childAt(mapFromGlobal(globalPos));
    for (int i = 0; i < 44; ++i)
        if (under == Item[static_cast<std::size_t>(i)])
            return engine::Slot::pool(i);
    for (int i = 0; i < 6; ++i)
        if (under == Réponse[static_cast<std::size_t>(i)] && Réponse[static_cast<std::size_t>(i)]->isVisible())
            return engine::Slot::target(i);
    return std::nullopt;
}

bool Form14::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();

    if (dragSource_) {
        if (type == QEvent::MouseMove)
            moveDrag(global);
        else if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton)
            endDrag(global);
        return true;
    }

    const auto itemIt = std::find(Item.begin(), Item.end(), watched);
    const int itemIndex = itemIt == Item.end() ? -1 : static_cast<int>(itemIt - Item.begin());
    const auto targetIt = std::find(Réponse.begin(), Réponse.end(), watched);
    const int targetIndex = targetIt == Réponse.end() ? -1 : static_cast<int>(targetIt - Réponse.begin());

    if (type == QEvent::MouseMove) {
        if (itemIndex >= 0)
            Item_MouseMove(itemIndex, MouseArgsOf(*mouse));
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (itemIndex >= 0)
            Item_MouseDown(itemIndex, MouseArgsOf(*mouse));
        else if (targetIndex >= 0)
            Réponse_MouseDown(targetIndex, MouseArgsOf(*mouse));
    }
    return true;
}

// ---- Hover feedback ----

void Form14::mouseMoveEvent(QMouseEvent* event) { Form_MouseMove(MouseArgsOf(*event)); }

void Form14::resetMenuColours()
{
    for (QLabel* menu : {Label7, MnuQuitter, MnuObjectif})
        chrome::SetBackground(menu, kMenuNormal);
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

void Form14::Label7_MouseMove(const MouseArgs&) { chrome::SetBackground(Label7, kMenuHighlight); }

void Form14::MnuObjectif_MouseMove(const MouseArgs&)
{
    chrome::SetBackground(MnuObjectif, kMenuHighlight);
    chrome::SetBackground(MnuQuitter, kMenuNormal);
}

void Form14::MnuQuitter_MouseMove(const MouseArgs&)
{
    chrome::SetBackground(MnuQuitter, kMenuHighlight);
    chrome::SetBackground(MnuObjectif, kMenuNormal);
}

// ---- Menu and window commands ----

void Form14::Label7_Click() { Picture2->show(); }

void Form14::MnuObjectif_Click()
{
    form17_.Load();
    form17_.Show();
    form17_.Label2->setText(kInstructions);
}

void Form14::MnuQuitter_Click() { quit(); }

void Form14::Image1_Click()
{
    imgButton_.show(Normal);
    quit();
}

void Form14::quit()
{
    unloadPopups();
    close();
}

void Form14::pica_Click()
{
    unloadPopups();
    // Many desktops give a window without a task-bar button no way back once it is minimised:
    // the window takes an entry while it is minimised and drops it when it is restored.
    setTaskBarEntry(true);
    setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
    show();
}

void Form14::setTaskBarEntry(bool entry)
{
    if (entry == taskBarEntry_)
        return;
    taskBarEntry_ = entry;
    const bool wasVisible = isVisible();
    if (entry) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_QuitOnClose, true);
    } else {
        chrome::MakeFrameless(this, /*quitOnClose=*/true);
    }
    if (wasVisible)
        show();
}

void Form14::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && taskBarEntry_ && !(windowState() & Qt::WindowMinimized))
        // Changing the flags recreates the native window: not from inside its own state change.
        QMetaObject::invokeMethod(this, [this] { setTaskBarEntry(false); }, Qt::QueuedConnection);
}
