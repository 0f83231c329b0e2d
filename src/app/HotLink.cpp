#include "app/HotLink.h"
#include "common/TextMark.h"

#include <algorithm>
#include <cctype>

namespace kelvane {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::string quoted(std::string_view link) {
    std::string text = "\"";
    text += link;
    text += '"';
    return text;
}

} // namespace

bool linkRecognised(std::string_view link) {
    if (link.empty())
        return true;
    return std::any_of(kLinkPrefixes.begin(), kLinkPrefixes.end(), [link](std::string_view prefix) {
        return startsWithIgnoringCase(link, prefix);
    });
}

void checkLink(std::string_view link) {
    if (!linkRecognised(link))
        throw LinkError(std::string(KELVANE_TEXT("Kelvane", "Protocol not recognised for URL")) +
                        " " + quoted(link));
}

std::string cantAccessLinkText(std::string_view link) {
    return "Can't access URL " + quoted(link);
}

} // namespace kelvane
