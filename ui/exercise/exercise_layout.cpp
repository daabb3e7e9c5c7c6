#include "ui/exercise/exercise_layout.h"

#include <optional>

#include "catalogue/catalogue.h"
#include "ui/chrome/colours.h"
#include "ui/chrome/layout_font.h"
#include "ui/chrome/text.h"
#include "ui/exercise/pool_grid.h"

namespace {

using namespace look;
using chrome::LayoutFont;

const QColor kButtonText(Qt::black);
const QColor kWhite(Qt::white);
const QString kCredit = QStringLiteral("Exercicis de conjugació.");

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

chrome::FaceButton* makeFaceButton(QWidget* parent, const QString& name, QRect geometry, const char* faces)
{
    auto* button = new chrome::FaceButton(chrome::LoadFaces(faces, parent->devicePixelRatioF()), parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

// A menu label: its caption centred at the top on the menu colour.
template <typename Button>
Button* makeMenuLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font, const QString& caption)
{
    auto* button = new Button(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    chrome::SetTextColour(button, kButtonText);
    chrome::SetBackground(button, kMenuNormal);
    return button;
}

// Person rows: caption geometry and target top.
struct PersonRow {
    QRect caption;
    int targetTop;
};
constexpr std::array<PersonRow, engine::kTargets> kPersonRows = {{
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

// The pool grid inside the frame.
constexpr std::array<int, pool_grid::kColumns> kColumnLefts = {8, 136, 264, 392};
constexpr int kGridTop = 24;
constexpr int kGridPitch = 32;
constexpr QSize kItemSize(121, 25);

QPoint itemPosition(int slot)
{
    const pool_grid::Cell cell = pool_grid::cellOf(slot);
    return {kColumnLefts[static_cast<std::size_t>(cell.column)], kGridTop + kGridPitch * cell.row};
}

}  // namespace

void ExerciseLayout::build(QWidget* window)
{
    const LabelLook instructionBlack{kButtonText, kWindowRed, LayoutFont("Arial", 9.75, true), Qt::AlignLeft};
    const LabelLook instructionWhite{kWhite, kWindowRed, LayoutFont("Arial", 9.75, true), Qt::AlignLeft};
    const LabelLook largeBlack{kButtonText, kWindowRed, LayoutFont("Arial", 12, true), Qt::AlignLeft};
    const LabelLook largeWhite{kWhite, kWindowRed, LayoutFont("Arial", 12, true), Qt::AlignLeft};
    const LabelLook person{kPersonText, std::nullopt, LayoutFont("MS Sans Serif", 8.25, true), Qt::AlignLeft};
    const LabelLook target{kButtonText, kTargetBlue, LayoutFont("Arial", 9.75, true), Qt::AlignHCenter};
    const LabelLook proposal{kButtonText, kMenuNormal, LayoutFont("Arial", 9.75, true), Qt::AlignHCenter};
    const LabelLook creditLook{kWhite, std::nullopt, LayoutFont("MS Sans Serif", 8.25, false), Qt::AlignHCenter};

    titleStrip = makePanel(window, QStringLiteral("titleStrip"), {0, 0, 798, 33}, kStripGrey);
    title = makeLabel(titleStrip, QStringLiteral("title"), {16, 0, 22, 17},
                      {kWhite, std::nullopt, LayoutFont("Comic Sans MS", 9, true), Qt::AlignLeft});
    title->setWordWrap(false);
    minimiseButton = makeFaceButton(titleStrip, QStringLiteral("minimiseButton"), {736, 8, 11, 11}, "minimise");
    closeButton = makeFaceButton(titleStrip, QStringLiteral("closeButton"), {760, 8, 11, 11}, "close");

    instruction = makeLabel(window, QStringLiteral("instruction"), {40, 48, 169, 25}, instructionBlack);
    infinitive = makeLabel(window, QStringLiteral("infinitive"), {216, 48, 153, 25}, largeWhite);
    tenseIntro = makeLabel(window, QStringLiteral("tenseIntro"), {8, 104, 25, 41}, largeBlack, QStringLiteral("en"));
    tensePhrase = makeLabel(window, QStringLiteral("tensePhrase"), {48, 104, 217, 33}, instructionWhite);

    for (std::size_t i = 0; i < kPersonRows.size(); ++i) {
        const PersonRow& row = kPersonRows[i];
        personCaptions[i] = makeLabel(window, QStringLiteral("personCaption_%1").arg(i), row.caption, person,
                                      chrome::ToQString(catalogue::personCaption(static_cast<int>(i))));
        targets[i] = makeLabel(window, QStringLiteral("target_%1").arg(i),
                               {kTargetLeft, row.targetTop, kTargetWidth, kTargetHeight}, target);
    }

    poolFrame = new FrameBox(window);
    poolFrame->setObjectName(QStringLiteral("poolFrame"));
    poolFrame->setGeometry(272, 104, 521, 385);
    poolFrame->setFont(LayoutFont("Arial", 9.75, true));
    poolFrame->setCaptionColor(kTargetBlue);
    poolFrame->setCaption(QStringLiteral("Propostes de resposta."));
    chrome::SetBackground(poolFrame, Qt::black);
    for (std::size_t i = 0; i < pool.size(); ++i)
        pool[i] = makeLabel(poolFrame, QStringLiteral("pool_%1").arg(i), {itemPosition(static_cast<int>(i)), kItemSize},
                            proposal);

    restartButton = makeFaceButton(window, QStringLiteral("restartButton"), {16, 536, 118, 20}, "restart");
    scoreButton = makeFaceButton(window, QStringLiteral("scoreButton"), {144, 536, 69, 20}, "score");
    newVerbButton = makeFaceButton(window, QStringLiteral("newVerbButton"), {408, 520, 118, 20}, "new_verb");

    credit = makeLabel(window, QStringLiteral("credit"), {312, 568, 169, 17}, creditLook, kCredit);
    menuButton = makeMenuLabel<chrome::MenuButton>(window, QStringLiteral("menuButton"), {640, 560, 73, 17},
                                                   LayoutFont("Verdana", 8.25, true), QStringLiteral("MENÚ."));
    menuButton->setBoxed(true);

    // The panel's thin border frames its client area, which holds the two entries and cuts them
    // where they reach past it.
    auto* panel = new QFrame(window);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    menuPanel = panel;
    menuPanel->setObjectName(QStringLiteral("menuPanel"));
    menuPanel->setGeometry(640, 528, 73, 33);
    chrome::SetBackground(menuPanel, kPanelOrange);
    auto* client = new QWidget(menuPanel);
    client->setObjectName(QStringLiteral("menuPanelClient"));
    client->setGeometry(panel->contentsRect());
    const QFont entryFont = LayoutFont("MS Sans Serif", 8.25, true);
    // The entries fill the client area one below the other, their captions centred on the 73
    // pixels they were designed with, which the panel cuts off at its border.
    instructionsEntry = makeMenuLabel<chrome::TextButton>(client, QStringLiteral("instructionsEntry"), {0, 0, 71, 16},
                                                          entryFont, QStringLiteral("Objectiu."));
    quitEntry = makeMenuLabel<chrome::TextButton>(client, QStringLiteral("quitEntry"), {0, 16, 71, 15}, entryFont,
                                                  QStringLiteral("&Sortir."));
    for (chrome::TextButton* entry : {instructionsEntry, quitEntry})
        entry->setCaptionWidth(73);
    menuPanel->hide();
}

QLabel* ExerciseLayout::label(engine::Slot slot) const
{
    return slot.kind == engine::Slot::Kind::Pool ? pool[static_cast<std::size_t>(slot.index)]
                                                 : targets[static_cast<std::size_t>(slot.index)];
}

std::optional<engine::Slot> ExerciseLayout::slotOf(const QObject* control) const
{
    for (std::size_t i = 0; i < pool.size(); ++i)
        if (pool[i] == control)
            return engine::Slot::pool(static_cast<int>(i));
    for (std::size_t i = 0; i < targets.size(); ++i)
        if (targets[i] == control)
            return engine::Slot::target(static_cast<int>(i));
    return std::nullopt;
}
