#include "app/HotLink.h"

#include <algorithm>
#include <cctype>

namespace kelvane {

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::string Quoted(std::string_view link) {
    std::string text = "\"";
    text += link;
    text += '"';
    return text;
}

} // namespace

bool LinkRecognised(std::string_view link) {
    if (link.empty())
        return true;
    return std::any_of(kLinkPrefixes.begin(), kLinkPrefixes.end(), [link](std::string_view prefix) {
        return StartsWithIgnoringCase(link, prefix);
    });
}

void CheckLink(std::string_view link) {
    if (!LinkRecognised(link))
        throw EVellURLError("Protocol not recognised for URL " + Quoted(link));
}

std::string CantAccessLinkText(std::string_view link) {
    return "Can't access URL " + Quoted(link);
}

} // namespace kelvane
