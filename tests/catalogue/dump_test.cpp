// The catalogue-dump tool: its records, their order, and that reading them back gives the catalogue.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace catalogue;

std::vector<std::vector<std::string>> dumpRecords()
{
    std::vector<std::vector<std::string>> records;
    FILE* pipe = popen(CONJUGACIO_DUMP, "r");
    if (!pipe)
        return records;
    std::string text;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::size_t from = 0;
        for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
            fields.push_back(line.substr(from, tab - from));
        fields.push_back(line.substr(from));
        records.push_back(fields);
    }
    return records;
}

TEST(CatalogueDump, PrintsEveryVerbPoolSlotAndCellInOrder)
{
    const auto records = dumpRecords();
    ASSERT_EQ(records.size(), 62u + 2728u + 2914u);
    std::size_t k = 0;
    for (int v = 1; v <= kVerbCount; ++v) {
        const VerbParadigm& p = paradigm(v);
        const std::string n = std::to_string(v);
        ASSERT_EQ(records[k].size(), 5u);
        EXPECT_EQ(records[k][0], "verb");
        EXPECT_EQ(records[k][1], n);
        EXPECT_EQ(records[k][2], p.infinitive);
        EXPECT_EQ(records[k][3], p.poolFontSmall ? "1" : "0");
        ++k;
        for (std::size_t slot = 0; slot < Pool::size(); ++slot, ++k)
            EXPECT_EQ(records[k],
                      (std::vector<std::string>{"pool", n, std::to_string(slot), std::string(p.pool[slot])}));
        for (int t = 1; t <= kTenseCount; ++t)
            for (int r = firstPersonRow(t); r < kPersonCount; ++r, ++k)
                EXPECT_EQ(records[k], (std::vector<std::string>{"cell", n, std::to_string(t), std::to_string(r),
                                                                std::string(p.row(t)[static_cast<std::size_t>(r)])}));
    }
}

TEST(CatalogueDump, SmallTypeTensesAreListedAscending)
{
    const auto records = dumpRecords();
    std::vector<std::string> small;
    for (const auto& r : records)
        if (r[0] == "verb" && (r[3] == "1" || !r[4].empty()))
            small.push_back(r[1] + " " + r[3] + " " + r[4]);
    EXPECT_EQ(small, (std::vector<std::string>{"13 1 2,3", "14 1 2,3,5,6", "18 1 5,6", "22 1 1,2,8", "24 1 1,2,3",
                                               "26 1 1,2,3,5,6", "40 0 8", "42 1 3", "47 1 3,6", "59 1 1,2,3"}));
}

}  // namespace
