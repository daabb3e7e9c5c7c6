// Prints the whole catalogue as UTF-8 text, tab-separated, one record a line:
//   verb  N  infinitive  P  T      P: 1 if the pool is in small type; T: small-type tenses, "2,3"
//   pool  N  slot  form            slots 0..43, a blank slot with an empty form
//   cell  N  tense  row  form      every answer cell (rows 1..5 for the imperative)
#include "catalogue/catalogue.h"

#include <cstdio>
#include <string>

namespace {

std::string smallTenses(const catalogue::VerbParadigm& v)
{
    std::string out;
    for (int t = 1; t <= catalogue::kTenseCount; ++t)
        if (v.targetFontSmall.contains(t)) {
            if (!out.empty())
                out += ',';
            out += std::to_string(t);
        }
    return out;
}

void put(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

int main()
{
    using namespace catalogue;
    std::string line;
    for (int n = 1; n <= kVerbCount; ++n) {
        const VerbParadigm& v = paradigm(n);
        const std::string number = std::to_string(n);
        line = "verb\t" + number + '\t' + std::string(v.infinitive) + '\t' + (v.poolFontSmall ? "1" : "0") + '\t'
               + smallTenses(v) + '\n';
        put(line);
        for (std::size_t slot = 0; slot < Pool::size(); ++slot) {
            line = "pool\t" + number + '\t' + std::to_string(slot) + '\t' + std::string(v.pool[slot]) + '\n';
            put(line);
        }
        for (int t = 1; t <= kTenseCount; ++t)
            for (int r = firstPersonRow(t); r < kPersonCount; ++r) {
                line = "cell\t" + number + '\t' + std::to_string(t) + '\t' + std::to_string(r) + '\t'
                       + std::string(v.row(t)[static_cast<std::size_t>(r)]) + '\n';
                put(line);
            }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
