// Compile-time checks of a verb's paradigm: the pool is exactly the multiset of its rows' forms.
#pragma once

#include "catalogue/catalogue.h"

namespace catalogue {

constexpr int poolFormCount(const VerbParadigm& v)
{
    int n = 0;
    for (const auto& form : v.pool)
        n += form.empty() ? 0 : 1;
    return n;
}

constexpr bool blanksLast(const VerbParadigm& v)
{
    bool blankSeen = false;
    for (const auto& form : v.pool) {
        if (form.empty())
            blankSeen = true;
        else if (blankSeen)
            return false;
    }
    return true;
}

constexpr int countInRow(const Row& row, int firstRow, std::string_view form)
{
    int n = 0;
    for (int r = firstRow; r < kPersonCount; ++r)
        n += row[static_cast<std::size_t>(r)] == form ? 1 : 0;
    return n;
}

// The most times `form` occurs within a single row of the verb.
constexpr int mostInOneRow(const VerbParadigm& v, std::string_view form)
{
    int most = 0;
    for (int t = 1; t <= kTenseCount; ++t) {
        int n = countInRow(v.row(t), firstPersonRow(t), form);
        most = n > most ? n : most;
    }
    return most;
}

constexpr int countInPool(const VerbParadigm& v, std::string_view form)
{
    int n = 0;
    for (const auto& f : v.pool)
        n += f == form ? 1 : 0;
    return n;
}

// Every non-blank form of the rows is in the pool as many times as it occurs within one row,
// and the pool holds nothing else.
constexpr bool poolMatchesRows(const VerbParadigm& v)
{
    for (const auto& form : v.pool)
        if (!form.empty() && countInPool(v, form) != mostInOneRow(v, form))
            return false;
    for (int t = 1; t <= kTenseCount; ++t)
        for (int r = firstPersonRow(t); r < kPersonCount; ++r) {
            const auto& form = v.row(t)[static_cast<std::size_t>(r)];
            if (!form.empty() && countInPool(v, form) != mostInOneRow(v, form))
                return false;
        }
    return true;
}

constexpr bool wellFormed(const VerbParadigm& v)
{
    const int forms = poolFormCount(v);
    return forms >= kMinPoolForms && forms <= kPoolSlots && blanksLast(v) && poolMatchesRows(v)
           && v.row(static_cast<int>(Tense::Imperative))[0].empty();
}

template <std::size_t N>
constexpr bool allWellFormed(const std::array<VerbParadigm, N>& block)
{
    for (const auto& v : block)
        if (!wellFormed(v))
            return false;
    return true;
}

}  // namespace catalogue
