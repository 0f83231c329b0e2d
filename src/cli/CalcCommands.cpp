#include "cli/CalcCommands.h"

#include "carbon/CarbonEquivalent.h"
#include "cli/CalcError.h"
#include "weights/CalcShapes.h"
#include "common/KelvaneError.h"
#include "common/NumberEntry.h"
#include "convert/ConversionResults.h"
#include "convert/ImperialUnits.h"
#include "turning/TurningCost.h"

#include <cctype>

namespace kelvane {

namespace {

void expectOperands(const CalcArguments& arguments, std::size_t least, std::size_t most,
                    std::string_view form) {
    const std::size_t count = arguments.operands.size();
    if (count < least || count > most)
        throw usageError("Usage: kelvane-calc " + std::string(form));
}

std::string shapeForm(const CalcShape& shape, std::string_view command) {
    std::string form(command);
    if (command == "polygon")
        form += " SHAPE";
    for (const std::string_view input : shape.inputs) {
        std::string name(input);
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        form += input == "quantity" ? " [" + name + "]" : " " + name;
    }
    return form;
}

std::vector<CaptionedText> weigh(const CalcArguments& arguments, double density,
                                 const Separators& regional, const Separators& output,
                                 std::ostream& notes) {
    std::vector<std::string> operands = arguments.operands;
    const CalcShape* shape = findShape(arguments.command);
    if (arguments.command == "polygon") {
        shape = operands.empty() ? nullptr : findShape(operands.front());
        if (!shape || shape->page != WeightShape::Polygon)
            throw usageError("Usage: kelvane-calc polygon SHAPE ACROSS_FLATS LENGTH [QUANTITY]; "
                             "SHAPE is hexagon, octagon, square, decagon or triangle");
        operands.erase(operands.begin());
    }
    const std::size_t inputs = shape->inputs.size();
    if (operands.size() + 1 < inputs || operands.size() > inputs)
        throw usageError("Usage: kelvane-calc " + shapeForm(*shape, arguments.command));
    const Units units = unitsOf(arguments);
    std::vector<double> values(inputs, 1.0); // a missing quantity is 1
    for (std::size_t i = 0; i < operands.size(); ++i)
        values[i] = i == shape->quantityInput
                        ? readValue(shape->inputs[i], operands[i], regional)
                        : readDimension(shape->inputs[i], operands[i], regional, units);
    ShapeWeigher weigher(*shape, units);
    weigher.weigh(values, density);
    if (const auto& note = weigher.note())
        notes << note->text << '\n';
    return weigher.texts(output);
}

std::vector<CaptionedText> convert(const CalcArguments& arguments, const Separators& output) {
    expectOperands(arguments, 1, 1, "convert DIMENSION [--fractions 32|64]");
    const std::string resolution = arguments.fractions.value_or("32");
    if (resolution != "32" && resolution != "64")
        throw usageError("--fractions is 32 or 64");
    ConversionTexts texts;
    try {
        texts = convertDimensionText(arguments.operands[0], std::stoi(resolution), output);
    } catch (const std::exception& error) {
        throw inputError(withFullStop(error.what()));
    }
    std::vector<CaptionedText> results;
    for (std::size_t i = 0; i < texts.imperial.size(); ++i)
        results.push_back({kImperialCaptions[i], texts.imperial[i]});
    for (std::size_t i = 0; i < texts.metric.size(); ++i)
        results.push_back({kMetricCaptions[i], texts.metric[i]});
    return results;
}

std::vector<CaptionedText> turning(const CalcArguments& arguments, double density,
                                   const Separators& regional, const Separators& output) {
    expectOperands(arguments, 6, 6,
                   "turning FEED_DIAMETER BAR_LENGTH QUANTITY STOCK_COST TURNING_COST "
                   "PRODUCED_DIAMETER [--stock-lump-sum] [--turning-lump-sum]");
    static constexpr std::array<std::string_view, 6> kNames = {
        "feed_diameter", "bar_length",   "quantity",
        "stock_cost",    "turning_cost", "produced_diameter"};
    std::array<double, 6> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = readValue(kNames[i], arguments.operands[i], regional);
    TurningInputs inputs;
    inputs.feedDiameter = values[0];
    inputs.feedLength = values[1];
    inputs.feedQuantity = values[2];
    inputs.stockCost = values[3];
    inputs.turningCost = values[4];
    inputs.producedDiameter = values[5];
    inputs.stockBasis = arguments.stockLumpSum ? CostBasis::LumpSum : CostBasis::Tonne;
    inputs.turningBasis = arguments.turningLumpSum ? CostBasis::LumpSum : CostBasis::Tonne;
    const auto texts = turningResultTexts(calcTurned(inputs, density, output).texts);
    return {texts.begin(), texts.end()};
}

std::vector<CaptionedText> carbonEquivalent(const CalcArguments& arguments,
                                            const Separators& regional, const Separators& output) {
    expectOperands(arguments, 1, kElements.size(), "ce C [MN [CR [MO [V [CU [NI]]]]]]");
    ElementContents contents{}; // an element not given is an empty box: 0
    for (std::size_t i = 0; i < arguments.operands.size(); ++i)
        contents[i] = readValue(kElements[i].symbol, arguments.operands[i], regional);
    const double cev = calcCev(contents);
    const auto band = static_cast<std::size_t>(carbonBandPosition(cev));
    return {{kCarbonResultCaption, carbonEquivalentText(cev, output)},
            {kCarbonRatingCaption, std::string(kCarbonBands[band].rating)}};
}

} // namespace

double readValue(std::string_view name, const std::string& text, const Separators& regional) {
    const auto value = readEntryValue(text, regional);
    if (!value)
        throw inputError(std::string(name) + ": '" + text + "' is not a number");
    return *value;
}

Units unitsOf(const CalcArguments& arguments) {
    const std::string name = arguments.units.value_or("metric");
    if (name == "metric")
        return Units::Metric;
    if (name == "imperial")
        return Units::Imperial;
    throw usageError("--units is metric or imperial");
}

std::string notInInchesMessage(const std::string& text) {
    return "'" + text + "' is not in inches and feet (2, 1.1/4, 3/16\", 12'6\")";
}

double readInchesValue(std::string_view name, const std::string& text) {
    const auto inches = readInches(text);
    if (!inches)
        throw inputError(std::string(name) + ": " + notInInchesMessage(text));
    return *inches;
}

double readDimension(std::string_view name, const std::string& text, const Separators& regional,
                     Units units) {
    if (units == Units::Metric)
        return readValue(name, text, regional);
    return millimetresFromInches(readInchesValue(name, text));
}

bool isPageCommand(std::string_view command) {
    return needsMaterial(command) || command == "convert" || command == "ce";
}

bool needsMaterial(std::string_view command) {
    return command == "polygon" || command == "turning" || findShape(command) != nullptr;
}

std::vector<CaptionedText> runPageCommand(const CalcArguments& arguments, double density,
                                          const Separators& regional, const Separators& output,
                                          std::ostream& notes) {
    if (arguments.command == "convert")
        return convert(arguments, output);
    if (arguments.command == "turning")
        return turning(arguments, density, regional, output);
    if (arguments.command == "ce")
        return carbonEquivalent(arguments, regional, output);
    return weigh(arguments, density, regional, output, notes);
}

} // namespace kelvane
