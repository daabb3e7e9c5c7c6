// The one exercise in progress: building it, moving forms, scoring and restarting.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/choice.h"
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

    // The tenses and verbs the next exercises are drawn among; all of them unless set.
    void drawAmong(Choice choice);

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

    // Marks every answer right or wrong as the score counts it. The marks hold until the board
    // changes: a drop that moves a form, a restart or a new exercise.
    void markAnswers();
    bool answersMarked() const { return answersMarked_; }
    // Whether the target of person row `row` holds the form expected there.
    bool answerRight(int row) const;

    // The drops that put every expected form on its target, in order: each moves the form from
    // wherever it is now, a target that holds it wrongly before the pool.
    struct Drop {
        Slot source;
        Slot target;
        friend bool operator==(const Drop&, const Drop&) = default;
    };
    std::vector<Drop> solution() const;

private:
    void loadParadigm();
    std::string& mutableCaption(Slot slot);
    void showPoolAsBuilt();

    Choice choice_;
    int verb_ = 0;
    int tense_ = 0;
    bool answersMarked_ = false;
    std::array<std::string, kPoolSlots> pool_;
    std::array<std::string, kTargets> expected_;
    Board board_;
};

}  // namespace engine
