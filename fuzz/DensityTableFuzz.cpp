// Fuzzes the density-table reader with arbitrary bytes as the file's content.
// Input: one byte choosing the regional separators, then the file's bytes.

#include "FuzzChecks.h"

#include "common/ResultFormat.h"
#include "materials/DensityTable.h"
#include "materials/MaterialState.h"
#include "materials/NameEncoding.h"

#include <cmath>
#include <cstdint>

namespace {

// Lines of a text ending in CR LF, CR or LF; a line end after the last line adds none.
std::size_t CountLines(std::string_view content) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' || content[i] == '\n') {
            ++lines;
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
        }
    }
    const char last = content.empty() ? '\n' : content.back();
    return lines + (last != '\r' && last != '\n' ? 1 : 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvane;
    using namespace kelvane::fuzz;
    if (size == 0)
        return 0;
    const Separators separators = SeparatorsFor(data[0]);
    const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);

    const DensityTableRead read = parseDensityTable(content, separators);

    // Every line gives a material until the first bad one, which stops the reading.
    const std::size_t lines = CountLines(content);
    Check(read.materials.size() + (read.error ? 1 : 0) <= lines, "no more entries than lines",
          content);
    Check(read.error || read.materials.size() == lines, "a table without error reads every line",
          content);
    if (read.error) {
        const std::string& error = *read.error;
        constexpr std::string_view tail = "' is not a valid floating point value";
        Check(error.size() > tail.size() && error.front() == '\'' && error.ends_with(tail),
              "the error names the density text", error);
        Check(isValidUtf8(error), "the error text is valid UTF-8", error);
    }

    for (const MaterialEntry& material : read.materials) {
        Check(material.name.find_first_of("\r\n,") == std::string::npos,
              "a name holds no line end and no comma", material.name);
        Check(isValidUtf8(displayText(material.name)), "a name displays as valid UTF-8",
              material.name);
        Check(std::isfinite(material.density), "a density is finite", material.name);

        // What the status bar and the weight pages make of the density.
        const std::string general = formatGeneral(material.density, separators);
        Check(!HasNanOrInfText(general), "no NaN or infinity in the status bar", general);
        const double rounded = commercialDensity(material.density);
        Check(std::isfinite(rounded), "commercial rounding stays finite", general);
        const std::string result = formatResult(rounded, "", separators);
        Check(IsResultText(result, separators) && !HasNanOrInfText(result),
              "a rounded density formats as a result", result);
    }
    return 0;
}
