#include "ui/exercise/hover.h"

namespace hover {
namespace {

using enum Control;
using enum Look;

// The window and the frame put everything back, whether or not anything is lit.
constexpr Change kGeneralReset[] = {
    {MenuPanel, Normal},     {MinimiseButton, Normal}, {CloseButton, Normal},
    {RestartButton, Normal}, {ScoreButton, Normal},    {NewVerbButton, Normal},
    {MenuButton, Normal},    {QuitEntry, Normal},      {InstructionsEntry, Normal},
};
// The pool leaves the title strip's boxes and "Recomençar." as they are.
constexpr Change kPoolReset[] = {
    {ScoreButton, Normal}, {NewVerbButton, Normal},     {MenuButton, Normal},
    {QuitEntry, Normal},   {InstructionsEntry, Normal}, {MenuPanel, Normal},
};
constexpr Change kInstruction[] = {{CloseButton, Normal}, {ScoreButton, Normal}, {NewVerbButton, Normal}};
constexpr Change kTitleDragged[] = {
    {CloseButton, Normal}, {ScoreButton, Normal}, {NewVerbButton, Normal}, {MinimiseButton, Normal}};
constexpr Change kRestart[] = {{RestartButton, Lit}};
constexpr Change kScore[] = {{ScoreButton, Lit}};
constexpr Change kNewVerb[] = {{NewVerbButton, Lit}};
// The two boxes of the title strip each put the other back.
constexpr Change kMinimise[] = {{MinimiseButton, Lit}, {CloseButton, Normal}};
constexpr Change kClose[] = {{CloseButton, Lit}, {MinimiseButton, Normal}};
constexpr Change kMenu[] = {{MenuButton, Lit}};
// Of the two entries at most one is lit.
constexpr Change kInstructionsEntry[] = {{InstructionsEntry, Lit}, {QuitEntry, Normal}};
constexpr Change kQuitEntry[] = {{QuitEntry, Lit}, {InstructionsEntry, Normal}};

}  // namespace

std::span<const Change> ChangesOver(Surface surface)
{
    switch (surface) {
    case Surface::Window:
    case Surface::PoolFrame:
        return kGeneralReset;
    case Surface::PoolLabel:
        return kPoolReset;
    case Surface::Instruction:
        return kInstruction;
    case Surface::TitleDragged:
        return kTitleDragged;
    case Surface::RestartButton:
        return kRestart;
    case Surface::ScoreButton:
        return kScore;
    case Surface::NewVerbButton:
        return kNewVerb;
    case Surface::MinimiseButton:
        return kMinimise;
    case Surface::CloseButton:
        return kClose;
    case Surface::MenuButton:
        return kMenu;
    case Surface::InstructionsEntry:
        return kInstructionsEntry;
    case Surface::QuitEntry:
        return kQuitEntry;
    }
    return {};
}

}  // namespace hover
