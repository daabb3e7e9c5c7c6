#include "app/command_line_texts.h"

#include <string_view>

#include "catalogue/catalogue.h"

namespace command_line {
namespace {

constexpr std::string_view kEnglishHelpStart = R"(Usage: conjugacio [OPTION]...
A drill in the conjugation of Catalan verbs: drag each proposed form onto the
person it belongs to.

  -h, --help           show this help and exit
      --version        show the version and exit
      --tenses=LIST    draw every exercise's tense from LIST: tense numbers
                         (below) separated by commas
      --verbs=LIST     draw every exercise's verb from LIST: infinitives as the
                         drill shows them (below), separated by commas; case
                         and accents are ignored
      --feedback       after "Avaluar.", mark every answer right or wrong, and
                         offer "Solució.", which puts every expected form on
                         its person (F3 does too)

)";

constexpr std::string_view kEnglishHelpEnd =
    R"(Qt's own options, such as -platform, -display and -style, are passed to Qt.

Examples:
  conjugacio --tenses=4,5           the two imperfects
  conjugacio --verbs=ser,haver,fer --feedback
                                    three irregular verbs, with correction
  conjugacio --tenses 3 --verbs cantar,temer,dormir
                                    the imperative of three regular verbs

Exit status: 0 once the window is closed, 1 if no graphical session could be
opened, 2 if the command line is wrong.
)";

constexpr std::string_view kCatalanHelpStart = R"(Ús: conjugacio [OPCIÓ]...
Exercicis de conjugació dels verbs catalans: arrossegueu cada forma proposada
fins a la persona que li correspon.

  -h, --help           mostra aquesta ajuda i surt
      --version        mostra la versió i surt
      --tenses=LLISTA  tria el temps de cada exercici d'entre LLISTA: números
                         de temps (a sota) separats per comes
      --verbs=LLISTA   tria el verb de cada exercici d'entre LLISTA: infinitius
                         com els mostra l'exercici (a sota), separats per
                         comes; no compten les majúscules ni els accents
      --feedback       després d'«Avaluar.», marca cada resposta com a correcta
                         o incorrecta, i ofereix «Solució.», que posa cada
                         forma esperada a la seva persona (F3 també)

)";

constexpr std::string_view kCatalanHelpEnd =
    R"(Les opcions pròpies de Qt, com ara -platform, -display i -style, passen a Qt.

Exemples:
  conjugacio --tenses=4,5           els dos imperfets
  conjugacio --verbs=ser,haver,fer --feedback
                                    tres verbs irregulars, amb correcció
  conjugacio --tenses 3 --verbs cantar,temer,dormir
                                    l'imperatiu de tres verbs regulars

Estat de sortida: 0 quan es tanca la finestra, 1 si no s'ha pogut obrir cap
sessió gràfica, 2 si la línia d'ordres és incorrecta.
)";

// "  cantar, témer, perdre, …", wrapped before 80 columns.
std::string VerbList()
{
    std::string list;
    std::string line = " ";
    for (int verb = 1; verb <= catalogue::kVerbCount; ++verb) {
        const std::string item = std::string(catalogue::infinitive(verb)) + (verb < catalogue::kVerbCount ? "," : "");
        if (line.size() + 1 + item.size() > 78) {  // bytes, so a line with accents is a little shorter
            list += line + '\n';
            line = " ";
        }
        line += ' ' + item;
    }
    return list + line + '\n';
}

std::string TenseList()
{
    std::string list;
    for (int tense = 1; tense <= catalogue::kTenseCount; ++tense)
        list += "  " + std::to_string(tense) + ' ' + std::string(catalogue::tensePhrase(tense)) + '\n';
    return list;
}

// A bad argument as one line can show it: control characters (a line break, say) become '?'.
std::string Shown(std::string item)
{
    for (char& c : item)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return item;
}

}  // namespace

std::string Help(Language language)
{
    const bool catalan = language == Language::Catalan;
    return std::string(catalan ? kCatalanHelpStart : kEnglishHelpStart) + (catalan ? "Temps:\n" : "Tenses:\n")
           + TenseList() + "\nVerbs:\n" + VerbList() + '\n' + std::string(catalan ? kCatalanHelpEnd : kEnglishHelpEnd);
}

std::string Version() { return "conjugacio " CONJUGACIO_VERSION "\n"; }

std::string Complaint(Language language, Fault fault, const std::string& item, const std::string& option)
{
    const std::string bad = Shown(item);
    std::string what;
    if (language == Language::Catalan) {
        const std::string quoted = "«" + bad + "»";
        switch (fault) {
        case Fault::UnknownOption:
            what = "l'opció " + quoted + " no existeix";
            break;
        case Fault::ValueNotAllowed:
            what = "l'opció " + quoted + " no admet cap valor";
            break;
        case Fault::ValueMissing:
            what = "l'opció " + quoted + " necessita un valor";
            break;
        case Fault::NoSuchTense:
            what = "no hi ha cap temps " + quoted + " (els temps van de l'1 al 8)";
            break;
        case Fault::NoSuchVerb:
            what = "l'exercici no té el verb " + quoted;
            break;
        case Fault::EmptyList:
            what = "la llista de l'opció «" + option + "» és buida";
            break;
        case Fault::EmptyItem:
            what = "la llista " + quoted + " de l'opció «" + option + "» té un element buit";
            break;
        case Fault::Operand:
            what = "argument inesperat " + quoted;
            break;
        }
        return "conjugacio: " + what + "\nProveu «conjugacio --help» per a més informació.\n";
    }
    const std::string quoted = "'" + bad + "'";
    switch (fault) {
    case Fault::UnknownOption:
        what = "unrecognized option " + quoted;
        break;
    case Fault::ValueNotAllowed:
        what = "option " + quoted + " doesn't allow a value";
        break;
    case Fault::ValueMissing:
        what = "option " + quoted + " requires a value";
        break;
    case Fault::NoSuchTense:
        what = "no tense " + quoted + " (the tenses are numbered 1 to 8)";
        break;
    case Fault::NoSuchVerb:
        what = "the drill has no verb " + quoted;
        break;
    case Fault::EmptyList:
        what = "the list of option '" + option + "' is empty";
        break;
    case Fault::EmptyItem:
        what = "the list " + quoted + " of option '" + option + "' has an empty item";
        break;
    case Fault::Operand:
        what = "unexpected argument " + quoted;
        break;
    }
    return "conjugacio: " + what + "\nTry 'conjugacio --help' for more information.\n";
}

}  // namespace command_line
