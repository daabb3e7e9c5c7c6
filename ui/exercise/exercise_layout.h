// The controls of the exercise window, created and placed as the window is designed. Positions
// and sizes are pixels at 96 dots per inch.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include <array>
#include <optional>

#include "engine/board.h"
#include "ui/chrome/buttons.h"
#include "ui/exercise/frame_box.h"

namespace look {

inline const QColor kWindowRed(192, 0, 0);
inline const QColor kStripGrey(70, 70, 70);
inline const QColor kPersonText(162, 181, 163);
inline const QColor kTargetBlue(113, 149, 155);
inline const QColor kMenuNormal(155, 162, 134);
inline const QColor kMenuHighlight(81, 108, 117);
inline const QColor kPanelOrange(242, 180, 102);

}  // namespace look

struct ExerciseLayout {
    static constexpr QSize kWindowSize{800, 600};

    // Creates every control of the window, children of `window`.
    void build(QWidget* window);

    // The label of a pool slot or person target, and the slot or target a control is, if any.
    QLabel* label(engine::Slot slot) const;
    std::optional<engine::Slot> slotOf(const QObject* control) const;

    QWidget* titleStrip = nullptr;
    QLabel* title = nullptr;
    chrome::FaceButton* minimiseButton = nullptr;
    chrome::FaceButton* closeButton = nullptr;
    QLabel* instruction = nullptr;  // "- Heu de conjugar el verb  "
    QLabel* infinitive = nullptr;
    QLabel* tenseIntro = nullptr;  // "en"
    QLabel* tensePhrase = nullptr;
    std::array<QLabel*, engine::kTargets> personCaptions{};
    std::array<QLabel*, engine::kTargets> targets{};
    FrameBox* poolFrame = nullptr;
    std::array<QLabel*, engine::kPoolSlots> pool{};
    chrome::FaceButton* restartButton = nullptr;  // "Recomençar."
    chrome::FaceButton* scoreButton = nullptr;    // "Avaluar."
    chrome::FaceButton* newVerbButton = nullptr;  // "Altre verb."
    QLabel* credit = nullptr;
    chrome::MenuButton* menuButton = nullptr;  // "MENÚ."
    QWidget* menuPanel = nullptr;
    chrome::TextButton* instructionsEntry = nullptr;  // "Objectiu."
    chrome::TextButton* quitEntry = nullptr;          // "Sortir."
};
