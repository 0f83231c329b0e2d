#pragma once

#include "cli/CalcArguments.h"
#include "cli/CalcOutput.h"
#include "common/Separators.h"

#include <functional>
#include <ostream>
#include <vector>

namespace kelvane {

// The density of the run's material, asked for only when a section is weighed.
using DensitySource = std::function<double()>;

// length-for WEIGHT SHAPE DIMENSIONS…: the length of one piece of the section that
// weighs WEIGHT, in mm with three decimals at most; with --units imperial the weight
// is in pounds, the dimensions and the answer in inches. The page's note on the
// section (a wall that reaches the centre) goes to `notes` as one line.
std::vector<AnswerField> runLengthFor(const CalcArguments& arguments, const DensitySource& density,
                                      const Separators& regional, const Separators& output,
                                      std::ostream& notes);

// cut STOCK_LENGTH PIECE_LENGTH [SHAPE DIMENSIONS…] [--kerf K] [--pieces N]: pieces per
// bar, the offcut, the bars N pieces need and, with a section, the weights and the
// section's note, as length-for gives them; with --units imperial every length in
// inches and feet, the weights in pounds.
std::vector<AnswerField> runCut(const CalcArguments& arguments, const DensitySource& density,
                                const Separators& regional, const Separators& output,
                                std::ostream& notes);

} // namespace kelvane
