// The one exercise in progress: building it, moving forms, scoring and restarting.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/board.h"
#include "engine/random_source.h"

namespace engine {

inline constexpr std::string_view kInstruction = "- Heu de conjugar el verb  ";
inline constexpr std::string_view kTitle = "La conjugació dels verbs- ";
inline constexpr std::string_view kScorePrefix = "Heu aconseguit: ";

// A pool entry is shown from the character after its first full stop; without one, whole.
std::string_view displayText(std::string_view entry);

class Exercise {
public:
    int verb() const { return verb_; }    // 1..62 once an exercise is built, 0 before
    int tense() const { return tense_; }  // 1..8; 3 is the imperative
    // The pool as built, which a restart brings back; "" is a blank slot.
    const std::array<std::string, kPoolSlots>& pool() const { return pool_; }
    // The form expected on each person row. Rows a tense does not use keep what an earlier
    // exercise left there and are never compared.
    const std::array<std::string, kTargets>& expected() const { return expected_; }
    const Board& board() const { return board_; }

    // Builds a new exercise: resets the board, reseeds the source, draws the tense and then
    // the verb, writes the instruction, loads the verb's paradigm and shows the pool.
    void build(UniformSource& source);

    const std::string& caption(Slot slot) const;
    bool canStartDrag(Slot slot) const { return !caption(slot).empty(); }
    // A drop: the captions of the dragged label and of the label it lands on change places.
    void exchange(Slot source, Slot target);

    int score() const;
    int outOf() const;
    std::string scoreText() const;  // "Heu aconseguit: 4 / 6"

    // Puts the pool back as built and empties the targets; verb, tense and sizes stay.
    void restart();

private:
    void loadParadigm();
    std::string& mutableCaption(Slot slot);
    void showPoolAsBuilt();

    int verb_ = 0;
    int tense_ = 0;
    std::array<std::string, kPoolSlots> pool_;
    std::array<std::string, kTargets> expected_;
    Board board_;
};

}  // namespace engine
