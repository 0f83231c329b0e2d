#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// A result's caption as a name, without the colon and blanks that close it where it
// stands beside its result ("Feet:" gives "Feet", "Carbon Equivalent Value (CE): "
// gives "Carbon Equivalent Value (CE)"). Used for accessible names and as the keys
// under which results are handed on.
std::string_view captionName(std::string_view caption);

// One result of a page: the caption it stands under or beside, as the page shows it,
// and the text the page shows for it.
struct CaptionedText {
    std::string_view caption;
    std::string text;

    bool operator==(const CaptionedText&) const = default;
};

// Whether the caption ends in a colon (blanks after it aside).
bool captionHasColon(std::string_view caption);

} // namespace kelvane
