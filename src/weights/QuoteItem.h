#pragma once

#include "common/Separators.h"
#include "common/Units.h"
#include "weights/CalcShapes.h"
#include "weights/WeightFormulas.h"
#include "weights/WeightPageModel.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace kelvane {

// One line of a quote: a piece as a weight page weighed it. The weights are stored as
// the page worked them out, so that the list shows and adds exactly what the page
// showed.
struct QuoteItem {
    WeightShape shape = WeightShape::Round;
    std::string polygonShape;       // the polygon page's shape ("Hexagon"), else empty
    std::vector<double> dimensions; // the page's boxes but the quantity, in tab order (mm)
    double quantity = 1;
    std::string material;  // the material's name as the density table's bytes hold it
    double density = 0;    // the density used, in g/cm³
    bool rounded = true;   // whether commercial rounding was on
    WeightResults results; // per metre (or sq. metre), per piece, total; machining diameter

    double perUnit() const { return results.weights[0]; }
    double perPiece() const { return results.weights[1]; }
    double total() const { return results.weights[2]; }
};

// Shows one of the quote's English texts (a shape's word, a caption, a pattern with
// %1) in the language in use. Left empty, the texts stay English, as the files, the
// clipboard and kelvane-calc have them.
using QuoteWords = std::function<std::string(std::string_view english)>;

// The English text in the language `words` gives, or as it is without one.
std::string quoteWord(const QuoteWords& words, std::string_view english);

// The pattern in the language `words` gives, each %1, %2, ... replaced by its value.
std::string quoteText(const QuoteWords& words, std::string_view englishPattern,
                      std::initializer_list<std::string> values);

// The command-line section of an item's page and polygon shape; nullptr for a polygon
// shape that names none.
const CalcShape* quoteItemShape(WeightShape shape, std::string_view polygonShape);

// Works the item's results out afresh from its dimensions, quantity and density, with
// its page's own formula. Throws kelvane::Error for an item whose shape has no section
// or whose dimensions do not fit it.
void weighQuoteItem(QuoteItem& item);

// What a person reads for the item: "Round 50 × 3000 mm, Acetal (POM-C)", or in inches
// and pounds "Round 1.969 × 118.110 in, ..." (three decimals, as the pages show a length
// in inches). The dimensions stand in the page's tab order, the material's name decoded
// for display. The shape's word is given in the language of `words`.
std::string describeQuoteItem(const QuoteItem& item, const Separators& separators,
                              Units units = Units::Metric, const QuoteWords& words = {});

// A weight of the list in the units shown: "41.23 kg", or in pounds "90.89 lb".
std::string quoteWeightText(double kilograms, const Separators& separators, Units units);

// A number as the list and its files write it: the shortest text that reads back to
// the same double, with "." as the decimal point.
std::string quoteNumberText(double value);

} // namespace kelvane
