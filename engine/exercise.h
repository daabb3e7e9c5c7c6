// The one exercise in progress: building it, moving forms, scoring and restarting.
#pragma once

#include <string>
#include <string_view>

#include "module1.h"
#include "random_source.h"

namespace engine {

// A label the learner can drag from or drop onto: a pool slot or a person target.
struct Slot {
    enum class Kind { Pool, Target };
    Kind kind;
    int index;  // 0..43 for the pool, 0..5 for the targets

    static constexpr Slot pool(int i) { return {Kind::Pool, i}; }
    static constexpr Slot target(int i) { return {Kind::Target, i}; }
    friend constexpr bool operator==(Slot, Slot) = default;
};

inline constexpr std::string_view kInstruction = "- Heu de conjugar el verb  ";
inline constexpr std::string_view kTitle = "La conjugació dels verbs- ";
inline constexpr std::string_view kScorePrefix = "Heu aconseguit: ";

// A pool entry is shown from the character after its first full stop; without one, whole.
std::string_view displayText(std::string_view entry);

// The loader of the block that holds `verb`.
using Loader = void (*)(Module1&, Board&);
Loader loaderFor(int verb);

class Exercise {
public:
    const Module1& state() const { return module_; }
    const Board& board() const { return board_; }

    // Builds a new exercise: resets the board, reseeds the source, draws the tense and then
    // the verb, writes the instruction, runs the verb's loader and shows the pool.
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
    std::string& mutableCaption(Slot slot);
    void showPoolAsBuilt();

    Module1 module_;
    Board board_;
};

}  // namespace engine
