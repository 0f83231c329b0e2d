#include "weights/QuoteItem.h"

#include "common/KelvaneError.h"
#include "common/ResultFormat.h"
#include "common/TextMark.h"
#include "convert/ImperialUnits.h"
#include "materials/NameEncoding.h"

#include <charconv>

namespace kelvane {

std::string quoteWord(const QuoteWords& words, std::string_view english) {
    return words ? words(english) : std::string(english);
}

std::string quoteText(const QuoteWords& words, std::string_view englishPattern,
                      std::initializer_list<std::string> values) {
    const std::string pattern = quoteWord(words, englishPattern);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number =
            pattern[i] == '%' && i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - '0') : 0;
        if (number >= 1 && number <= values.size()) {
            text += values.begin()[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

const CalcShape* quoteItemShape(WeightShape shape, std::string_view polygonShape) {
    for (const CalcShape& candidate : calcShapes())
        if (candidate.page == shape &&
            (shape != WeightShape::Polygon ||
             polygonShapeDefinition(candidate.polygonShape).name == polygonShape))
            return &candidate;
    return nullptr;
}

void weighQuoteItem(QuoteItem& item) {
    const CalcShape* shape = quoteItemShape(item.shape, item.polygonShape);
    if (!shape || item.dimensions.size() + 1 != shape->inputs.size())
        throw Error("The quote item's dimensions do not fit its shape");
    std::vector<double> values = item.dimensions;
    values.insert(values.begin() + static_cast<std::ptrdiff_t>(shape->quantityInput),
                  item.quantity);
    item.results = weightPageDefinition(item.shape)
                       .calculate(WeightInputs{values, item.density, shape->polygonShape});
}

std::string describeQuoteItem(const QuoteItem& item, const Separators& separators, Units units,
                              const QuoteWords& words) {
    constexpr int kInchDecimals = 3;
    static constexpr std::array<std::string_view, kWeightShapes.size()> kShapeWords = {
        KELVANE_TEXT("Kelvane", "Round"), "",
        KELVANE_TEXT("Kelvane", "Flat"),  KELVANE_TEXT("Kelvane", "Plate"),
        KELVANE_TEXT("Kelvane", "Tube"),  KELVANE_TEXT("Kelvane", "Hollow Section")};
    std::string text = quoteWord(words, item.shape == WeightShape::Polygon
                                            ? std::string_view(item.polygonShape)
                                            : kShapeWords[static_cast<std::size_t>(item.shape)]);
    const char* separator = " ";
    for (const double dimension : item.dimensions) {
        text += separator;
        text += units == Units::Imperial
                    ? formatResult(inchesFromMillimetres(dimension), "", separators, kInchDecimals)
                    : formatGeneral(dimension, separators);
        separator = " \xC3\x97 "; // a multiplication sign between dimensions
    }
    text += units == Units::Imperial ? " in" : " mm";
    if (!item.material.empty())
        text += ", " + displayText(item.material);
    return text;
}

std::string quoteWeightText(double kilograms, const Separators& separators, Units units) {
    return units == Units::Imperial
               ? formatResult(poundsFromKilograms(kilograms), " lb", separators)
               : formatResult(kilograms, " kg", separators);
}

std::string quoteNumberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

} // namespace kelvane
