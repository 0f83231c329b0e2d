#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane::bench {

// Nanoseconds on the system-wide monotonic clock. The parent and its children
// read the same clock, so a child's moment minus the parent's moment before the
// spawn is the child's start-up time.
std::int64_t MonotonicNanoseconds();

// The line a window child writes to its standard output when it is done, e.g.
// "paint=123 usable=456 width=579 height=520 materials=45 errors=0": fields
// separated by blanks, each a name, "=" and a whole number.
std::string FormatReport(const std::map<std::string, std::int64_t>& fields);
// The fields of such a line; nullopt when any field is malformed.
std::optional<std::map<std::string, std::int64_t>> ParseReport(std::string_view line);

// The middle value (the mean of the two middle values for an even count); 0 for none.
double Median(std::vector<double> values);
// The value below which the given fraction of the values lie (nearest rank).
double Percentile(std::vector<double> values, double fraction);

// A density table of `lines` materials with CR LF line ends: distinct names and
// densities between 0.80 and 8.99 with a point as the decimal separator.
std::string GeneratedDensityTable(std::size_t lines);

} // namespace kelvane::bench
