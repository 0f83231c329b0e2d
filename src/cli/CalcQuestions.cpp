#include "cli/CalcQuestions.h"

#include "cli/CalcCommands.h"
#include "cli/CalcError.h"
#include "weights/CalcShapes.h"
#include "cli/CutPlan.h"
#include "common/ResultFormat.h"
#include "convert/ConversionResults.h"
#include "convert/ImperialUnits.h"

#include <cmath>

namespace kelvane {

namespace {

// A section named by a shape and its dimensions (every input but the length and the
// quantity), ready to weigh pieces of any length.
class Section {
public:
    Section(const std::vector<std::string>& operands, std::size_t first, const Separators& regional,
            Units units)
        : weigher_(shapeOf(operands, first)) {
        const CalcShape& shape = weigher_.shape();
        values_.assign(shape.inputs.size(), 0.0);
        std::size_t next = first + 1;
        for (std::size_t i = 0; i < shape.inputs.size(); ++i) {
            if (i == shape.lengthInput || i == shape.quantityInput)
                continue;
            if (next >= operands.size())
                throw usageError(std::string(shape.name) + " needs " + dimensionNames(shape));
            values_[i] = readDimension(shape.inputs[i], operands[next++], regional, units);
        }
        if (next != operands.size())
            throw usageError(std::string(shape.name) + " takes " + dimensionNames(shape));
    }

    // The page's weight per bar and total weight of `quantity` pieces of `length` mm.
    std::pair<double, double> weigh(double length, double quantity, double density) {
        values_[weigher_.shape().lengthInput] = length;
        values_[weigher_.shape().quantityInput] = quantity;
        weigher_.weigh(values_, density);
        return {weigher_.result(1), weigher_.result(2)};
    }

    // Writes the page's note on the section, if it has one, as one line.
    void writeNote(std::ostream& notes) const {
        if (const auto& note = weigher_.note())
            notes << note->text << '\n';
    }

private:
    static const CalcShape& shapeOf(const std::vector<std::string>& operands, std::size_t at) {
        const CalcShape* shape = at < operands.size() ? findShape(operands[at]) : nullptr;
        if (!shape)
            throw usageError("The section's shape is one of round, hexagon, octagon, square, "
                             "decagon, triangle, flat, plate, tube, hollow");
        return *shape;
    }

    static std::string dimensionNames(const CalcShape& shape) {
        std::string names;
        for (std::size_t i = 0; i < shape.inputs.size(); ++i) {
            if (i == shape.lengthInput || i == shape.quantityInput)
                continue;
            names += names.empty() ? "" : " ";
            names += shape.inputs[i];
        }
        return names;
    }

    ShapeWeigher weigher_;
    std::vector<double> values_;
};

// The units' own unit of length: mm, or inches.
std::string_view lengthUnit(Units units) {
    return units == Units::Imperial ? " in" : " mm";
}

AnswerField lengthField(std::string_view caption, std::string_view key, long double length,
                        const Separators& output, Units units) {
    return {caption, key,
            formatUpToThreeDecimals(length, output.decimal) + std::string(lengthUnit(units)),
            formatUpToThreeDecimals(length, ".")};
}

AnswerField countField(std::string_view caption, std::string_view key, long long count) {
    return {caption, key, std::to_string(count), std::to_string(count)};
}

// A weight in kg, shown in the units as the weight pages show a weight per bar.
AnswerField weightField(std::string_view caption, std::string_view key, double kilograms,
                        const Separators& output, Units units) {
    const std::string text = units == Units::Imperial
                                 ? formatResult(poundsFromKilograms(kilograms), " lb", output)
                                 : formatResult(kilograms, " kg", output);
    return {caption, key, text, jsonString(text)};
}

double positive(std::string_view name, const std::string& text, const Separators& regional) {
    const double value = readValue(name, text, regional);
    if (!(value > 0))
        throw inputError(std::string(name) + ": '" + text + "' is not more than 0");
    return value;
}

// A length of the cut in the units' own unit: mm as a number, or inches and feet.
double cutLength(std::string_view name, const std::string& text, const Separators& regional,
                 Units units) {
    if (units == Units::Metric)
        return readValue(name, text, regional);
    return readInchesValue(name, text);
}

double positiveLength(std::string_view name, const std::string& text, const Separators& regional,
                      Units units) {
    const double value = cutLength(name, text, regional, units);
    if (!(value > 0))
        throw inputError(std::string(name) + ": '" + text + "' is not more than 0");
    return value;
}

} // namespace

std::vector<AnswerField> runLengthFor(const CalcArguments& arguments, const DensitySource& density,
                                      const Separators& regional, const Separators& output,
                                      std::ostream& notes) {
    const auto& operands = arguments.operands;
    if (operands.size() < 2)
        throw usageError("Usage: kelvane-calc length-for WEIGHT SHAPE DIMENSIONS...");
    const Units units = unitsOf(arguments);
    const bool imperial = units == Units::Imperial;
    const double weight = positive("weight", operands[0], regional);
    Section section(operands, 1, regional, units);
    // A metre of the section as the page weighs a bar of 1000 mm.
    const double perMetre = section.weigh(1000, 1, density()).first;
    section.writeNote(notes);
    const auto length = lengthForWeight(imperial ? kilogramsFromPounds(weight) : weight, perMetre);
    if (!length)
        throw inputError("No length of this section weighs " + operands[0] +
                         (imperial ? " lb" : " kg"));
    return {lengthField("Length", "length", imperial ? *length / kMillimetresPerInch : *length,
                        output, units)};
}

std::vector<AnswerField> runCut(const CalcArguments& arguments, const DensitySource& density,
                                const Separators& regional, const Separators& output,
                                std::ostream& notes) {
    const auto& operands = arguments.operands;
    if (operands.size() < 2)
        throw usageError("Usage: kelvane-calc cut STOCK_LENGTH PIECE_LENGTH [SHAPE DIMENSIONS...] "
                         "[--kerf K] [--pieces N]");
    // The cut is planned in the units' own length unit, so that lengths typed in
    // inches fit together exactly; the section weighs in millimetres.
    const Units units = unitsOf(arguments);
    const std::string_view unit = lengthUnit(units);
    const double stock = positiveLength("stock_length", operands[0], regional, units);
    const double piece = positiveLength("piece_length", operands[1], regional, units);
    const double kerf = arguments.kerf ? cutLength("kerf", *arguments.kerf, regional, units) : 0.0;
    if (kerf < 0)
        throw inputError("kerf: '" + *arguments.kerf + "' is less than 0");
    std::optional<long long> pieces;
    if (arguments.pieces) {
        const double count = positive("pieces", *arguments.pieces, regional);
        if (count != std::floor(count) || count > 1e15)
            throw inputError("pieces: '" + *arguments.pieces + "' is not a whole number");
        pieces = static_cast<long long>(count);
    }
    // A length as the user typed it in mm; inches and feet are named in inches.
    const auto named = [&](std::size_t operand, double length) {
        return (units == Units::Imperial ? formatUpToThreeDecimals(length, ".")
                                         : operands[operand]) +
               std::string(unit);
    };
    if (stock / piece > 1e15)
        throw inputError("A bar of " + named(0, stock) + " gives too many pieces to count");

    const CutPlan plan = planCut(stock, piece, kerf, pieces);
    if (plan.piecesPerBar == 0)
        throw inputError("A piece of " + named(1, piece) + " is longer than the bar of " +
                         named(0, stock));
    std::vector<AnswerField> fields = {
        countField("Pieces per Bar", "pieces_per_bar", plan.piecesPerBar),
        lengthField("Offcut Length", "offcut_length", plan.offcut, output, units)};
    if (plan.barsNeeded)
        fields.push_back(countField("Bars Needed", "bars_needed", *plan.barsNeeded));
    if (operands.size() > 2) {
        Section section(operands, 2, regional, units);
        const double used = density();
        const auto millimetres = [units](double length) {
            return units == Units::Imperial ? millimetresFromInches(length) : length;
        };
        const auto [pieceWeight, orderWeight] =
            section.weigh(millimetres(piece), pieces ? static_cast<double>(*pieces) : 1.0, used);
        const double offcutWeight =
            section.weigh(millimetres(static_cast<double>(plan.offcut)), 1, used).first;
        section.writeNote(notes);
        fields.push_back(weightField("Piece Weight", "piece_weight", pieceWeight, output, units));
        fields.push_back(
            weightField("Offcut Weight", "offcut_weight", offcutWeight, output, units));
        if (pieces)
            fields.push_back(
                weightField("Order Weight", "order_weight", orderWeight, output, units));
    }
    return fields;
}

} // namespace kelvane
