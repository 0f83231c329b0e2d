#include "cli/CalcQuestions.h"

#include "cli/CalcCommands.h"
#include "cli/CalcError.h"
#include "weights/CalcShapes.h"
#include "cli/CutPlan.h"
#include "common/ResultFormat.h"
#include "convert/ConversionResults.h"

#include <cmath>

namespace kelvane {

namespace {

// A section named by a shape and its dimensions (every input but the length and the
// quantity), ready to weigh pieces of any length.
class Section {
public:
    Section(const std::vector<std::string>& operands, std::size_t first, const Separators& regional)
        : weigher_(shapeOf(operands, first)) {
        const CalcShape& shape = weigher_.shape();
        values_.assign(shape.inputs.size(), 0.0);
        std::size_t next = first + 1;
        for (std::size_t i = 0; i < shape.inputs.size(); ++i) {
            if (i == shape.lengthInput || i == shape.quantityInput)
                continue;
            if (next >= operands.size())
                throw usageError(std::string(shape.name) + " needs " + dimensionNames(shape));
            values_[i] = readValue(shape.inputs[i], operands[next++], regional);
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

std::string lengthText(long double length, const Separators& output) {
    return formatUpToThreeDecimals(length, output.decimal) + " mm";
}

AnswerField lengthField(std::string_view caption, std::string_view key, long double length,
                        const Separators& output) {
    return {caption, key, lengthText(length, output), formatUpToThreeDecimals(length, ".")};
}

AnswerField countField(std::string_view caption, std::string_view key, long long count) {
    return {caption, key, std::to_string(count), std::to_string(count)};
}

AnswerField weightField(std::string_view caption, std::string_view key, double weight,
                        const Separators& output) {
    const std::string text = formatResult(weight, " kg", output);
    return {caption, key, text, jsonString(text)};
}

double positive(std::string_view name, const std::string& text, const Separators& regional) {
    const double value = readValue(name, text, regional);
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
        throw usageError("Usage: kelvane-calc length-for WEIGHT_KG SHAPE DIMENSIONS...");
    const double weight = positive("weight", operands[0], regional);
    Section section(operands, 1, regional);
    // A metre of the section as the page weighs a bar of 1000 mm.
    const double perMetre = section.weigh(1000, 1, density()).first;
    section.writeNote(notes);
    const auto length = lengthForWeight(weight, perMetre);
    if (!length)
        throw inputError("No length of this section weighs " + operands[0] + " kg");
    return {lengthField("Length", "length", *length, output)};
}

std::vector<AnswerField> runCut(const CalcArguments& arguments, const DensitySource& density,
                                const Separators& regional, const Separators& output,
                                std::ostream& notes) {
    const auto& operands = arguments.operands;
    if (operands.size() < 2)
        throw usageError("Usage: kelvane-calc cut STOCK_LENGTH PIECE_LENGTH [SHAPE DIMENSIONS...] "
                         "[--kerf K] [--pieces N]");
    const double stock = positive("stock_length", operands[0], regional);
    const double piece = positive("piece_length", operands[1], regional);
    const double kerf = arguments.kerf ? readValue("kerf", *arguments.kerf, regional) : 0.0;
    if (kerf < 0)
        throw inputError("kerf: '" + *arguments.kerf + "' is less than 0");
    std::optional<long long> pieces;
    if (arguments.pieces) {
        const double count = positive("pieces", *arguments.pieces, regional);
        if (count != std::floor(count) || count > 1e15)
            throw inputError("pieces: '" + *arguments.pieces + "' is not a whole number");
        pieces = static_cast<long long>(count);
    }
    if (stock / piece > 1e15)
        throw inputError("A bar of " + operands[0] + " mm gives too many pieces to count");

    const CutPlan plan = planCut(stock, piece, kerf, pieces);
    if (plan.piecesPerBar == 0)
        throw inputError("A piece of " + operands[1] + " mm is longer than the bar of " +
                         operands[0] + " mm");
    std::vector<AnswerField> fields = {
        countField("Pieces per Bar", "pieces_per_bar", plan.piecesPerBar),
        lengthField("Offcut Length", "offcut_length", plan.offcut, output)};
    if (plan.barsNeeded)
        fields.push_back(countField("Bars Needed", "bars_needed", *plan.barsNeeded));
    if (operands.size() > 2) {
        Section section(operands, 2, regional);
        const double used = density();
        const auto [pieceWeight, orderWeight] =
            section.weigh(piece, pieces ? static_cast<double>(*pieces) : 1.0, used);
        const double offcutWeight = section.weigh(static_cast<double>(plan.offcut), 1, used).first;
        section.writeNote(notes);
        fields.push_back(weightField("Piece Weight", "piece_weight", pieceWeight, output));
        fields.push_back(weightField("Offcut Weight", "offcut_weight", offcutWeight, output));
        if (pieces)
            fields.push_back(weightField("Order Weight", "order_weight", orderWeight, output));
    }
    return fields;
}

} // namespace kelvane
