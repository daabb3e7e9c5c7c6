// Every answer of the catalogue is checked against independent Catalan lexicons: the morphological
// analysers of the installed Apertium pairs must give each form its verb, tense, person and number,
// unless the form is listed, with the model verb it follows, in analyser_exceptions.tsv. The generators
// of the same pairs check that the written tenses use the central forms, and the spelling dictionary
// of hunspell checks every form too.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace catalogue;

// One form of one answer cell; a cell X(o Y) gives two.
struct Answer {
    int verb;
    int tense;
    int row;
    std::string form;
    auto key() const { return std::tie(verb, tense, row, form); }
    bool operator<(const Answer& other) const { return key() < other.key(); }
};

std::ostream& operator<<(std::ostream& out, const Answer& a)
{
    return out << a.verb << '\t' << a.tense << '\t' << a.row << '\t' << a.form;
}

std::vector<Answer> answerForms()
{
    std::vector<Answer> answers;
    for (int v = 1; v <= kVerbCount; ++v)
        for (int t = 1; t <= kTenseCount; ++t)
            for (int r = firstPersonRow(t); r < kPersonCount; ++r) {
                const std::string_view cell = paradigm(v).row(t)[static_cast<std::size_t>(r)];
                if (cell.empty())
                    continue;
                const std::size_t open = cell.find("(o ");
                if (open == std::string_view::npos) {
                    answers.push_back({v, t, r, std::string(cell)});
                } else {
                    answers.push_back({v, t, r, std::string(cell.substr(0, open))});
                    answers.push_back({v, t, r, std::string(cell.substr(open + 3, cell.size() - open - 4))});
                }
            }
    return answers;
}

// Runs a shell command with `input` on its standard input; the standard output, or nothing if the
// command could not run or failed.
std::optional<std::string> run(const std::string& command, const std::string& input)
{
    char path[] = "/tmp/conjugacio-forms-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return std::nullopt;
    close(fd);
    std::ofstream(path, std::ios::binary) << input;
    std::optional<std::string> output;
    if (FILE* pipe = popen((command + " < " + path + " 2>/dev/null").c_str(), "r")) {
        std::string text;
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        if (pclose(pipe) == 0)
            output = std::move(text);
    }
    std::remove(path);
    return output;
}

const char* const kAnalysers[] = {
    "/usr/share/apertium/apertium-spa-cat/cat-spa.automorf.bin",
    "/usr/share/apertium/apertium-cat-ita/cat-ita.automorf.bin",
    "/usr/share/apertium/apertium-fra-cat/cat-fra.automorf.bin",
    "/usr/share/apertium/apertium-eng-cat/cat-eng.automorf.bin",
};
constexpr const char* kPackages = "apertium-spa-cat apertium-cat-ita apertium-fra-cat apertium-eng-cat lttoolbox";

// The analysis an answer must have, as the analysers write it without the verb's category tag:
// "lemma", then tense, person and number tags.
std::string expectedAnalysis(const Answer& a)
{
    static const char* const tenses[] = {"pri", "prs", "imp", "pii", "pis", "ifi", "fti", "cni"};
    static const char* const persons[] = {"<p1><sg>", "<p2><sg>", "<p3><sg>", "<p1><pl>", "<p2><pl>", "<p3><pl>"};
    const std::string lemma = a.verb == 25 ? "lluir" : std::string(infinitive(a.verb));
    return lemma + "<" + tenses[a.tense - 1] + ">" + persons[a.row];
}

// "cantar<vblex><pri><p1><sg>" -> "cantar<pri><p1><sg>"; analyses that are not of a verb (category
// tag vblex, vbser, vbhaver, vbmod...) or that carry more tags give "".
std::string withoutVerbCategory(std::string_view analysis)
{
    const std::size_t category = analysis.find('<');
    if (category == std::string_view::npos || analysis.substr(category, 3) != "<vb")
        return {};
    const std::size_t rest = analysis.find('>', category);
    std::string out = std::string(analysis.substr(0, category)) + std::string(analysis.substr(rest + 1));
    return std::count(out.begin(), out.end(), '<') == 3 ? out : std::string();
}

struct Exception {
    Answer answer;
    std::string reason;
    int line;
};

std::vector<Exception> readExceptions(std::string& error)
{
    std::vector<Exception> exceptions;
    std::ifstream file(CONJUGACIO_EXCEPTIONS);
    if (!file) {
        error = std::string("cannot read ") + CONJUGACIO_EXCEPTIONS;
        return exceptions;
    }
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string verb, tense, row, form, reason;
        std::getline(fields, verb, '\t');
        std::getline(fields, tense, '\t');
        std::getline(fields, row, '\t');
        std::getline(fields, form, '\t');
        std::getline(fields, reason);
        exceptions.push_back(
            {{std::atoi(verb.c_str()), std::atoi(tense.c_str()), std::atoi(row.c_str()), form}, reason, number});
    }
    return exceptions;
}

class AnalyserCheck : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        answers_ = answerForms();
        std::set<std::string> distinct;
        for (const Answer& a : answers_)
            distinct.insert(a.form);
        words_.assign(distinct.begin(), distinct.end());
        std::string input;
        for (const std::string& w : words_)
            input += w + '\n';

        for (const char* analyser : kAnalysers) {
            if (!std::filesystem::exists(analyser)) {
                error_ = std::string(analyser) + " is missing; install " + kPackages;
                return;
            }
            // One process per analyser, all forms in one batch, one form a line.
            const auto output = run(std::string("lt-proc -w ") + analyser, input);
            if (!output) {
                error_ = std::string("lt-proc did not run on ") + analyser + "; install " + kPackages;
                return;
            }
            if (!readAnalyses(*output))
                return;
        }
        for (const Answer& a : answers_)
            if (analyses_[a.form].count(expectedAnalysis(a)) == 0)
                unconfirmed_.insert(a);
        exceptions_ = readExceptions(error_);
    }

    // Output units "^form/analysis/analysis$" (or "^form/*form$"), one per form in input order.
    static bool readAnalyses(const std::string& output)
    {
        std::size_t at = 0;
        for (const std::string& word : words_) {
            const std::size_t begin = output.find('^', at);
            const std::size_t end = output.find('$', begin);
            if (begin == std::string::npos || end == std::string::npos) {
                error_ = "analyser output ends before " + word;
                return false;
            }
            std::istringstream unit(output.substr(begin + 1, end - begin - 1));
            std::string surface, analysis;
            std::getline(unit, surface, '/');
            if (surface != word) {
                error_ = "analyser output out of step: " + surface + " for " + word;
                return false;
            }
            while (std::getline(unit, analysis, '/'))
                if (const std::string a = withoutVerbCategory(analysis); !a.empty())
                    analyses_[word].insert(a);
            at = end + 1;
        }
        return true;
    }

    void SetUp() override { ASSERT_TRUE(error_.empty()) << error_; }

    static inline std::vector<Answer> answers_;
    static inline std::vector<std::string> words_;
    static inline std::map<std::string, std::set<std::string>> analyses_;
    static inline std::set<Answer> unconfirmed_;
    static inline std::vector<Exception> exceptions_;
    static inline std::string error_;
};

TEST_F(AnalyserCheck, EveryFormIsConfirmedOrListed)
{
    std::set<Answer> listed;
    for (const Exception& e : exceptions_)
        listed.insert(e.answer);
    std::ostringstream missing;
    int count = 0;
    for (const Answer& a : unconfirmed_)
        if (listed.count(a) == 0) {
            missing << a << "\t" << (analyses_[a.form].empty() ? "unknown" : *analyses_[a.form].begin()) << '\n';
            ++count;
        }
    EXPECT_EQ(count, 0) << "forms no analyser confirms as "
                        << "verb, tense, row, form:\n"
                        << missing.str();
    std::printf("%zu of %zu answer forms confirmed by an analyser, %zu listed exceptions\n",
                answers_.size() - unconfirmed_.size(), answers_.size(), exceptions_.size());
}

TEST_F(AnalyserCheck, ExceptionsAreCurrentAndReasoned)
{
    const std::set<Answer> all(answers_.begin(), answers_.end());
    std::set<Answer> seen;
    for (const Exception& e : exceptions_) {
        SCOPED_TRACE(testing::Message() << "exceptions line " << e.line << ": " << e.answer);
        EXPECT_EQ(all.count(e.answer), 1u) << "no such form in that cell of the catalogue";
        EXPECT_EQ(unconfirmed_.count(e.answer), all.count(e.answer)) << "an analyser now confirms it: remove the line";
        EXPECT_GE(e.reason.size(), 10u) << "give the model verb it follows";
        EXPECT_TRUE(seen.insert(e.answer).second) << "listed twice";
    }
}

TEST_F(AnalyserCheck, KnowsTheAnalysisFormat)
{
    // A check that confirmed nothing would pass vacuously on a changed output format.
    EXPECT_EQ(analyses_["canto"].count("cantar<pri><p1><sg>"), 1u);
    EXPECT_EQ(analyses_["càpiga"].count("cabre<imp><p3><sg>"), 1u);
    EXPECT_EQ(analyses_["sóc"].count("ser<pri><p1><sg>"), 1u);
    EXPECT_GT(answers_.size() - unconfirmed_.size(), answers_.size() * 9 / 10);
}

// The analysers also accept regional forms ("càpia", "isquí", "pugues" as a subjunctive), so they
// cannot tell a central form from a Valencian one. The generators can: they mark every regional
// form ("càpia<v:verbs_val>") and leave the central one bare. Wherever a generator knows a verb,
// each cell of tenses 2..8 must hold one of its bare forms.
TEST(Generators, WrittenTensesHoldTheCentralForm)
{
    const char* const generators[] = {
        "/usr/share/apertium/apertium-spa-cat/spa-cat.autogen.bin",
        "/usr/share/apertium/apertium-cat-ita/ita-cat.autogen.bin",
        "/usr/share/apertium/apertium-fra-cat/fra-cat.autogen.bin",
        "/usr/share/apertium/apertium-eng-cat/eng-cat.autogen.bin",
    };
    // Verbs whose rows are fixed as given, and lluir(forma pura), which the generators know only
    // in its inchoative conjugation (llueixo, llueixi).
    const std::set<int> notChecked = {1, 2, 3, 4, 5, 14, 22, 25, 26, 40};
    // The generators build prevenir on venir's imperative "vine" ("previne"); the compounds of
    // venir take -vén there, as sostenir takes sostén.
    const std::set<std::tuple<int, int, int>> disputed = {{34, 3, 1}};
    static const char* const tenses[] = {"pri", "prs", "imp", "pii", "pis", "ifi", "fti", "cni"};
    static const char* const persons[] = {"<p1><sg>", "<p2><sg>", "<p3><sg>", "<p1><pl>", "<p2><pl>", "<p3><pl>"};

    struct Cell {
        int verb, tense, row;
        std::set<std::string> forms;
    };
    std::map<std::tuple<int, int, int>, std::set<std::string>> formsOfCell;
    for (const Answer& a : answerForms())
        formsOfCell[{a.verb, a.tense, a.row}].insert(a.form);
    std::vector<Cell> cells;
    std::string input;
    for (int v = 1; v <= kVerbCount; ++v) {
        if (notChecked.count(v))
            continue;
        const std::string lemma(infinitive(v));
        const char* category = lemma == "poder" ? "<vbmod>" : "<vblex>";
        for (int t = 2; t <= kTenseCount; ++t)
            for (int r = firstPersonRow(t); r < kPersonCount; ++r) {
                cells.push_back({v, t, r, formsOfCell[{v, t, r}]});
                input += "^" + lemma + category + "<" + tenses[t - 1] + ">" + persons[r] + "$\n";
            }
    }

    std::vector<std::set<std::string>> bare(cells.size());
    for (const char* generator : generators) {
        ASSERT_TRUE(std::filesystem::exists(generator)) << generator << " is missing; install " << kPackages;
        const auto output = run(std::string("lt-proc -g ") + generator, input);
        ASSERT_TRUE(output) << "lt-proc did not run on " << generator;
        std::istringstream lines(*output);
        std::string line;
        for (std::size_t i = 0; i < cells.size() && std::getline(lines, line); ++i) {
            if (line.empty() || line[0] == '#')
                continue;  // the generator does not know this verb or makes no such tense
            std::istringstream forms(line);
            for (std::string form; std::getline(forms, form, '/');)
                if (form.find_first_of("<~#") == std::string::npos)
                    bare[i].insert(form);
        }
    }

    std::size_t compared = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Cell& c = cells[i];
        if (bare[i].empty())
            continue;
        ++compared;
        bool agrees = false;
        for (const std::string& form : c.forms)
            agrees = agrees || bare[i].count(form) > 0;
        SCOPED_TRACE(testing::Message() << "verb " << c.verb << " tense " << c.tense << " row " << c.row << ": "
                                        << *c.forms.begin() << ", generators give " << *bare[i].begin());
        if (disputed.count({c.verb, c.tense, c.row}))
            EXPECT_FALSE(agrees) << "listed as disputed, but the cell now holds the generated form";
        else
            EXPECT_TRUE(agrees);
    }
    // A check that compared nothing would pass vacuously on a changed output format.
    EXPECT_GT(compared, cells.size() * 3 / 4);
}

TEST(SpellingDictionary, KnowsEveryForm)
{
    // "só" is the literary first person of ser that the dictionary lacks; it stands beside "sóc".
    const std::set<std::string> notInDictionary = {"só"};
    std::set<std::string> forms;
    for (const Answer& a : answerForms())
        forms.insert(a.form);
    std::string input;
    for (const std::string& f : forms)
        input += f + '\n';
    const auto output = run("hunspell -i utf-8 -d ca -l", input);
    ASSERT_TRUE(output) << "hunspell with its Catalan dictionary is missing; install hunspell hunspell-ca";
    std::set<std::string> rejected;
    std::istringstream lines(*output);
    for (std::string line; std::getline(lines, line);)
        rejected.insert(line);
    EXPECT_EQ(rejected, notInDictionary);
}

}  // namespace
