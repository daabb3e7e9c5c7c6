// The constant conjugation catalogue: verbs, tenses, persons and one paradigm per verb.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace catalogue {

inline constexpr int kVerbCount = 62;
inline constexpr int kTenseCount = 8;
inline constexpr int kPersonCount = 6;
inline constexpr int kPoolSlots = 44;
inline constexpr int kMinPoolForms = 40;

enum class Tense : int {
    PresentIndicative = 1,
    PresentSubjunctive = 2,
    Imperative = 3,
    ImperfectIndicative = 4,
    ImperfectSubjunctive = 5,
    PerfectIndicative = 6,
    FutureIndicative = 7,
    Conditional = 8,
};

// A set of tense numbers 1..8, one bit each.
class TenseSet {
public:
    constexpr TenseSet() = default;
    constexpr TenseSet(std::initializer_list<int> tenses)
    {
        for (int t : tenses)
            bits_ |= static_cast<std::uint16_t>(1u << t);
    }
    constexpr bool contains(int tense) const { return (bits_ >> tense) & 1u; }

private:
    std::uint16_t bits_ = 0;
};

using Row = std::array<std::string_view, kPersonCount>;
// The pool of proposed forms in its fixed arrangement: slot k goes to proposal k, and the
// slots past the listed forms are blank ("").
class Pool {
public:
    constexpr Pool(std::initializer_list<std::string_view> forms)
    {
        std::size_t k = 0;
        for (const auto& form : forms)
            slots_[k++] = form;  // more than kPoolSlots forms does not compile as a constant
        for (; k < slots_.size(); ++k)
            slots_[k] = std::string_view("");
    }
    constexpr const std::string_view& operator[](std::size_t k) const { return slots_[k]; }
    constexpr auto begin() const { return slots_.begin(); }
    constexpr auto end() const { return slots_.end(); }
    static constexpr std::size_t size() { return kPoolSlots; }

private:
    std::array<std::string_view, kPoolSlots> slots_{};
};

// One verb. rows[t - 1][r] is the form expected on person row r in tense t; the imperative
// has no first person singular, so rows[2][0] is never read (it is left blank).
struct VerbParadigm {
    std::string_view infinitive;
    Pool pool;  // the fixed arrangement; blank slots ("") come last
    std::array<Row, kTenseCount> rows;
    bool poolFontSmall = false;
    TenseSet targetFontSmall;

    constexpr const Row& row(int tense) const { return rows[static_cast<std::size_t>(tense - 1)]; }
};

// The first and last person row a tense uses: the imperative starts at row 1.
constexpr int firstPersonRow(int tense) { return tense == static_cast<int>(Tense::Imperative) ? 1 : 0; }

std::string_view infinitive(int verb);    // verb 1..62
std::string_view tensePhrase(int tense);  // tense 1..8
std::string_view personCaption(int row);  // row 0..5
const VerbParadigm& paradigm(int verb);   // verb 1..62

// The four blocks of the catalogue, by verb number.
struct Block {
    int first;
    int last;
    std::span<const VerbParadigm> verbs;  // verbs[0] is verb `first`
};
Block verbs1to5();
Block verbs6to25();
Block verbs26to50();
Block verbs51to62();

}  // namespace catalogue
