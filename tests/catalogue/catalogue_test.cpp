// The catalogue's fixed content and the shape of every form: the verbs whose rows are fixed in
// full, the present of the others, where alternative forms stand, type sizes, and the pools.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace catalogue;

std::vector<std::string_view> split(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t bar = text.find('|', from);
        parts.push_back(text.substr(from, bar == std::string_view::npos ? bar : bar - from));
        if (bar == std::string_view::npos)
            return parts;
        from = bar + 1;
    }
}

std::vector<std::string_view> rowOf(int verb, int tense)
{
    const Row& row = paradigm(verb).row(tense);
    return {row.begin(), row.end()};
}

std::vector<std::string_view> poolForms(int verb)
{
    std::vector<std::string_view> forms;
    for (const auto& form : paradigm(verb).pool)
        if (!form.empty())
            forms.push_back(form);
    return forms;
}

// Every form a learner can see: the pool entries and the answer cells, with where they come from.
template <typename F>
void forEachText(F&& visit)
{
    for (int v = 1; v <= kVerbCount; ++v) {
        for (const auto& form : paradigm(v).pool)
            if (!form.empty())
                visit(v, 0, -1, form);
        for (int t = 1; t <= kTenseCount; ++t)
            for (int r = firstPersonRow(t); r < kPersonCount; ++r)
                visit(v, t, r, paradigm(v).row(t)[static_cast<std::size_t>(r)]);
    }
}

// Rows 1..8 with cells separated by '|' (the imperative starts with its empty first cell), and the
// pool in its fixed order, or "" where any arrangement of the right forms will do.
struct FullVerb {
    int verb;
    std::array<std::string_view, kTenseCount> rows;
    std::string_view pool;
};

const FullVerb kFullVerbs[] = {
    {1,
     {
         "canto|cantes|canta|cantem|canteu|canten",
         "canti|cantis|canti|cantem|canteu|cantin",
         "|canta|canti|cantem|canteu|cantin",
         "cantava|cantaves|cantava|cantàvem|cantàveu|cantaven",
         "cantés|cantessis|cantés|cantéssim|cantéssiu|cantessin",
         "cantí|cantares|cantà|cantàrem|cantàreu|cantaren",
         "cantaré|cantaràs|cantarà|cantarem|cantareu|cantaran",
         "cantaria|cantaries|cantaria|cantaríem|cantaríeu|cantarien",
     },
     "canti|cantava|cantarem|cantaren|canteu|cantaríem|cantés|cantes|cantaran|cantàreu|cantàvem|"
     "cantaries|canti|cantéssim|cantarien|cantàveu|cantí|cantarà|cantava|cantessis|cantis|"
     "cantaria|cantin|cantaven|cantéssiu|cantareu|cantessin|canta|cantares|cantaves|cantà|"
     "cantaria|cantés|cantaríeu|cantàrem|cantaràs|cantem|cantaré|canten|canto"},
    {2,
     {
         "temo|tems|tem|temem|temeu|temen",
         "temi|temis|temi|temem|temeu|temin",
         "|tem|temi|temem|temeu|temin",
         "temia|temies|temia|temíem|temíeu|temien",
         "temés|temessis|temés|teméssim|teméssiu|temessin",
         "temí|temeres|temé|temérem|teméreu|temeren",
         "temeré|temeràs|temerà|temerem|temereu|temeran",
         "temeria|temeries|temeria|temeríem|temeríeu|temerien",
     },
     ""},
    {3,
     {
         "perdo|perds|perd|perdem|perdeu|perden",
         "perdi|perdis|perdi|perdem|perdeu|perdin",
         "|perd|perdi|perdem|perdeu|perdin",
         "perdia|perdies|perdia|perdíem|perdíeu|perdien",
         "perdés|perdessis|perdés|perdéssim|perdéssiu|perdessin",
         "perdí|perderes|perdé|perdérem|perdéreu|perderen",
         "perdré|perdràs|perdrà|perdrem|perdreu|perdran",
         "perdria|perdries|perdria|perdríem|perdríeu|perdrien",
     },
     ""},
    {4,
     {
         "dormo|dorms|dorm|dormim|dormiu|dormen",
         "dormi|dormis|dormi|dormim|dormiu|dormin",
         "|dorm|dormi|dormim|dormiu|dormin",
         "dormia|dormies|dormia|dormíem|dormíeu|dormien",
         "dormís|dormissis|dormís|dormíssim|dormíssiu|dormissin",
         "dormí|dormires|dormí|dormírem|dormíreu|dormiren",
         "dormiré|dormiràs|dormirà|dormirem|dormireu|dormiran",
         "dormiria|dormiries|dormiria|dormiríem|dormiríeu|dormirien",
     },
     "dormiré|dormí|dormi|dormissin|dormís|dorm|dormíem|dormia|dormien|dormiria|dormin|dormi|"
     "dormirem|dormiran|dormiren|dormen|dormiríem|dormirien|dormís|dormiria|dormo|dormies|"
     "dormíeu|dormíssim|dormissis|dormis|dormiríeu|dormires|dormírem|dormí|dormim|dormirà|dormiu|"
     "dormireu|dormiràs|dorms|dormia|dormíreu|dormiries|dormíssiu"},
    {5,
     {
         "serveixo|serveixes|serveix|servim|serviu|serveixen",
         "serveixi|serveixis|serveixi|servim|serviu|serveixin",
         "|serveix|serveixi|servim|serviu|serveixin",
         "servia|servies|servia|servíem|servíeu|servien",
         "servís|servissis|servís|servíssim|servíssiu|servissin",
         "serví|servires|serví|servírem|servíreu|serviren",
         "serviré|serviràs|servirà|servirem|servireu|serviran",
         "serviria|serviries|serviria|serviríem|serviríeu|servirien",
     },
     "serviré|serviu|servirien|serveixin|servíssim|serviràs|serviren|serveix|serviria|servissin|"
     "servís|servissis|serviries|serveixo|servíem|servia|serveixi|servírem|serví|servim|serveixi|"
     "servirem|servireu|serviríeu|serveixis|serviria|servirà|servíreu|serví|servien|serveixen|"
     "servíeu|servies|serviran|servia|serviríem|serveixes|servís|servíssiu|servires"},
    {14,
     {
         "creixo|creixes|creix|creixem|creixeu|creixen",
         "creixi|creixis|creixi|creixem(o cresquem)|creixeu(o cresqueu)|creixin",
         "|creix|creixi|creixem(o cresquem)|creixeu|creixin",
         "creixia|creixies|creixia|creixíem|creixíeu|creixien",
         "creixés(o cresqués)|creixessis(o cresquessis)|creixés(o cresqués)|creixéssim(o cresquéssim)|creixéssiu(o "
         "cresquéssiu)|creixessin(o cresquessin)",
         "creixí(o cresquí)|creixeres(o cresqueres)|creixé(o cresqué)|creixérem(o cresquérem)|creixéreu(o "
         "cresquéreu)|creixeren(o cresqueren)",
         "creixeré|creixeràs|creixerà|creixerem|creixereu|creixeran",
         "creixeria|creixeries|creixeria|creixeríem|creixeríeu|creixerien",
     },
     "creixerem|creixia|creix|creixerien|creixi|creixo|creixeres(o cresqueres)|creixeré|"
     "creixés(o cresqués)|creixeria|creixis|creixeran|creixeren(o cresqueren)|creixes|creixeríem|"
     "creixem(o cresquem)|creixéssim(o cresquéssim)|creixen|creixerà|creixereu|creixeria|"
     "creixeu(o cresqueu)|creixés(o cresqués)|creixi|creixeries|creixem|creixies|creixíem|"
     "creixin|creixessin(o cresquessin)|creixeríeu|creixeràs|creixé(o cresqué)|creixíeu|"
     "creixí(o cresquí)|creixessis(o cresquessis)|creixia|creixérem(o cresquérem)|"
     "creixéssiu(o cresquéssiu)|creixien|creixéreu(o cresquéreu)|creixeu"},
    {22,
     {
         "he(o haig)|has|ha|havem(o hem)|haveu(o heu)|han",
         "hagi|hagis|hagi|hàgim(o haguem)|hàgiu(o hagueu)|hagin",
         "|||||",
         "havia|havies|havia|havíem|havíeu|havien",
         "hagués|haguessis|hagués|haguéssim|haguéssiu|haguessin",
         "haguí|hagueres|hagué|haguérem|haguéreu|hagueren",
         "hauré|hauràs|haurà|haurem|haureu|hauran",
         "hauria(o haguera)|hauries(o hagueres)|hauria(o haguera)|hauríem(o haguérem)|hauríeu(o haguéreu)|haurien(o "
         "hagueren)",
     },
     "hauré|hauria(o haguera)|haguessin|hagi|ha|havia|haguéreu|hauríem(o haguérem)|"
     "hàgiu(o hagueu)|havem(o hem)|havien|haurem|hagué|hagueres|he(o haig)|haurà|"
     "haurien(o hagueren)|hagués|haguéssiu|hauríeu(o haguéreu)|haguérem|hauràs|has|haguessis|"
     "hagi|hagués|haureu|haguí|hauries(o hagueres)|hagis|havies|havíem|haveu(o heu)|haguéssim|"
     "hàgim(o haguem)|hauran|han|havíeu|hauria(o haguera)|hagin|havia|hagueren"},
    {26,
     {
         "neixo(o naixo)|neixes(o naixes)|neix(o naix)|naixem|naixeu|neixen(o naixen)",
         "neixi(o naixi)|neixis(o naixis)|neixi(o naixi)|naixem(o nasquem)|naixeu(o nasqueu)|neixin(o naixin)",
         "|neix(o naix)|neixi(o naixi)|naixem(o nasquem)|naixeu|neixin(o naixin)",
         "naixia|naixies|naixia|naixíem|naixíeu|naixien",
         "naixés(o nasqués)|naixessis(o nasquessis)|naixés(o nasqués)|naixéssim(o nasquéssim)|naixéssiu(o "
         "nasquéssiu)|naixessin(o nasquessin)",
         "naixí(o nasquí)|naixeres(o nasqueres)|naixé(o nasqué)|naixérem(o nasquérem)|naixéreu(o nasquéreu)|naixeren(o "
         "nasqueren)",
         "naixeré|naixeràs|naixerà|naixerem|naixereu|naixeran",
         "naixeria|naixeries|naixeria|naixeríem|naixeríeu|naixerien",
     },
     "naixerà|neixi(o naixi)|naixem|naixeràs|naixeríem|naixés(o nasqués)|naixé(o nasqué)|naixíem|"
     "neix(o naix)|naixeria|naixem(o nasquem)|naixessin(o nasquessin)|neixo(o naixo)|"
     "neixis(o naixis)|naixeries|naixeran|naixia|naixí(o nasquí)|naixeríeu|neixes(o naixes)|"
     "naixies|naixeu|naixeria|neixi(o naixi)|naixéssim(o nasquéssim)|naixerem|naixerien|"
     "naixés(o nasqués)|neixin(o naixin)|naixéssiu(o nasquéssiu)|neixen(o naixen)|naixíeu|"
     "naixereu|naixeres(o nasqueres)|naixessis(o nasquessis)|naixeren(o nasqueren)|naixeré|"
     "naixérem(o nasquérem)|naixia|naixeu(o nasqueu)|naixéreu(o nasquéreu)|naixien"},
    {40,
     {
         "sóc(o só)|ets|és|som|sou|són",
         "sigui|siguis|sigui|siguem|sigueu|siguin",
         "|sigues|sigui|siguem|sigueu|siguin",
         "era|eres|era|érem|éreu|eren",
         "fos|fossis|fos|fóssim|fóssiu|fossin",
         "fui|fores|fou|fórem|fóreu|foren",
         "seré|seràs|serà|serem|sereu|seran",
         "seria(o fóra)|series(o fores)|seria(o fóra)|seríem(o fórem)|seríeu(o fóreu)|serien(o foren)",
     },
     "eres|sigueu|fos|era|sereu|som|seria(o fóra)|fóssim|sigues|fou|serà|siguis|és|fossin|"
     "seríem(o fórem)|fores|seràs|sigui|serien(o foren)|fórem|eren|seré|fossis|foren|érem|fóssiu|"
     "sóc(o só)|siguem|sou|seríeu(o fóreu)|fos|era|serem|ets|seria(o fóra)|siguin|fóreu|són|"
     "series(o fores)|sigui|fui|seran|éreu"},
};

TEST(FixedContent, VerbsGivenInFullAreExact)
{
    for (const FullVerb& given : kFullVerbs) {
        SCOPED_TRACE(infinitive(given.verb));
        for (int t = 1; t <= kTenseCount; ++t)
            EXPECT_EQ(rowOf(given.verb, t), split(given.rows[static_cast<std::size_t>(t - 1)])) << "tense " << t;
        if (!given.pool.empty()) {
            EXPECT_EQ(poolForms(given.verb), split(given.pool));
        }
    }
}

// The present indicative of the verbs not given in full.
const std::pair<int, std::string_view> kPresents[] = {
    {6, "bec|beus|beu|bevem|beveu|beuen"},
    {7, "cabo|caps|cap|cabem|cabeu|caben"},
    {8, "caic|caus|cau|caiem|caieu|cauen"},
    {9, "cullo|culls|cull|collim|colliu|cullen"},
    {10, "complac|complaus|complau|complaem|complaeu|complauen"},
    {11, "conec|coneixes|coneix|coneixem|coneixeu|coneixen"},
    {12, "confonc|confons|confon|confonem|confoneu|confonen"},
    {13, "corro|corres|corre|correm|correu|corren"},
    {15, "desfaig|desfàs|desfà|desfem|desfeu|desfan"},
    {16, "dic|dius|diu|diem|dieu|diuen"},
    {17, "ixo|ixes|ix|eixim|eixiu|ixen"},
    {18, "escric|escrius|escriu|escrivim|escriviu|escriuen"},
    {19, "faig|fas|fa|fem|feu|fan"},
    {20, "fonc|fons|fon|fonem|foneu|fonen"},
    {21, "fujo|fuges|fuig|fugim|fugiu|fugen"},
    {23, "hec|heus|heu|havem|haveu|heuen"},
    {24, "jec(o jac)|jeus(o jaus)|jeu(o jau)|jaiem|jaieu|jeuen(o jauen)"},
    {25, "lluo|lluus|lluu(o llu)|lluïm|lluïu|lluen"},
    {27, "ofenc|ofens|ofèn|ofenem|ofeneu|ofenen"},
    {28, "pertanyo|pertanys|pertany|pertanyem|pertanyeu|pertanyen"},
    {29, "puc|pots|pot|podem|podeu|poden"},
    {30, "prenc|prens|pren|prenem|preneu|prenen"},
    {31, "pretenc|pretens|pretén|pretenem|preteneu|pretenen"},
    {32, "pudo|puts|put|pudim|pudiu|puden"},
    {33, "pruo|pruus|pruu|pruïm|pruïu|pruen"},
    {34, "previnc|prevens|prevé|prevenim|preveniu|prevenen"},
    {35, "rebo|reps|rep|rebem|rebeu|reben"},
    {36, "reïxo|reïxes|reïx|reeixim|reeixiu|reïxen"},
    {37, "responc|respons|respon|responem|responeu|responen"},
    {38, "romanc|romans|roman|romanem|romaneu|romanen"},
    {39, "sé|saps|sap|sabem|sabeu|saben"},
    {41, "sec|seus|seu|seiem|seieu|seuen"},
    {42, "sostinc|sostens|sosté|sostenim|sosteniu|sostenen"},
    {43, "valc|vals|val|valem|valeu|valen"},
    {44, "venço|vences|venç|vencem|venceu|vencen"},
    {45, "venc|vens|ven|venem|veneu|venen"},
    {46, "vinc|véns|ve|venim|veniu|vénen"},
    {47, "veig|veus|veu|veiem|veieu|veuen"},
    {48, "visc|vius|viu|vivim|viviu|viuen"},
    {49, "vull|vols|vol|volem|voleu|volen"},
    {50, "obro|obres|obre|obrim|obriu|obren"},
    {51, "ajupo|ajups|ajup|ajupim|ajupiu|ajupen"},
    // argüir: arguïm, arguïu, with the diaeresis on the stressed i.
    {52, "argüeixo|argüeixes|argüeix|arguïm|arguïu|argüeixen"},
    {53, "començo|comences|comença|comencem|comenceu|comencen"},
    {54, "enaiguo|enaigües|enaigua|enaigüem|enaigüeu|enaigüen"},
    {55, "envejo|enveges|enveja|envegem|envegeu|envegen"},
    {56, "esglaio|esglaies|esglaia|esglaiem|esglaieu|esglaien"},
    {57, "canvio|canvies|canvia|canviem|canvieu|canvien"},
    {58, "evacuo|evacues|evacua|evacuem|evacueu|evacuen"},
    {59, "mento(o menteixo)|ments(o menteixes)|ment(o menteix)|mentim|mentiu|menten(o menteixen)"},
    {60, "obliquo|obliqües|obliqua|obliqüem|obliqüeu|obliqüen"},
    {61, "prego|pregues|prega|preguem|pregueu|preguen"},
    {62, "trenco|trenques|trenca|trenquem|trenqueu|trenquen"},
};

TEST(FixedContent, PresentIndicativeRows)
{
    for (const auto& [verb, row] : kPresents)
        EXPECT_EQ(rowOf(verb, 1), split(row)) << infinitive(verb);
}

TEST(FixedContent, ArguirHasTheDiaeresisOnTheI)
{
    // argüir writes arguïm, arguïu: the stressed i of the ending takes the diaeresis, not the u.
    for (int t : {1, 2, 3}) {
        EXPECT_EQ(paradigm(52).row(t)[3], "arguïm") << "tense " << t;
        EXPECT_EQ(paradigm(52).row(t)[4], "arguïu") << "tense " << t;
    }
    forEachText([](int v, int t, int r, std::string_view form) {
        EXPECT_EQ(form.find("argüim"), std::string_view::npos) << v << ' ' << t << ' ' << r;
        EXPECT_EQ(form.find("argüiu"), std::string_view::npos) << v << ' ' << t << ' ' << r;
    });
}

// The cells that hold an alternative form X(o Y): verb, tense, person rows.
struct AlternativeCells {
    int verb;
    int tense;
    std::vector<int> rows;
};

const AlternativeCells kAlternatives[] = {
    {13, 2, {3, 4}},
    {13, 3, {3}},
    {14, 2, {3, 4}},
    {14, 3, {3}},
    {14, 5, {0, 1, 2, 3, 4, 5}},
    {14, 6, {0, 1, 2, 3, 4, 5}},
    {18, 5, {0, 1, 2, 3, 4, 5}},
    {18, 6, {0, 1, 2, 3, 4, 5}},
    {19, 2, {3, 4}},
    {19, 3, {3}},
    {22, 1, {0, 3, 4}},
    {22, 2, {3, 4}},
    {22, 8, {0, 1, 2, 3, 4, 5}},
    {24, 1, {0, 1, 2, 5}},
    {24, 2, {0, 1, 2, 5}},
    {24, 3, {1, 2, 5}},
    {25, 1, {2}},
    {25, 3, {1}},
    {26, 1, {0, 1, 2, 5}},
    {26, 2, {0, 1, 2, 3, 4, 5}},
    {26, 3, {1, 2, 3, 5}},
    {26, 5, {0, 1, 2, 3, 4, 5}},
    {26, 6, {0, 1, 2, 3, 4, 5}},
    {40, 1, {0}},
    {40, 8, {0, 1, 2, 3, 4, 5}},
    {42, 3, {1, 4}},
    {47, 3, {1, 4}},
    {47, 6, {1, 2, 3, 4, 5}},
    {59, 1, {0, 1, 2, 5}},
    {59, 2, {0, 1, 2, 5}},
    {59, 3, {1, 2, 5}},
};

bool isAlternative(std::string_view text) { return text.find('(') != std::string_view::npos; }

TEST(Forms, AlternativesStandExactlyWhereListed)
{
    std::set<std::tuple<int, int, int>> listed;
    for (const auto& cells : kAlternatives)
        for (int r : cells.rows)
            listed.emplace(cells.verb, cells.tense, r);
    ASSERT_EQ(listed.size(), 110u);

    std::set<std::tuple<int, int, int>> found;
    forEachText([&](int v, int t, int r, std::string_view text) {
        if (t > 0 && isAlternative(text))
            found.emplace(v, t, r);
    });
    EXPECT_EQ(found, listed);
}

TEST(Forms, AlternativesAreWrittenXoY)
{
    forEachText([](int v, int t, int r, std::string_view text) {
        const std::size_t open = text.find('(');
        if (open == std::string_view::npos) {
            EXPECT_EQ(text.find_first_of(") "), std::string_view::npos) << text;
            return;
        }
        SCOPED_TRACE(testing::Message() << "verb " << v << " tense " << t << " row " << r << ": " << text);
        EXPECT_GT(open, 0u);
        EXPECT_EQ(text.substr(open, 3), "(o ");
        EXPECT_EQ(text.back(), ')');
        const std::string_view second = text.substr(open + 3, text.size() - open - 4);
        EXPECT_FALSE(second.empty());
        EXPECT_EQ(second.find_first_of("() "), std::string_view::npos);
        EXPECT_EQ(text.substr(0, open).find_first_of(") "), std::string_view::npos);
    });
}

// Number of characters (code points) of UTF-8 text.
std::size_t characters(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

TEST(Forms, LettersLengthAndPunctuation)
{
    const std::vector<std::string> accented = {"à", "ç", "è", "é", "í", "ï", "ó", "ü"};
    forEachText([&](int v, int t, int r, std::string_view text) {
        if (text.empty()) {
            // Blank answers: the imperative's first person, and every imperative cell of haver.
            EXPECT_TRUE(t == 3 && (r == 0 || v == 22)) << "verb " << v << " tense " << t << " row " << r;
            return;
        }
        SCOPED_TRACE(testing::Message() << "verb " << v << " tense " << t << " row " << r << ": " << text);
        EXPECT_GE(characters(text), 2u);
        EXPECT_LE(characters(text), 27u);
        for (std::size_t i = 0; i < text.size();) {
            const char c = text[i];
            if ((c >= 'a' && c <= 'z') || c == '(' || c == ')' || c == ' ') {
                ++i;
                continue;
            }
            const auto letter = std::find_if(accented.begin(), accented.end(),
                                             [&](const std::string& a) { return text.substr(i, a.size()) == a; });
            ASSERT_NE(letter, accented.end()) << "unexpected character at byte " << i;
            i += letter->size();
        }
    });
    EXPECT_EQ(characters("escrivíssiu(o escriguéssiu)"), 27u);
    EXPECT_EQ(paradigm(18).row(5)[4], "escrivíssiu(o escriguéssiu)");
}

TEST(Presentation, SmallTypeTable)
{
    const std::map<int, std::pair<bool, std::set<int>>> table = {
        {13, {true, {2, 3}}},    {14, {true, {2, 3, 5, 6}}},    {18, {true, {5, 6}}}, {22, {true, {1, 2, 8}}},
        {24, {true, {1, 2, 3}}}, {26, {true, {1, 2, 3, 5, 6}}}, {40, {false, {8}}},   {42, {true, {3}}},
        {47, {true, {3, 6}}},    {59, {true, {1, 2, 3}}},
    };
    for (int v = 1; v <= kVerbCount; ++v) {
        const auto entry = table.find(v);
        const bool pool = entry != table.end() && entry->second.first;
        EXPECT_EQ(paradigm(v).poolFontSmall, pool) << infinitive(v);
        for (int t = 1; t <= kTenseCount; ++t) {
            const bool small = entry != table.end() && entry->second.second.count(t) == 1;
            EXPECT_EQ(paradigm(v).targetFontSmall.contains(t), small) << infinitive(v) << " tense " << t;
        }
    }
}

TEST(Lookup, EveryVerbNumberFindsItsOwnParadigm)
{
    int expectedFirst = 1;
    for (Block block : {verbs1to5(), verbs6to25(), verbs26to50(), verbs51to62()}) {
        EXPECT_EQ(block.first, expectedFirst);
        EXPECT_EQ(block.verbs.size(), static_cast<std::size_t>(block.last - block.first + 1));
        expectedFirst = block.last + 1;
    }
    EXPECT_EQ(expectedFirst, kVerbCount + 1);
    for (int v = 1; v <= kVerbCount; ++v)
        EXPECT_EQ(paradigm(v).infinitive, infinitive(v)) << v;
}

TEST(FixedContent, TensePhrasesAndPersonCaptions)
{
    const std::vector<std::string_view> phrases = {
        "present d'indicatiu.",
        "present de subjuntiu.",
        "present d'imperatiu.",
        "pretèrit imperfet d'indicatiu.",
        "pretèrit imperfet de subjuntiu.",
        "pretèrit perfet d'indicatiu.",
        "futur d'indicatiu.",
        "present de condicional.",
    };
    for (int t = 1; t <= kTenseCount; ++t)
        EXPECT_EQ(tensePhrase(t), phrases[static_cast<std::size_t>(t - 1)]);
    const std::vector<std::string_view> captions = {"1 persona singular.", "2 persona singular.", "3 persona singular.",
                                                    "1 persona plural.",   "2 persona plural.",   "3 persona plural."};
    for (int r = 0; r < kPersonCount; ++r)
        EXPECT_EQ(personCaption(r), captions[static_cast<std::size_t>(r)]);
}

// A pool keeps its arrangement from one release to the next: a learner who has met a verb finds
// its forms where they were. Each verb's 44 slots, joined by line feeds, hashed with FNV-1a.
TEST(Pools, ArrangementIsFixedSlotBySlot)
{
    const std::uint64_t expected[kVerbCount] = {
        0xe0638874a8ae8eb6ull, 0xbcf1ce9a6a1042afull, 0xdebf4bb5e61bff4full, 0xb27d01d478a92c99ull,
        0xd8537de6c0ad49ecull, 0x7d3f45e84f2bb01eull, 0x4c1d19e8a1c09b7dull, 0x90cd6a6569feb149ull,
        0xd6b891a143c5b023ull, 0xdf27fe49408035a4ull, 0x35fa00b68dda1935ull, 0xed65a7ac6df7a451ull,
        0x4e43445da71a23a3ull, 0xd4775b4910fa412cull, 0xf1c9c540676ab8a8ull, 0x8f5baa184e0a75cbull,
        0x9145c6b93084f620ull, 0x88f7cbb7aea1eb88ull, 0x0a2c6b470b15dc04ull, 0x4998d95561b624a7ull,
        0x7e7e97b2719c6fa2ull, 0x05a7f69b63292f9bull, 0xa318aae441785c62ull, 0x0f7c8a7720acdfd5ull,
        0x0e62db0b9fb34b18ull, 0xbb1832e9f15da183ull, 0x52b11f8bdedfb5b5ull, 0xc1c5f05ebbd2cc85ull,
        0xa48a32f43f03a5a2ull, 0xe643850d1af388b1ull, 0xd592b04870037fecull, 0xd897144cc2f34679ull,
        0x9ae17b5de7155935ull, 0x86f1150c38eafd19ull, 0x97ceab3b99cc1317ull, 0x5137f04a5949960eull,
        0xe90fbb2add2a9ebbull, 0xf7efe77a69fc1a37ull, 0x23413b5c86a015a5ull, 0xb95754bad3f8da84ull,
        0x0f89c03bc2f9559cull, 0xa047c7f54a60bd85ull, 0x324bdee10de50aedull, 0xa17a06d30f28a6c4ull,
        0xdc47f26e39896c2dull, 0x99e68b4bba46919full, 0xb6098834d7e8c0c1ull, 0xc78d9bce454e5891ull,
        0x12595352283ac9bdull, 0x7566307a09f9a12full, 0xe207a57a54d233b5ull, 0x5b0e669417aa24d0ull,
        0x5cb1e2719db015a7ull, 0x26ded86d485a7532ull, 0x0c4e3b59c430a9e3ull, 0x9ef8e7447b482281ull,
        0x652b398e4a112b4cull, 0x8bd4227f3323c6f4ull, 0x116820daa508ac06ull, 0x933dfb9b2fcdfe9cull,
        0xea0cd6260cb03a2bull, 0xf464d8c39e710d2bull,
    };
    for (int v = 1; v <= kVerbCount; ++v) {
        std::uint64_t hash = 0xcbf29ce484222325ull;
        bool first = true;
        for (std::string_view slot : paradigm(v).pool) {
            for (char c : (first ? std::string(slot) : "\n" + std::string(slot))) {
                hash ^= static_cast<unsigned char>(c);
                hash *= 0x100000001b3ull;
            }
            first = false;
        }
        EXPECT_EQ(hash, expected[v - 1]) << infinitive(v) << ": a pool slot changed or moved";
    }
}

// The longest stretch of consecutive pool slots whose forms all belong to one tense row.
int longestSingleTenseRun(int verb)
{
    const auto pool = poolForms(verb);
    int longest = 0;
    for (std::size_t i = 0; i < pool.size(); ++i)
        for (std::size_t j = i; j < pool.size(); ++j) {
            const bool oneRow =
                std::any_of(paradigm(verb).rows.begin(), paradigm(verb).rows.end(), [&](const Row& row) {
                    return std::all_of(
                        pool.begin() + static_cast<long>(i), pool.begin() + static_cast<long>(j) + 1,
                        [&](std::string_view f) { return std::find(row.begin(), row.end(), f) != row.end(); });
                });
            if (!oneRow)
                break;
            longest = std::max(longest, static_cast<int>(j - i + 1));
        }
    return longest;
}

TEST(Pools, MixTheTensesAndAreNotSorted)
{
    for (int v = 1; v <= kVerbCount; ++v) {
        const auto pool = poolForms(v);
        EXPECT_LE(longestSingleTenseRun(v), 4) << infinitive(v);
        EXPECT_FALSE(std::is_sorted(pool.begin(), pool.end())) << infinitive(v);
        EXPECT_FALSE(std::is_sorted(pool.rbegin(), pool.rend())) << infinitive(v);
    }
}

}  // namespace
