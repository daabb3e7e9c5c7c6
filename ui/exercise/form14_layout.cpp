#include "form14_layout.h"

#include <optional>

#include "catalogue.h"
#include "colours.h"
#include "layout_font.h"
#include "pool_grid.h"

namespace {

using namespace look;

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

QLabel* makeImage(QWidget* parent, const QString& name, QRect geometry)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    return image;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

void Form14Layout::build(QWidget* window)
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

    Picture1 = makePanel(window, QStringLiteral("Picture1"), {0, 0, 798, 33}, kStripGrey);
    Label6 = makeLabel(Picture1, QStringLiteral("Label6"), {16, 0, 22, 17},
                       {kWhite, std::nullopt, LayoutFont("Comic Sans MS", 9, true), Qt::AlignLeft});
    Label6->setWordWrap(false);
    pica = makeImage(Picture1, QStringLiteral("pica"), {736, 8, 11, 11});
    Image1 = makeImage(Picture1, QStringLiteral("Image1"), {760, 8, 11, 11});

    Label5 = makeLabel(window, QStringLiteral("Label5"), {40, 48, 169, 25}, instructionBlack,
                       QStringLiteral("- Heu de conjugar el verb;"));
    Label2 = makeLabel(window, QStringLiteral("Label2"), {216, 48, 153, 25}, largeWhite, QStringLiteral("Label2"));
    Label1 = makeLabel(window, QStringLiteral("Label1"), {8, 104, 25, 41}, largeBlack, QStringLiteral("en"));
    Label8 = makeLabel(window, QStringLiteral("Label8"), {48, 104, 217, 33}, instructionWhite, QStringLiteral("label8"));

    for (std::size_t i = 0; i < kPersonRows.size(); ++i) {
        const PersonRow& row = kPersonRows[i];
        Label3[i] = makeLabel(window, QStringLiteral("Label3_%1").arg(i), row.caption, person,
                              toQString(catalogue::personCaption(static_cast<int>(i))));
        Réponse[i] = makeLabel(window, QStringLiteral("Réponse_%1").arg(i),
                               {kTargetLeft, row.targetTop, kTargetWidth, kTargetHeight}, target);
    }

    Frame1 = new FrameBox(window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(272, 104, 521, 385);
    Frame1->setFont(LayoutFont("Arial", 9.75, true));
    Frame1->setCaptionColor(kTargetBlue);
    Frame1->setCaption(QStringLiteral("Propostes de resposta."));
    chrome::SetBackground(Frame1, Qt::black);
    for (std::size_t i = 0; i < Item.size(); ++i)
        Item[i] = makeLabel(Frame1, QStringLiteral("Item_%1").arg(i), {itemPosition(static_cast<int>(i)), kItemSize},
                            proposal);

    rec1 = makeImage(window, QStringLiteral("rec1"), {16, 536, 118, 20});
    eva1 = makeImage(window, QStringLiteral("eva1"), {144, 536, 69, 20});
    altre1 = makeImage(window, QStringLiteral("altre1"), {408, 520, 118, 20});

    Label3_31 = makeLabel(window, QStringLiteral("Label3_31"), {312, 568, 169, 17}, credit, kCredit);
    Label7 = makeLabel(window, QStringLiteral("Label7"), {640, 560, 73, 17}, menu, QStringLiteral("MENÚ."));
    Label7->setFrameStyle(QFrame::Box | QFrame::Plain);

    // The panel's thin border frames its client area, which holds the two entries and cuts them
    // where they reach past it.
    auto* panel = new QFrame(window);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture2 = panel;
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(640, 528, 73, 33);
    chrome::SetBackground(Picture2, kPanelOrange);
    auto* client = new QWidget(Picture2);
    client->setObjectName(QStringLiteral("Picture2_client"));
    client->setGeometry(panel->contentsRect());
    MnuObjectif = makeLabel(client, QStringLiteral("MnuObjectif"), {0, 0, 73, 17}, menuEntry, QStringLiteral("Objectiu."));
    MnuQuitter = makeLabel(client, QStringLiteral("MnuQuitter"), {0, 16, 73, 17}, menuEntry, QStringLiteral("&Sortir."));
    MnuQuitter->setTextFormat(Qt::PlainText);
    MnuQuitter->setBuddy(MnuQuitter);
    Picture2->hide();
}

QLabel* Form14Layout::label(engine::Slot slot) const
{
    return slot.kind == engine::Slot::Kind::Pool ? Item[static_cast<std::size_t>(slot.index)]
                                                 : Réponse[static_cast<std::size_t>(slot.index)];
}

std::optional<engine::Slot> Form14Layout::slotOf(const QObject* control) const
{
    for (std::size_t i = 0; i < Item.size(); ++i)
        if (Item[i] == control)
            return engine::Slot::pool(static_cast<int>(i));
    for (std::size_t i = 0; i < Réponse.size(); ++i)
        if (Réponse[i] == control)
            return engine::Slot::target(static_cast<int>(i));
    return std::nullopt;
}
