#include "convert/ConversionResults.h"
#include "common/KelvaneError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kelvane {
namespace {

using Column = std::array<std::string, 5>;

// An entry, the fraction option and the ten texts, the imperial column first.
struct Row {
    const char* entry;
    int resolution;
    const char* texts[10];
};

// The first rows, with the 1/32 option, are the page's reference table.
const Row ResultRows[] = {
    {"1000", 32, "3'3.3/8\"", "39.3/8\"", "", "39.37\"", "39\"", "1000", "100", "1", "0.001",
     "1000"},
    {"12'9.3/4\"", 32, "12'9.3/4\"", "153.3/4\"", "", "153.75\"", "154\"", "3905.25", "390.525",
     "3.905", "0.004", "3900"},
    {"1/2\"", 32, "0'0.1/2\"", "0.1/2\"", "1/2\"", "0.5\"", "0\"", "12.7", "1.27", "0.013", "0",
     "25"},
    {"14\"", 32, "1'2\"", "14\"", "", "14\"", "14\"", "355.6", "35.56", "0.356", "0", "350"},
    {"1'2\"", 32, "1'2\"", "14\"", "", "14\"", "14\"", "355.6", "35.56", "0.356", "0", "350"},
    {"26", 32, "0'1.1/32\"", "1.1/32\"", "", "1.024\"", "1\"", "26", "2.6", "0.026", "0", "25"},
    {"25.5", 32, "0'1\"", "1\"", "", "1\"", "1\"", "25.5", "2.55", "0.026", "0", "25"},
    {"25.39", 32, "0'1\"", "1\"", "", "1\"", "1\"", "25.39", "2.539", "0.025", "0", "25"},
    {"304.79", 32, "1'0\"", "12\"", "", "12\"", "12\"", "304.79", "30.479", "0.305", "0", "300"},
    {"0.512", 32, "0'0.1/32\"", "0.1/32\"", "1/32\"", "0.02\"", "0\"", "0.512", "0.051", "0.001",
     "0", "0"},
    // The 1/64 option: a metric fraction gets finer, a typed one keeps its denominator.
    {"1000", 64, "3'3.3/8\"", "39.3/8\"", "", "39.37\"", "39\"", "1000", "100", "1", "0.001",
     "1000"},
    {"0.512", 64, "0'0.1/64\"", "0.1/64\"", "1/64\"", "0.02\"", "0\"", "0.512", "0.051", "0.001",
     "0", "0"},
    {"3/16\"", 64, "0'0.3/16\"", "0.3/16\"", "3/16\"", "0.188\"", "0\"", "4.763", "0.476", "0.005",
     "0", "0"},
    {"2/4\"", 64, "0'0.1/2\"", "0.1/2\"", "1/2\"", "0.5\"", "0\"", "12.7", "1.27", "0.013", "0",
     "25"},
    // Exact halves: to the even multiple of 25 mm, away from zero at the fourth decimal.
    {"62.5", 32, "0'2.15/32\"", "2.15/32\"", "", "2.461\"", "2\"", "62.5", "6.25", "0.063", "0",
     "50"},
    {"87.5", 32, "0'3.7/16\"", "3.7/16\"", "", "3.445\"", "3\"", "87.5", "8.75", "0.088", "0",
     "100"},
    // On a half-thousandth: the inches of a metric entry and the millimetres of an
    // imperial one are kept as doubles, and the format rounds the kept double.
    {"0.5969", 32, "0'0.1/32\"", "0.1/32\"", "1/32\"", "0.024\"", "0\"", "0.597", "0.06", "0.001",
     "0", "0"},
    {"1/16\"", 32, "0'0.1/16\"", "0.1/16\"", "1/16\"", "0.063\"", "0\"", "1.587", "0.159", "0.002",
     "0", "0"},
    {"2147483647", 32, "7045550'0.9/32\"", "84546600.9/32\"", "", "84546600.276\"", "84546600\"",
     "2147483647", "214748364.7", "2147483.647", "2147.484", "2147483650"},
};

ConversionTexts ExpectedTexts(const Row& row) {
    ConversionTexts texts;
    for (std::size_t i = 0; i < 5; ++i) {
        texts.imperial[i] = row.texts[i];
        texts.metric[i] = row.texts[i + 5];
    }
    return texts;
}

void ExpectTexts(const ConversionTexts& actual, const ConversionTexts& expected) {
    EXPECT_EQ(actual.imperial, expected.imperial);
    EXPECT_EQ(actual.metric, expected.metric);
}

// "Nearest inch:" is the entry rounded to the nearest whole inch, an exact half to the
// even inch, whichever notation it was typed in.
TEST(DimensionConversionTest, NearestInchRoundsTheEntry) {
    const std::pair<const char*, const char*> cases[] = {
        {"14.75\"", "15\""},      {"0.9\"", "1\""},   {"11.6\"", "12\""},   {"14.5\"", "14\""},
        {"15.5\"", "16\""},       {"0.3\"", "0\""},   {"11.1/2\"", "12\""}, {"1'11.1/2\"", "24\""},
        {"11'11.7/8\"", "144\""}, {"374.65", "15\""}, {"1000", "39\""},     {"12.6", "0\""},
    };
    for (const auto& [entry, nearest] : cases) {
        SCOPED_TRACE(entry);
        EXPECT_EQ(convertDimensionText(entry, 32, Separators{}).imperial[4], nearest);
    }
}

TEST(DimensionConversionTest, ResultTable) {
    for (const auto& row : ResultRows) {
        SCOPED_TRACE(std::string(row.entry) + " at 1/" + std::to_string(row.resolution));
        ExpectTexts(convertDimensionText(row.entry, row.resolution, Separators{}),
                    ExpectedTexts(row));
    }
}

TEST(DimensionConversionTest, NothingShownForAZeroOrUnreadEntry) {
    for (const char* text : {"", "0", "0.0", "0.000", "3/4", "0/4\"", "0'",
                             // More than four groups: not read, and no error either.
                             "1'2.3/4\"5", "1.2.3.4.5", "99999999999'1'2'3'4"})
        for (const int resolution : {32, 64})
            EXPECT_EQ(convertDimensionText(text, resolution, Separators{}), ConversionTexts{})
                << text;
}

TEST(DimensionConversionTest, DecidedImperialTexts) {
    const std::pair<const char*, Column> cases[] = {
        // feet followed directly by a fraction.
        {"12'3/4\"", {"12'0.3/4\"", "144.3/4\"", "", "144.75\"", "145\""}},
        {"3'15/8\"", {"3'1.7/8\"", "37.7/8\"", "", "37.875\"", "38\""}},
        // A typed fraction of an inch or more shows only what is left over, reduced.
        {"5/4\"", {"0'1.1/4\"", "1.1/4\"", "", "1.25\"", "1\""}},
        {"4/4\"", {"0'1\"", "1\"", "", "1\"", "1\""}},
        {"1/1\"", {"0'1\"", "1\"", "", "1\"", "1\""}},
        {"11.6/4\"", {"1'0.1/2\"", "12.1/2\"", "", "12.5\"", "12\""}},
        // A point with no digit after it adds nothing.
        {"1.\"", {"0'1\"", "1\"", "", "1\"", "1\""}},
        {"5'3.\"", {"5'3\"", "63\"", "", "63\"", "63\""}},
        {"5'3.", {"5'3\"", "63\"", "", "63\"", "63\""}},
        // A decimal imperial entry shows its exact decimal fraction in lowest terms.
        {"1.5\"", {"0'1.1/2\"", "1.1/2\"", "", "1.5\"", "2\""}},
        {"1.3\"", {"0'1.3/10\"", "1.3/10\"", "", "1.3\"", "1\""}},
        {"5'1.25\"", {"5'1.1/4\"", "61.1/4\"", "", "61.25\"", "61\""}},
        {"0.0625\"", {"0'0.1/16\"", "0.1/16\"", "1/16\"", "0.063\"", "0\""}},
        {"2.0\"", {"0'2\"", "2\"", "", "2\"", "2\""}},
        {"11.999\"", {"0'11.999/1000\"", "11.999/1000\"", "", "11.999\"", "12\""}},
        {"1.00000000000000000005\"",
         {"0'1.1/20000000000000000000\"", "1.1/20000000000000000000\"", "", "1\"", "1\""}},
        // Twelve times the feet is formed in 64 bits.
        {"178956971'", {"178956971'0\"", "2147483652\"", "", "2147483652\"", "2147483652\""}},
        {"2147483647'11\"",
         {"2147483647'11\"", "25769803775\"", "", "25769803775\"", "25769803775\""}},
    };
    for (const auto& [text, imperial] : cases)
        for (const int resolution : {32, 64})
            EXPECT_EQ(convertDimensionText(text, resolution, Separators{}).imperial, imperial)
                << text << " at 1/" << resolution;
    EXPECT_EQ(convertDimensionText("178956971'", 32, Separators{}).metric[0], "54546084760.8");
}

TEST(DimensionConversionTest, LongPastedDecimalInchesGiveTheirExactFraction) {
    // A pasted entry with thousands of decimals: its fraction is exact and, with the
    // common power of ten written as zeros, it is worked out at once.
    const std::string zeros(20000, '0');
    const auto texts = convertDimensionText("1." + zeros + "1\"", 32, Separators{});
    EXPECT_EQ(texts.imperial[1], "1.1/1" + zeros + "0\"");
    EXPECT_EQ(texts.imperial[4], "1\"");
}

TEST(DimensionConversionTest, ParseErrorReachesTheCaller) {
    EXPECT_THROW(convertDimensionText("2147483648", 32, Separators{}), Error);
}

// With another regional separator the texts keep the same digits; only the decimal
// separator of the metric results and the decimal inches changes.
TEST(DimensionConversionTest, RegionalSeparatorKeepsTheDigits) {
    for (const std::string separator : {",", "\xD9\xAB"}) {
        for (const auto& row : ResultRows) {
            SCOPED_TRACE(std::string(row.entry) + " with " + separator);
            ConversionTexts expected = ExpectedTexts(row);
            for (std::string* text :
                 {&expected.imperial[3], &expected.metric[0], &expected.metric[1],
                  &expected.metric[2], &expected.metric[3]})
                if (const auto point = text->find('.'); point != std::string::npos)
                    text->replace(point, 1, separator);
            ExpectTexts(convertDimensionText(row.entry, row.resolution, Separators{separator, " "}),
                        expected);
        }
    }
}

// A metric entry shown as feet, inches and fraction, read back through the parser,
// lies within half a fraction step of the entry.
TEST(DimensionConversionTest, MetricRoundTripStaysWithinHalfAStep) {
    std::mt19937 random(6102);
    std::uniform_int_distribution<std::int64_t> thousandths(1, 250'000'000);
    for (int i = 0; i < 3000; ++i) {
        const std::int64_t n = thousandths(random);
        const std::string decimals = std::to_string(1000 + n % 1000).substr(1);
        const std::string entry = std::to_string(n / 1000) + "." + decimals;
        const long double inches = static_cast<long double>(n) / 1000 / 25.4L;
        for (const int resolution : {32, 64}) {
            const ConversionTexts texts = convertDimensionText(entry, resolution, Separators{});
            for (const std::string& shown : {texts.imperial[0], texts.imperial[1]}) {
                const double back = parseDimension(shown).value;
                EXPECT_LE(std::fabs(back - inches), 0.5L / resolution + 1e-9L)
                    << entry << " mm shown as " << shown;
            }
        }
    }
}

TEST(DimensionFormatTest, UpToThreeDecimalsWithHalvesAwayFromZero) {
    const std::pair<long double, const char*> cases[] = {
        {0.0625L, "0.063"},
        {25.5L / 1000, "0.026"},
        {87.5L / 1000, "0.088"},
        {0.9995L, "1"},
        {0.0004L, "0"},
        {0, "0"},
        {1234567.25L, "1234567.25"},
        {39.3700787L, "39.37"},
        {2.5L, "2.5"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(formatUpToThreeDecimals(value, "."), expected) << static_cast<double>(value);
    EXPECT_EQ(formatUpToThreeDecimals(3.25L, ","), "3,25");
}

} // namespace
} // namespace kelvane
