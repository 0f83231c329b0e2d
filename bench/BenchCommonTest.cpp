// The benchmark's own arithmetic and its generated tables: a wrong median or a
// table the program cannot read would make every figure it prints meaningless.

#include "BenchCommon.h"

#include "materials/DensityTable.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvane::bench {
namespace {

TEST(BenchReportTest, ReadsWhatTheWindowProgramWrites) {
    const std::map<std::string, std::int64_t> fields{
        {"paint", 1'234'567'890'123}, {"width", 579}, {"errors", 0}, {"delta", -5}};
    EXPECT_EQ(ParseReport(FormatReport(fields)), fields);
    EXPECT_EQ(ParseReport(""), (std::map<std::string, std::int64_t>{}));
}

TEST(BenchReportTest, RefusesMalformedFields) {
    for (const char* line : {"paint", "=5", "paint=", "paint=12x", "paint=1 width", "a=1.5"})
        EXPECT_FALSE(ParseReport(line)) << line;
}

TEST(BenchStatisticsTest, MedianAndPercentile) {
    struct Case {
        std::vector<double> values;
        double median;
        double p90;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{7}, 7, 7},
        {{3, 1}, 2, 3},
        {{5, 1, 3}, 3, 5},
        {{4, 1, 3, 2}, 2.5, 4},
        {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 5.5, 9},
        {{1, 1, 1, 100}, 1, 100},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(Median(c.values), c.median) << c.values.size() << " values";
        EXPECT_DOUBLE_EQ(Percentile(c.values, 0.9), c.p90) << c.values.size() << " values";
    }
    EXPECT_DOUBLE_EQ(Percentile({4, 2, 9}, 0), 2);
    EXPECT_DOUBLE_EQ(Percentile({4, 2, 9}, 1), 9);
}

TEST(BenchTableTest, GeneratedTablesReadCleanlyWithDistinctNames) {
    for (const std::size_t lines : {std::size_t{0}, std::size_t{1}, std::size_t{1000}}) {
        const std::string table = GeneratedDensityTable(lines);
        const DensityTableRead read = parseDensityTable(table, Separators{".", ","});
        ASSERT_FALSE(read.error) << *read.error;
        ASSERT_EQ(read.materials.size(), lines);
        std::set<std::string> names;
        for (const MaterialEntry& material : read.materials) {
            names.insert(material.name);
            EXPECT_GE(material.density, 0.8) << material.name;
            EXPECT_LE(material.density, 8.99) << material.name;
        }
        EXPECT_EQ(names.size(), lines);
        if (lines > 0) {
            EXPECT_EQ(table.substr(table.size() - 2), "\r\n");
        }
    }
}

} // namespace
} // namespace kelvane::bench
