#include "engine/exercise.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cmath>
#include <utility>

#include "catalogue/catalogue.h"

namespace engine {

void ClockSeededSource::reseedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937_64::result_type>(ticks));
}

double ClockSeededSource::next()
{
    const double r = std::generate_canonical<double, 53>(generator_);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);  // some library versions can round up to 1
}

std::string_view displayText(std::string_view entry)
{
    const auto stop = entry.find('.');
    return stop == std::string_view::npos ? entry : entry.substr(stop + 1);
}

namespace {

// floor(r * count) + 1, kept within 1..count.
int drawNumber(UniformSource& source, int count)
{
    const int n = static_cast<int>(std::floor(source.next() * count)) + 1;
    return std::clamp(n, 1, count);
}

}  // namespace

void Exercise::build(UniformSource& source)
{
    for (int i = 0; i < kTargets; ++i) {
        board_.targets[static_cast<std::size_t>(i)].clear();
        board_.rowVisible[static_cast<std::size_t>(i)] = true;
    }
    for (auto& slot : pool_)
        slot.clear();
    board_.poolFontSize = kNormalFontSize;
    board_.targetFontSize = kNormalFontSize;
    board_.title = kTitle;
    board_.titleVisible = true;

    source.reseedFromClock();
    tense_ = drawNumber(source, catalogue::kTenseCount);
    verb_ = drawNumber(source, catalogue::kVerbCount);

    board_.instruction = kInstruction;
    board_.infinitive = catalogue::infinitive(verb_);
    board_.tensePhrase = catalogue::tensePhrase(tense_);

    loadParadigm();
    showPoolAsBuilt();
}

// Copies the verb's pool and the row of the current tense, lowers the type sizes the catalogue
// asks for and hides the first person's row in the imperative.
void Exercise::loadParadigm()
{
    const catalogue::VerbParadigm& paradigm = catalogue::paradigm(verb_);
    if (paradigm.poolFontSmall)
        board_.poolFontSize = kSmallFontSize;
    std::copy(paradigm.pool.begin(), paradigm.pool.end(), pool_.begin());

    const catalogue::Row& row = paradigm.row(tense_);
    const int first = catalogue::firstPersonRow(tense_);
    for (int r = first; r < kTargets; ++r)
        expected_[static_cast<std::size_t>(r)] = row[static_cast<std::size_t>(r)];
    if (first == 1)
        board_.rowVisible[0] = false;

    if (paradigm.targetFontSmall.contains(tense_))
        board_.targetFontSize = kSmallFontSize;
}

void Exercise::showPoolAsBuilt()
{
    for (std::size_t i = 0; i < board_.pool.size(); ++i)
        board_.pool[i] = displayText(pool_[i]);
}

const std::string& Exercise::caption(Slot slot) const
{
    if (slot.kind == Slot::Kind::Pool) {
        assert(slot.index >= 0 && slot.index < kPoolSlots);
        return board_.pool[static_cast<std::size_t>(slot.index)];
    }
    assert(slot.index >= 0 && slot.index < kTargets);
    return board_.targets[static_cast<std::size_t>(slot.index)];
}

std::string& Exercise::mutableCaption(Slot slot)
{
    return const_cast<std::string&>(std::as_const(*this).caption(slot));
}

void Exercise::exchange(Slot source, Slot target)
{
    assert(target.kind == Slot::Kind::Pool || board_.rowVisible[static_cast<std::size_t>(target.index)]);
    std::swap(mutableCaption(source), mutableCaption(target));
}

int Exercise::score() const
{
    int score = 0;
    for (int r = catalogue::firstPersonRow(tense_); r < kTargets; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (expected_[i] == board_.targets[i])
            ++score;
    }
    return score;
}

int Exercise::outOf() const { return kTargets - catalogue::firstPersonRow(tense_); }

std::string Exercise::scoreText() const
{
    return std::string(kScorePrefix) + std::to_string(score()) + " / " + std::to_string(outOf());
}

void Exercise::restart()
{
    showPoolAsBuilt();
    for (auto& target : board_.targets)
        target.clear();
}

}  // namespace engine
