#pragma once

#include <span>
#include <string_view>

class QWidget;

namespace kelvane {

struct PageContext;

// One page of the window: its object name, its tab caption, whether a user sees
// its tab, and how it is made. Every entry names its maker, so no page can be
// missing from the window.
struct PageEntry {
    std::string_view name;
    std::string_view caption;
    bool tabShown;
    QWidget* (*make)(const PageContext& context);
};

// The pages in the order of the page control.
std::span<const PageEntry> pageRegistry();

} // namespace kelvane
