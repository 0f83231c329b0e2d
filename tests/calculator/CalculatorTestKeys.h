#pragma once

#include "calculator/CalculatorEngine.h"

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane::calctest {

inline const std::string kRule(14, '-');

// An engine set up as at start-up, with its tape lines, memory-button state and close
// requests captured.
struct CapturedCalculator {
    std::vector<std::string> tape;
    std::optional<bool> memoryButtons;
    int closeRequests = 0;
    CalculatorEngine engine;

    explicit CapturedCalculator(Separators separators = {})
        : engine(std::move(separators), {[this](const std::string& line) { tape.push_back(line); },
                                         [this](bool visible) { memoryButtons = visible; },
                                         [this] {
                                             ++closeRequests;
                                         }}) {
        engine.setUp("Kelvane");
    }

    // Types keys written as blank-separated tokens: named keys (C, BS, MC, MR, M+, M-,
    // Enter, Esc, ^A) or runs of characters typed one by one ("12.5", "+", "x").
    void Type(std::string_view keys) {
        std::istringstream tokens{std::string(keys)};
        std::string token;
        while (tokens >> token) {
            if (const auto code = NamedKey(token))
                engine.pressKey(*code);
            else
                for (const char key : token)
                    engine.pressKey(key);
        }
    }

    static std::optional<char> NamedKey(const std::string& token) {
        const std::pair<const char*, char> names[] = {
            {"C", CalculatorKey::Clear},        {"BS", CalculatorKey::Backspace},
            {"MC", CalculatorKey::MemoryClear}, {"MR", CalculatorKey::MemoryRecall},
            {"M+", CalculatorKey::MemoryAdd},   {"M-", CalculatorKey::MemorySubtract},
            {"Enter", CalculatorKey::Enter},    {"Esc", CalculatorKey::Escape},
            {"^A", CalculatorKey::CloseCtrlA}};
        for (const auto& [name, code] : names)
            if (token == name)
                return code;
        return std::nullopt;
    }
};

} // namespace kelvane::calctest
