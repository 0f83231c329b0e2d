#include "BenchCommon.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace kelvane::bench {

std::int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::string FormatReport(const std::map<std::string, std::int64_t>& fields) {
    std::string line;
    for (const auto& [name, value] : fields) {
        if (!line.empty())
            line += ' ';
        line += name + '=' + std::to_string(value);
    }
    return line;
}

std::optional<std::map<std::string, std::int64_t>> ParseReport(std::string_view line) {
    std::map<std::string, std::int64_t> fields;
    while (!line.empty()) {
        const auto blank = line.find(' ');
        const std::string_view field = line.substr(0, blank);
        line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (field.empty())
            continue;
        const auto equals = field.find('=');
        if (equals == 0 || equals == std::string_view::npos)
            return std::nullopt;
        std::int64_t value = 0;
        const char* first = field.data() + equals + 1;
        const char* last = field.data() + field.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last || first == last)
            return std::nullopt;
        fields[std::string(field.substr(0, equals))] = value;
    }
    return fields;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                     values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(fraction * static_cast<double>(values.size()));
    const auto index = static_cast<std::size_t>(std::max(rank, 1.0)) - 1;
    return values[std::min(index, values.size() - 1)];
}

std::string GeneratedDensityTable(std::size_t lines) {
    std::string table;
    table.reserve(lines * 36);
    char line[64];
    for (std::size_t i = 0; i < lines; ++i) {
        // Names as long as the shipped ones; densities spread over the usual range.
        const unsigned hundredths = 80 + static_cast<unsigned>((i * 37) % 820);
        const int length =
            std::snprintf(line, sizeof line, "Test Material %06zu (TM-%zu),%u.%02u\r\n", i + 1,
                          i % 97, hundredths / 100, hundredths % 100);
        table.append(line, static_cast<std::size_t>(length));
    }
    return table;
}

} // namespace kelvane::bench
