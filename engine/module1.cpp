#include "module1.h"

#include "catalogue.h"

namespace engine {
namespace {

void load(const catalogue::Block& block, Module1& module, Board& board)
{
    const int verb = module.CurrentVerb;
    const int tense = module.CurrentTense;
    if (verb < block.first || verb > block.last || tense < 1 || tense > catalogue::kTenseCount)
        return;
    const catalogue::VerbParadigm& paradigm = block.verbs[static_cast<std::size_t>(verb - block.first)];

    if (paradigm.poolFontSmall)
        board.itemFontSize = kSmallFontSize;
    for (std::size_t k = 0; k < paradigm.pool.size(); ++k)
        if (!paradigm.pool[k].empty())
            module.Proposals[k] = paradigm.pool[k];

    const catalogue::Row& row = paradigm.row(tense);
    const int first = catalogue::firstPersonRow(tense);
    for (int r = first; r < kTargets; ++r)
        module.ExpectedAnswers[static_cast<std::size_t>(r)] = row[static_cast<std::size_t>(r)];
    if (first == 1)
        board.rowVisible[0] = false;

    if (paradigm.targetFontSmall.contains(tense))
        board.targetFontSize = kSmallFontSize;
}

}  // namespace

void LoadVerbs1to5(Module1& module, Board& board) { load(catalogue::verbs1to5(), module, board); }
void LoadVerbs6to25(Module1& module, Board& board) { load(catalogue::verbs6to25(), module, board); }
void LoadVerbs26to50(Module1& module, Board& board) { load(catalogue::verbs26to50(), module, board); }
void LoadVerbs51to62(Module1& module, Board& board) { load(catalogue::verbs51to62(), module, board); }

}  // namespace engine
