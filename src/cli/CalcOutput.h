#pragma once

#include "common/Caption.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// One line of plain output: the caption as the page shows it, a colon where the
// caption has none, a blank and the text ("Weight per Metre: 3.44 kg"). An empty text
// leaves the line at its caption and colon.
std::string resultLine(std::string_view caption, std::string_view text);

// The text as a JSON string, quotes included. The text is UTF-8.
std::string jsonString(std::string_view text);

// The shortest decimal form that reads back as the same double ("1.75", "8").
std::string jsonNumber(double value);

// The results of a page: one line each, or with `json` one object with the material's
// name (null without one), the density used (null where none is used) and the
// results under their caption names.
void writeResults(std::ostream& out, bool json, const std::optional<std::string>& material,
                  std::optional<double> density, const std::vector<CaptionedText>& results);

// A result of length-for or cut: a caption for the plain line, a key for JSON, and
// the text, which JSON gives as a number (`number`) or as a string.
struct AnswerField {
    std::string_view caption;
    std::string_view key;
    std::string text;
    std::string jsonValue; // the JSON form: a number, or the text as a string
};

void writeAnswer(std::ostream& out, bool json, const std::vector<AnswerField>& fields);

} // namespace kelvane
