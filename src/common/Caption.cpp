#include "common/Caption.h"

namespace kelvane {

namespace {

std::string_view withoutTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

} // namespace

std::string_view captionName(std::string_view caption) {
    std::string_view name = withoutTrailingBlanks(caption);
    if (!name.empty() && name.back() == ':')
        name.remove_suffix(1);
    return withoutTrailingBlanks(name);
}

bool captionHasColon(std::string_view caption) {
    const std::string_view trimmed = withoutTrailingBlanks(caption);
    return !trimmed.empty() && trimmed.back() == ':';
}

} // namespace kelvane
