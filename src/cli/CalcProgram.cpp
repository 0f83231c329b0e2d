#include "cli/CalcProgram.h"

#include "cli/CalcArguments.h"
#include "cli/CalcBatch.h"
#include "cli/CalcCommands.h"
#include "cli/CalcError.h"
#include "cli/CalcMaterial.h"
#include "cli/CalcOutput.h"
#include "cli/CalcQuestions.h"
#include "common/FilePath.h"
#include "weights/CalcShapes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

namespace kelvane {

namespace {

constexpr const char* kHelp =
    R"(Usage: kelvane-calc [OPTIONS] COMMAND [ARGUMENTS] [OPTIONS]

Kelvane's weights, conversions and costs on the command line, in the texts the
window shows. Dimensions are in millimetres; "." and the regional decimal
separator are both decimal points. With --units imperial they are in inches,
feet marked with ' (2, 1.1/4, 3/16", 12'6"), and weights in pounds. A missing
QUANTITY is 1.

Commands:
  round DIAMETER LENGTH [QUANTITY]
  polygon SHAPE ACROSS_FLATS LENGTH [QUANTITY]
                      SHAPE: hexagon, octagon, square, decagon, triangle
  flat WIDTH THICKNESS LENGTH [QUANTITY]
  plate LENGTH WIDTH THICKNESS [QUANTITY]
  tube DIAMETER WALL LENGTH [QUANTITY]
  hollow HEIGHT WIDTH WALL LENGTH [QUANTITY]
  convert DIMENSION   millimetres, or feet, inches and fractions (1'2.3/4")
  turning FEED_DIAMETER BAR_LENGTH QUANTITY STOCK_COST TURNING_COST PRODUCED_DIAMETER
  ce C [MN [CR [MO [V [CU [NI]]]]]]
  length-for WEIGHT SHAPE DIMENSIONS...
                      the length of one piece that weighs WEIGHT (kg or lb)
  cut STOCK_LENGTH PIECE_LENGTH [SHAPE DIMENSIONS...]
                      pieces per stock bar, offcut and, with a section, weights
  batch [FILE|-]      weighs every row of a CSV table (standard input without FILE)

SHAPE DIMENSIONS: round DIAMETER | hexagon, octagon, square, decagon, triangle
ACROSS_FLATS | flat WIDTH THICKNESS | plate WIDTH THICKNESS | tube DIAMETER WALL |
hollow HEIGHT WIDTH WALL

Options:
  --material NAME     the material of that exact name in the density table
  --table FILE        another density table
  --density D         this density (g/cm3), no table
  --exact             commercial rounding off
  --units metric|imperial
                      weights, length-for, cut and batch: millimetres and
                      kilograms (the default) or inches and pounds
  --json              one JSON object instead of lines
  --decimal-separator C
                      the decimal separator of the results (default ".")
  --fractions 32|64   convert: metric entries to the nearest 1/32" or 1/64"
  --stock-lump-sum, --turning-lump-sum
                      turning: that cost is a lump sum, not per tonne
  --kerf K            cut: the width of one cut
  --pieces N          cut: the pieces ordered
  -h, --help          this help
  --version           the version

Exit status: 0 success, 1 bad input, 2 usage error or unusable density table.
)";

Separators outputSeparators(const CalcArguments& arguments) {
    Separators output{".", ""};
    if (arguments.decimalSeparator) {
        const std::string& separator = *arguments.decimalSeparator;
        if (separator.empty() || separator.find_first_of("0123456789+-eE") != std::string::npos)
            throw usageError("'" + separator + "' cannot be a decimal separator");
        output.decimal = separator;
    }
    return output;
}

void checkOptionsFit(const CalcArguments& arguments) {
    const std::string& command = arguments.command;
    if (arguments.fractions && command != "convert")
        throw usageError("--fractions is an option of convert");
    if ((arguments.kerf || arguments.pieces) && command != "cut")
        throw usageError("--kerf and --pieces are options of cut");
    if ((arguments.stockLumpSum || arguments.turningLumpSum) && command != "turning")
        throw usageError("--stock-lump-sum and --turning-lump-sum are options of turning");
    const bool weighsInUnits = command == "length-for" || command == "cut" || command == "batch" ||
                               command == "polygon" || findShape(command) != nullptr;
    if (arguments.units && !weighsInUnits)
        throw usageError("--units is an option of the weight commands, length-for, cut and batch");
    unitsOf(arguments); // a value other than metric or imperial is a usage error
}

int run(const CalcArguments& arguments, const CalcEnvironment& environment, std::istream& in,
        std::ostream& out, std::ostream& err) {
    if (arguments.help) {
        out << kHelp;
        return kExitSuccess;
    }
    if (arguments.version) {
        out << "kelvane-calc " << KELVANE_VERSION << '\n';
        return kExitSuccess;
    }
    if (arguments.command.empty())
        throw usageError("No command given");
    checkOptionsFit(arguments);
    const Separators output = outputSeparators(arguments);
    const Separators& regional = environment.regional;
    const std::string& command = arguments.command;

    std::optional<CalcMaterial> material;
    const auto useMaterial = [&]() -> CalcMaterial& {
        if (!material)
            material.emplace(arguments, environment,
                             [&](const std::string& warning) { err << warning << '\n'; });
        return *material;
    };
    const DensitySource density = [&] {
        return useMaterial().density();
    };

    if (isPageCommand(command)) {
        const bool weighs = needsMaterial(command);
        const double used = weighs ? density() : 0.0;
        const auto results = runPageCommand(arguments, used, regional, output, err);
        writeResults(out, arguments.json, weighs ? useMaterial().name() : std::nullopt,
                     weighs ? std::optional<double>(used) : std::nullopt, results);
        return kExitSuccess;
    }
    if (command == "length-for") {
        writeAnswer(out, arguments.json, runLengthFor(arguments, density, regional, output, err));
        return kExitSuccess;
    }
    if (command == "cut") {
        writeAnswer(out, arguments.json, runCut(arguments, density, regional, output, err));
        return kExitSuccess;
    }
    if (command == "batch") {
        if (arguments.operands.size() > 1)
            throw usageError("Usage: kelvane-calc batch [FILE|-]");
        if (arguments.json)
            throw usageError("batch writes CSV; --json does not apply");
        CalcMaterial& used = useMaterial();
        if (arguments.operands.empty() || arguments.operands[0] == "-")
            return runBatch(in, out, err, used, regional, output, unitsOf(arguments));
        std::ifstream file(pathFromUtf8(arguments.operands[0]), std::ios::binary);
        if (!file)
            throw CalcError(kExitUsage, "Cannot open file \"" + arguments.operands[0] + "\". " +
                                            std::strerror(errno) + ".");
        return runBatch(file, out, err, used, regional, output, unitsOf(arguments));
    }
    throw usageError("Unknown command '" + command + "'");
}

} // namespace

int runCalc(const std::vector<std::string>& arguments, const CalcEnvironment& environment,
            std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        return run(readArguments(arguments), environment, in, out, err);
    } catch (const CalcError& error) {
        out.flush();
        err << error.what() << '\n';
        if (error.pointsToHelp())
            err << "Try 'kelvane-calc --help'.\n";
        return error.status();
    }
}

} // namespace kelvane
