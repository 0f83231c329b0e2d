#include "convert/ImperialUnits.h"

#include "common/KelvaneError.h"
#include "convert/DimensionParser.h"

namespace kelvane {

namespace {

using Extended = long double;

constexpr Extended kMillimetresPerMetre = 1000;

// Whether the conversion page's key filter would have let the whole text be typed,
// one character after the other.
bool typeable(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!dimensionKeyAdmitted(static_cast<unsigned char>(text[i]), text.substr(0, i)))
            return false;
    return true;
}

} // namespace

std::optional<double> readInches(std::string_view text) {
    // Blanks around the dimension are allowed, as around a number in an entry box.
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || !typeable(text) || text.back() == '/')
        return std::nullopt;
    // Without an inch mark the number is inches all the same: closing the text with
    // the mark lets the parser read "3/16" and "12'6" whole, where the conversion page
    // waits for the mark.
    std::string closed(text);
    if (closed.back() != kInchMark)
        closed += kInchMark;
    try {
        const DimensionEntry entry = parseDimension(closed);
        if (entry.groupCount == 0 || (entry.hasSlash && entry.denominator == 0))
            return std::nullopt;
        return entry.value;
    } catch (const Error&) {
        return std::nullopt; // a group above 2147483647
    }
}

double millimetresFromInches(double inches) {
    return static_cast<double>(inches * kMillimetresPerInch);
}

double inchesFromMillimetres(double millimetres) {
    return static_cast<double>(millimetres / kMillimetresPerInch);
}

double poundsFromKilograms(double kilograms) {
    return static_cast<double>(kilograms / kKilogramsPerPound);
}

double kilogramsFromPounds(double pounds) {
    return static_cast<double>(pounds * kKilogramsPerPound);
}

double poundsPerFoot(double kilogramsPerMetre) {
    return static_cast<double>(kilogramsPerMetre * (kMillimetresPerFoot / kMillimetresPerMetre) /
                               kKilogramsPerPound);
}

double poundsPerSquareFoot(double kilogramsPerSquareMetre) {
    constexpr Extended metresPerFoot = kMillimetresPerFoot / kMillimetresPerMetre;
    return static_cast<double>(kilogramsPerSquareMetre * (metresPerFoot * metresPerFoot) /
                               kKilogramsPerPound);
}

} // namespace kelvane
