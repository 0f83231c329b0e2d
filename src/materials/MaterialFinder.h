#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Finds materials by any part of their names. Letters match without regard to case
// (A to Z, and the accented letters of Latin-1); every other character as it is.
// Built once from the names in table order; a search walks all of them, which takes
// a few milliseconds for a table of a hundred thousand lines.
class MaterialFinder {
public:
    explicit MaterialFinder(std::vector<std::string> names);

    // The table positions of the names that hold `part`, in table order; all of
    // them when `part` is empty.
    std::vector<std::size_t> find(std::string_view part) const;

    const std::string& name(std::size_t position) const { return names_[position]; }
    std::size_t size() const { return names_.size(); }

    // `text` (UTF-8) with its letters in lower case, as the search compares them.
    static std::string folded(std::string_view text);

private:
    std::vector<std::string> names_;
    std::vector<std::string> folded_;
};

} // namespace kelvane
