#pragma once

#include <string>

namespace kelvane {

// The small files the program keeps between runs (the favourite, the settings), each
// found by the same rule and written the same safe way.

// Where a kept file is read and written: the data-folder rule's file, except where
// the program's folder cannot be written (an installed copy), holds no such file
// that the user may write, and a user data folder is given; there it is
// "kelvane/<fileName>" ("Kelvane\<fileName>" on Windows) in the user's data folder,
// which is read in preference to any file beside the program.
std::string keptFilePath(const std::string& programDir, const std::string& userDataDir,
                         const std::string& fileName);

// Writes the content as the kept file's whole content. It goes to a temporary file in
// the same folder, which then replaces the old file in one step, so the file holds the
// old content or the new one, never a part of either. The file stays what it was: a
// symbolic link is followed and its target written, and the file keeps its
// permissions. Where no new file can be made beside it but the file is writable, it is
// rewritten in place. Throws kelvane::Error with "File access denied" or
// "Cannot create file "<path>". <reason>" on failure, and then leaves the old file as
// it was.
void saveKeptFile(const std::string& programDir, const std::string& userDataDir,
                  const std::string& fileName, const std::string& content);

// True when a new file can be made in the folder (tried with a probe file).
bool folderWritable(const std::string& folder);

} // namespace kelvane
