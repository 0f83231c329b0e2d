#pragma once

#include "common/KelvaneError.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvane {

// The error of a hyperlink label: a link of an unknown kind, or one the desktop
// shell would not open.
class LinkError : public Error {
public:
    using Error::Error;
};

// The beginnings a link may have, tried in this order and compared without regard
// to letter case. "mailto" carries no colon, so "mailtosomething" passes too.
inline constexpr std::array<std::string_view, 5> kLinkPrefixes = {"http://", "https://", "mailto",
                                                                  "file:", "ftp://"};

// The link a label holds when none is given: a page on the local machine.
inline constexpr std::string_view kPlaceholderLink = "http://localhost/";

// True for the empty link and for a link that begins with one of kLinkPrefixes.
bool linkRecognised(std::string_view link);

// Throws LinkError "Protocol not recognised for URL "<link>"" unless the link is
// recognised.
void checkLink(std::string_view link);

// The message of a link that the desktop shell refused to open.
std::string cantAccessLinkText(std::string_view link);

} // namespace kelvane
