// The exercise state shared by the windows, and the four catalogue loaders that fill it.
#pragma once

#include <array>
#include <string>

#include "catalogue.h"

namespace engine {

inline constexpr int kPoolSlots = catalogue::kPoolSlots;
inline constexpr int kTargets = catalogue::kPersonCount;
inline constexpr int kNormalFontSize = 10;
inline constexpr int kSmallFontSize = 8;

struct Module1 {
    int CurrentVerb = 0;   // 1..62 once an exercise is built
    int CurrentTense = 0;  // 1..8; 3 is the imperative
    std::array<std::string, kPoolSlots> Proposals;  // the pool as built; "" is a blank slot
    std::array<std::string, kTargets> ExpectedAnswers;
};

// What the exercise window shows. The learner's work lives in `items` and `targets` only.
struct Board {
    std::array<std::string, kPoolSlots> items;  // the captions of the pool labels
    std::array<std::string, kTargets> targets;  // the captions of the person targets
    std::array<bool, kTargets> rowVisible{true, true, true, true, true, true};
    int itemFontSize = kNormalFontSize;
    int targetFontSize = kNormalFontSize;
    std::string instruction;   // "- Heu de conjugar el verb  "
    std::string infinitive;
    std::string tensePhrase;
    std::string title;
    bool titleVisible = false;
};

// Each loader handles the verbs of its block and changes nothing for any other verb: it copies
// the verb's pool into Proposals, the row of the current tense into ExpectedAnswers, lowers the
// type sizes the catalogue asks for and hides person row 0 in the imperative.
void LoadVerbs1to5(Module1& module, Board& board);
void LoadVerbs6to25(Module1& module, Board& board);
void LoadVerbs26to50(Module1& module, Board& board);
void LoadVerbs51to62(Module1& module, Board& board);

}  // namespace engine
