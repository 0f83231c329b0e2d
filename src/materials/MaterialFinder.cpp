#include "materials/MaterialFinder.h"

namespace kelvane {

MaterialFinder::MaterialFinder(std::vector<std::string> names)
    : names_(std::move(names)) {
    folded_.reserve(names_.size());
    for (const std::string& name : names_)
        folded_.push_back(folded(name));
}

std::string MaterialFinder::folded(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto& byte = reinterpret_cast<unsigned char&>(folded[i]);
        if (byte >= 'A' && byte <= 'Z') {
            byte = static_cast<unsigned char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < folded.size()) {
            // U+00C0 to U+00DE, the capitals of Latin-1 (except the multiplication
            // sign), are encoded C3 80 to C3 9E; their small letters are 0x20 higher.
            auto& next = reinterpret_cast<unsigned char&>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                next = static_cast<unsigned char>(next + 0x20);
            ++i;
        }
    }
    return folded;
}

std::vector<std::size_t> MaterialFinder::find(std::string_view part) const {
    const std::string wanted = folded(part);
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < folded_.size(); ++i)
        if (folded_[i].find(wanted) != std::string::npos)
            found.push_back(i);
    return found;
}

} // namespace kelvane
