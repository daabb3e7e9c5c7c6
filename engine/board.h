// What the exercise window shows of the exercise in progress: the captions of the pool labels and
// of the person targets, which person rows are shown, the type sizes and the instruction.
#pragma once

#include <array>
#include <string>

#include "catalogue/catalogue.h"

namespace engine {

inline constexpr int kPoolSlots = catalogue::kPoolSlots;
inline constexpr int kTargets = catalogue::kPersonCount;
inline constexpr int kNormalFontSize = 10;
inline constexpr int kSmallFontSize = 8;

// A label the learner can drag from or drop onto: a pool slot or a person target.
struct Slot {
    enum class Kind { Pool, Target };
    Kind kind;
    int index;  // 0..43 for the pool, 0..5 for the targets

    static constexpr Slot pool(int i) { return {Kind::Pool, i}; }
    static constexpr Slot target(int i) { return {Kind::Target, i}; }
    friend constexpr bool operator==(Slot, Slot) = default;
};

// The learner's work lives in `pool` and `targets` only; "" is an empty label.
struct Board {
    std::array<std::string, kPoolSlots> pool;  // what each pool label shows now
    std::array<std::string, kTargets> targets;
    std::array<bool, kTargets> rowVisible{true, true, true, true, true, true};
    int poolFontSize = kNormalFontSize;
    int targetFontSize = kNormalFontSize;
    std::string instruction;  // "- Heu de conjugar el verb  "
    std::string infinitive;
    std::string tensePhrase;
    std::string title;
    bool titleVisible = false;
};

}  // namespace engine
