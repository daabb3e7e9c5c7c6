#include "catalogue/catalogue.h"

#include <cassert>

namespace catalogue {
namespace {

constexpr std::array<std::string_view, kVerbCount> kInfinitives = {
    "cantar",    "témer",     "perdre",    "dormir",   "servir",
    "beure",     "cabre",     "caure",     "collir",   "complaure",
    "conèixer",  "confondre", "córrer",    "créixer",  "desfer",
    "dir",       "eixir",     "escriure",  "fer",      "fondre",
    "fugir",     "haver",     "heure",     "jeure",    "lluir(forma pura)",
    "néixer",    "ofendre",   "pertànyer", "poder",    "prendre",
    "pretendre", "pudir",     "pruir",     "prevenir", "rebre",
    "reeixir",   "respondre", "romandre",  "saber",    "ser",
    "seure",     "sostenir",  "valer",     "vèncer",   "vendre",
    "venir",     "veure",     "viure",     "voler",    "obrir",
    "ajupir",    "argüir",    "començar",  "enaiguar", "envejar",
    "esglaiar",  "canviar",   "evacuar",   "mentir",   "obliquar",
    "pregar",    "trencar",
};

constexpr std::array<std::string_view, kTenseCount> kTensePhrases = {
    "present d'indicatiu.",
    "present de subjuntiu.",
    "present d'imperatiu.",
    "pretèrit imperfet d'indicatiu.",
    "pretèrit imperfet de subjuntiu.",
    "pretèrit perfet d'indicatiu.",
    "futur d'indicatiu.",
    "present de condicional.",
};

constexpr std::array<std::string_view, kPersonCount> kPersonCaptions = {
    "1 persona singular.", "2 persona singular.", "3 persona singular.",
    "1 persona plural.",   "2 persona plural.",   "3 persona plural.",
};

}  // namespace

std::string_view infinitive(int verb)
{
    assert(verb >= 1 && verb <= kVerbCount);
    return kInfinitives[static_cast<std::size_t>(verb - 1)];
}

std::string_view tensePhrase(int tense)
{
    assert(tense >= 1 && tense <= kTenseCount);
    return kTensePhrases[static_cast<std::size_t>(tense - 1)];
}

std::string_view personCaption(int row)
{
    assert(row >= 0 && row < kPersonCount);
    return kPersonCaptions[static_cast<std::size_t>(row)];
}

const VerbParadigm& paradigm(int verb)
{
    assert(verb >= 1 && verb <= kVerbCount);
    for (Block block : {verbs1to5(), verbs6to25(), verbs26to50(), verbs51to62()})
        if (verb <= block.last)
            return block.verbs[static_cast<std::size_t>(verb - block.first)];
    return verbs51to62().verbs.back();  // not reached: verb is at most 62
}

}  // namespace catalogue
