#pragma once

#include "cli/CalcArguments.h"
#include "common/Caption.h"
#include "common/Separators.h"
#include "common/Units.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// A command-line value read as an entry box reads its text ("." and the regional
// separator both decimal points); text that is no number is an input CalcError
// naming the value, never 0.
double readValue(std::string_view name, const std::string& text, const Separators& regional);

// The units of the run: "--units metric" (also without the option) or "imperial".
// Throws a usage CalcError for any other value.
Units unitsOf(const CalcArguments& arguments);

// A dimension in millimetres: in metric units read as readValue reads it; in imperial
// units written in inches and feet (2, 1.1/4, 3/16", 12'6") and converted. Text that
// is no such dimension is an input CalcError naming the value.
double readDimension(std::string_view name, const std::string& text, const Separators& regional,
                     Units units);

// The error message for a text that is no dimension in inches.
std::string notInInchesMessage(const std::string& text);

// A length written in inches and feet (2, 1.1/4, 3/16", 12'6"), in inches. Text that is
// no such length is an input CalcError naming the value.
double readInchesValue(std::string_view name, const std::string& text);

// The commands that give a page's results: the weight pages' round, polygon, flat,
// plate, tube and hollow (and each shape's own name), convert, turning and ce.
bool isPageCommand(std::string_view command);

// Whether the command weighs something and so needs a material.
bool needsMaterial(std::string_view command);

// Runs a page command on its operands and gives the page's results under their
// captions, in the texts the page shows with `output` separators. A note the page
// would show beside the figures (a wall that reaches the centre) goes to `notes` as
// one line. Throws a usage CalcError for the wrong number of operands, an input
// CalcError for a bad value.
std::vector<CaptionedText> runPageCommand(const CalcArguments& arguments, double density,
                                          const Separators& regional, const Separators& output,
                                          std::ostream& notes);

} // namespace kelvane
