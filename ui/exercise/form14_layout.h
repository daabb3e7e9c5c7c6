// The controls of the exercise window, created and placed as the window is designed. Positions
// and sizes are pixels at 96 dots per inch.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include <array>
#include <optional>

#include "exercise.h"
#include "frame_box.h"

namespace look {

inline const QColor kWindowRed(192, 0, 0);
inline const QColor kStripGrey(70, 70, 70);
inline const QColor kPersonText(162, 181, 163);
inline const QColor kTargetBlue(113, 149, 155);
inline const QColor kMenuNormal(155, 162, 134);
inline const QColor kMenuHighlight(81, 108, 117);
inline const QColor kPanelOrange(242, 180, 102);

}  // namespace look

struct Form14Layout {
    // Creates every control of the window, children of `window`.
    void build(QWidget* window);

    // The label of a pool slot or person target, and the slot or target a control is, if any.
    QLabel* label(engine::Slot slot) const;
    std::optional<engine::Slot> slotOf(const QObject* control) const;

    QWidget* Picture1 = nullptr;  // the title strip
    QLabel* Label6 = nullptr;     // the title
    QLabel* pica = nullptr;       // the minimise box
    QLabel* Image1 = nullptr;     // the close box
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;  // the infinitive
    QLabel* Label1 = nullptr;
    QLabel* Label8 = nullptr;  // the tense phrase
    std::array<QLabel*, engine::kTargets> Label3{};   // the person captions
    std::array<QLabel*, engine::kTargets> Réponse{};  // the person targets
    FrameBox* Frame1 = nullptr;
    std::array<QLabel*, engine::kPoolSlots> Item{};  // the pool
    QLabel* rec1 = nullptr;
    QLabel* eva1 = nullptr;
    QLabel* altre1 = nullptr;
    QLabel* Label3_31 = nullptr;  // the credit line
    QLabel* Label7 = nullptr;     // "MENÚ."
    QWidget* Picture2 = nullptr;  // the menu panel
    QLabel* MnuObjectif = nullptr;
    QLabel* MnuQuitter = nullptr;
};
