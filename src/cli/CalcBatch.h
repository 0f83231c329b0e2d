#pragma once

#include "cli/CalcMaterial.h"
#include "common/Separators.h"
#include "common/Units.h"

#include <istream>
#include <ostream>

namespace kelvane {

// Weighs every row of a comma-separated table. Its header names the columns: `shape`
// (round, hexagon, … as on the command line), one column per input under the names
// the commands use (diameter, length, quantity, across_flats, width, thickness, wall,
// height) and, optionally, `material`. Every row is written back as read with one
// column per result caption added. A cell that cannot be used is reported on `err`
// with its line and column, and its row is written with empty results. Reads and
// writes a block at a time, so memory does not grow with the table.
// Returns the exit status: 0, or 1 when any row was bad. Throws a usage CalcError for
// a table without a header or without a shape column. In imperial units every
// dimension cell is read in inches and feet, and the added columns are the captions
// and texts of pounds.
int runBatch(std::istream& in, std::ostream& out, std::ostream& err, CalcMaterial& material,
             const Separators& regional, const Separators& output, Units units = Units::Metric);

} // namespace kelvane
