#include "convert/DimensionParser.h"
#include "common/KelvaneError.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

struct Reading {
    const char* text;
    bool imperial;
    std::int32_t feet, inches, numerator, denominator;
    const char* decimals;
    double value;
};

void ExpectReading(const Reading& r) {
    SCOPED_TRACE(r.text);
    const DimensionEntry e = parseDimension(r.text);
    EXPECT_EQ(e.isImperial, r.imperial);
    EXPECT_EQ(e.feet, r.feet);
    EXPECT_EQ(e.inches, r.inches);
    EXPECT_EQ(e.numerator, r.numerator);
    EXPECT_EQ(e.denominator, r.denominator);
    EXPECT_EQ(e.decimalDigits, r.decimals);
    EXPECT_EQ(e.value, r.value); // the nearest double to the decimal reading
}

TEST(DimensionParserTest, WorkedReadings) {
    const Reading readings[] = {
        {"12345", false, 12345, 0, 0, 0, "", 12345},
        {"12345.678", false, 12345, 0, 0, 0, "678", 12345.678},
        {"0.512", false, 0, 0, 0, 0, "512", 0.512},
        {"12.05", false, 12, 0, 0, 0, "05", 12.05},
        {"1'2\"", true, 1, 2, 0, 0, "", 14},
        {"34\"", true, 0, 34, 0, 0, "", 34},
        {"1.1/4\"", true, 0, 1, 1, 4, "", 1.25},
        {"1/4\"", true, 0, 0, 1, 4, "", 0.25},
        {"12'9.3/4\"", true, 12, 9, 3, 4, "", 153.75},
        {"1.5\"", true, 0, 1, 0, 0, "5", 1.5},
        {"1.05\"", true, 0, 1, 0, 0, "05", 1.05},
        {"5'1.5\"", true, 5, 1, 0, 0, "5", 61.5},
        {"5'", true, 5, 0, 0, 0, "", 60},
        {"5'3", true, 5, 0, 0, 0, "", 60},
        {"5'3.5", true, 5, 3, 0, 0, "5", 63.5},
        {"3/4", true, 0, 0, 0, 0, "", 0},
        {"2.1/0\"", true, 0, 2, 1, 0, "", 2},
        {"", false, 0, 0, 0, 0, "", 0},
        {"0.0", false, 0, 0, 0, 0, "0", 0},
        {"2147483647", false, 2147483647, 0, 0, 0, "", 2147483647},
        {"0002147483647.0001", false, 2147483647, 0, 0, 0, "0001", 2147483647.0001},
    };
    for (const auto& r : readings)
        ExpectReading(r);
}

TEST(DimensionParserTest, InvalidIntegerGroupNamesTheGroup) {
    const std::pair<const char*, const char*> cases[] = {
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"12.2147483648", "'2147483648' is not a valid integer value"},
        {"5'2147483648\"", "'2147483648' is not a valid integer value"},
        {"1/99999999999\"", "'99999999999' is not a valid integer value"},
        {"'3\"", "'' is not a valid integer value"},
        {".5", "'' is not a valid integer value"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        try {
            parseDimension(text);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

TEST(DimensionKeyFilterTest, EachTextAdmitsOnlyItsKeys) {
    // The current text, the typed characters it admits and those it refuses.
    const std::array<const char*, 3> cases[] = {
        {"", "0123456789", ".'/\""},  // the entry starts with a digit
        {"1", "5.'/\"", "aA -+,;"},   // letters, blanks, signs and the comma never
        {"1.", "5\"", "./'"},         // no slash or feet mark after a point
        {"1.1", "5/\"", ".'"},        // the point is there already
        {"1'", "5\"", "'./"},         // no point or slash right after the feet mark
        {"12'9", "5./\"", "'"},       // 12'9.3/4" and 12'3/4"
        {"12'9.3", "5/\"", ".'"},     // the feet mark never after a point
        {"1/", "5\"", "/.'"},         // no point right after a slash
        {"1/2", "5\"", "/.'"},        // nor a point or feet mark once a slash is there
        {"1\"", "", "5\"'./"},        // the inch mark completes the entry
        {"12'9.3/4\"", "", "1\"'./"}, // also when the whole text is selected
    };
    for (const auto& [text, admitted, refused] : cases) {
        for (const char* key = admitted; *key != '\0'; ++key)
            EXPECT_TRUE(dimensionKeyAdmitted(static_cast<char32_t>(*key), text))
                << text << " + " << *key;
        for (const char* key = refused; *key != '\0'; ++key)
            EXPECT_FALSE(dimensionKeyAdmitted(static_cast<char32_t>(*key), text))
                << text << " + " << *key;
    }
}

TEST(DimensionKeyFilterTest, ControlKeysAlwaysPassOtherKeysNever) {
    for (const char* text : {"", "1", "12'9.3/4\""}) {
        for (const char32_t key : {U'\b', U'\r', U'\x7F'}) // Backspace, Enter, DEL
            EXPECT_TRUE(dimensionKeyAdmitted(key, text)) << text;
        // Ctrl+V arrives as a control character; a non-ASCII digit is no digit here.
        for (const char32_t key : {char32_t{22}, char32_t{9}, U'\u00BD', U'\u0661'})
            EXPECT_FALSE(dimensionKeyAdmitted(key, text)) << text;
    }
}

} // namespace
} // namespace kelvane
