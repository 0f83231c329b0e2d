#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Writes `content` as the whole of the file at `path`, so that the file holds its old
// content or the new one, never a part of either. The new content goes to a
// temporary file in the same folder, which then replaces the old file in one step.
// The file stays what it was: a symbolic link is followed and its target written,
// and the file keeps its permissions. Where no new file can be made beside it but
// the file itself is writable, it is rewritten in place, and the old content is put
// back when the new one cannot be written whole.
//
// Throws kelvane::Error with "File access denied" when the file is there but cannot
// be written, or "Cannot create file "<path>". <reason>" when the new content cannot
// be written; the old file is then left as it was.
void saveFileSafely(const std::string& path, std::string_view content);

} // namespace kelvane
