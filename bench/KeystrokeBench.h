#pragma once

#include <string>
#include <vector>

namespace kelvane::bench {

struct KeystrokeFigures {
    std::vector<double> toText;    // µs, key press sent to the labels' new text read
    std::vector<double> toPainted; // µs, key press sent to the labels repainted
    int unchanged = 0;             // keys after which the labels kept their text
};

// Types `keystrokes` keys (after a warm-up) into the Round page's diameter box of a
// window over `programDir` and times each one.
KeystrokeFigures MeasureKeystrokes(const std::string& programDir, int keystrokes);

void PrintKeystrokes(const KeystrokeFigures& figures);

} // namespace kelvane::bench
