// What the pointer moving over each surface of the exercise window does to the buttons' faces,
// the menu labels' colours and the menu panel. Nothing resets by itself when the pointer leaves a
// control: the surfaces around it put things back as they are listed here.
#pragma once

#include <span>

namespace hover {

enum class Surface {
    Window,        // the bare window
    PoolFrame,     // the frame around the pool, between its labels
    PoolLabel,     // any pool label, empty or not
    Instruction,   // "- Heu de conjugar el verb  "
    TitleDragged,  // the title, with the left button held alone
    RestartButton,
    ScoreButton,
    NewVerbButton,
    MinimiseButton,
    CloseButton,
    MenuButton,
    InstructionsEntry,
    QuitEntry,
};

enum class Control {
    RestartButton,
    ScoreButton,
    NewVerbButton,
    MinimiseButton,
    CloseButton,
    MenuButton,
    InstructionsEntry,
    QuitEntry,
    MenuPanel,
};

// Normal: a button's normal face, a menu label's normal colour, the menu panel hidden.
// Lit: a button's hover face, a menu label's highlight colour.
enum class Look { Normal, Lit };

struct Change {
    Control control;
    Look look;
};

// The changes a move over `surface` makes, in order.
std::span<const Change> ChangesOver(Surface surface);

}  // namespace hover
