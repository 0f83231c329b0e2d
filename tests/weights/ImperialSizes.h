#pragma once

#include <cstdlib>
#include <random>
#include <string>

namespace kelvane::testing {

// A dimension written in inches and feet, and the inches it stands for as the
// nearest double: fractions of sixteenths and feet are exact, and decimal inches
// are read as any decimal text is.
struct ImperialSize {
    std::string text;
    double inches;
};

// A seeded random dimension in one of the notation's forms. A section's dimension is
// whole inches, inches and sixteenths ("1.3/16"), a fraction alone ("5/16\"") or decimal
// inches ("2.375"); a length is feet ("12'"), feet and inches ("12'6\"", "3'1.5/16\"")
// or inches alone.
inline ImperialSize randomImperialSize(std::mt19937& random, bool length) {
    const unsigned whole = 1 + random() % 11;
    const unsigned sixteenths = 1 + random() % 15;
    const std::string fraction = std::to_string(sixteenths) + "/16";
    const double fractionInches = sixteenths / 16.0;
    if (length) {
        const unsigned feet = 1 + random() % 24;
        const std::string feetText = std::to_string(feet) + "'";
        switch (random() % 4) {
        case 0:
            return {feetText, feet * 12.0};
        case 1:
            return {feetText + std::to_string(whole) + "\"", feet * 12.0 + whole};
        case 2:
            return {feetText + std::to_string(whole) + "." + fraction + "\"",
                    feet * 12.0 + whole + fractionInches};
        default:
            return {std::to_string(whole * 12), whole * 12.0};
        }
    }
    switch (random() % 4) {
    case 0:
        return {std::to_string(whole), static_cast<double>(whole)};
    case 1:
        return {std::to_string(whole) + "." + fraction, whole + fractionInches};
    case 2:
        return {fraction + "\"", fractionInches};
    default: {
        std::string text = std::to_string(whole) + "." + std::to_string(random() % 1000);
        return {text, std::strtod(text.c_str(), nullptr)};
    }
    }
}

} // namespace kelvane::testing
