#pragma once

#include <string>

namespace kelvane {

// Where the program's data files (the density table, the favourite) are read and
// kept. Both follow the data-folder rule, except for an installed copy: where the
// program's folder cannot be written and holds no such file that the user may write,
// and a user data folder is given, the file lives in "kelvane/" ("Kelvane\" on
// Windows) in the user's data folder. Once a file is kept there it is read in
// preference to the one beside the program.

// The file to read: the user's copy where an installed copy keeps one (or where
// there is nothing beside the program), else the data-folder rule's file.
std::string dataFileReadPath(const std::string& programDir, const std::string& userDataDir,
                             const std::string& fileName);

// The file to write, with the user's folder made where an installed copy keeps the
// file there.
std::string dataFileSavePath(const std::string& programDir, const std::string& userDataDir,
                             const std::string& fileName);

// True when a new file can be made in the folder (tried with a probe file).
bool folderWritable(const std::string& folder);

} // namespace kelvane
