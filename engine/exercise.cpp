#include "exercise.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cmath>
#include <utility>

#include "catalogue.h"

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

Loader loaderFor(int verb)
{
    // Each loader with the block whose verbs it loads; any number past the third block's last
    // verb goes to the fourth loader.
    const std::pair<catalogue::Block, Loader> blocks[] = {{catalogue::verbs1to5(), LoadVerbs1to5},
                                                          {catalogue::verbs6to25(), LoadVerbs6to25},
                                                          {catalogue::verbs26to50(), LoadVerbs26to50}};
    for (const auto& [block, loader] : blocks)
        if (verb <= block.last)
            return loader;
    return LoadVerbs51to62;
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
    for (auto& slot : module_.Proposals)
        slot.clear();
    board_.itemFontSize = kNormalFontSize;
    board_.targetFontSize = kNormalFontSize;
    board_.title = kTitle;
    board_.titleVisible = true;

    source.reseedFromClock();
    module_.CurrentTense = drawNumber(source, catalogue::kTenseCount);
    module_.CurrentVerb = drawNumber(source, catalogue::kVerbCount);

    board_.instruction = kInstruction;
    board_.infinitive = catalogue::infinitive(module_.CurrentVerb);
    board_.tensePhrase = catalogue::tensePhrase(module_.CurrentTense);

    loaderFor(module_.CurrentVerb)(module_, board_);
    showPoolAsBuilt();
}

void Exercise::showPoolAsBuilt()
{
    for (std::size_t i = 0; i < board_.items.size(); ++i)
        board_.items[i] = displayText(module_.Proposals[i]);
}

const std::string& Exercise::caption(Slot slot) const
{
    if (slot.kind == Slot::Kind::Pool) {
        assert(slot.index >= 0 && slot.index < kPoolSlots);
        return board_.items[static_cast<std::size_t>(slot.index)];
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
    for (int r = catalogue::firstPersonRow(module_.CurrentTense); r < kTargets; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (module_.ExpectedAnswers[i] == board_.targets[i])
            ++score;
    }
    return score;
}

int Exercise::outOf() const { return kTargets - catalogue::firstPersonRow(module_.CurrentTense); }

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
