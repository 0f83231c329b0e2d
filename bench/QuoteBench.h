#pragma once

#include <string>
#include <vector>

namespace kelvane::bench {

// The quote list at ten thousand items, measured in this process on the real main window.
struct QuoteFigures {
    std::vector<double> addMs;  // Add to Quote pressed with 9,999 items to the table, total
                                // and count showing the 10,000th
    std::vector<double> idleMs; // the same, to the window idle again (the list kept on disk)
    std::vector<double> saveMs; // Save… of the 10,000 items, the file written
};

// Opens a list of 9,999 items on the Quote page of a window over `programDir`, then
// `runs` times adds the 10,000th item from the Round page, saves the list and removes
// the item again.
QuoteFigures MeasureQuote(const std::string& programDir, const std::string& folder, int runs);

void PrintQuote(const QuoteFigures& figures);

} // namespace kelvane::bench
