#pragma once
// Writing a whole file so that a failed write never costs the user the file it was to
// replace.

#include <functional>
#include <string>

namespace quorvel {

// Puts text into the file. A regular file (or a new one) is written beside itself under
// a temporary name and renamed over the old one only once every byte is written, keeping
// the old file's permissions; a link is followed (also to a file yet to be made) and
// stays a link. Where no file can be made beside it, and for anything that is not a
// regular file (a device), the file is written in place. True when the whole text was
// written; otherwise errno tells the cause.
bool ReplaceFileContent(const std::string& fileName, const std::string& text);

// The same for a file that another writer makes: write is given the path to write (the
// temporary file, or the file itself where it is written in place) and says whether it
// made the whole file. Only then is the temporary file put in the file's place; otherwise
// it is removed and an old file stays as it was.
bool ReplaceFile(const std::string& fileName, const std::function<bool(const std::string& path)>& write);

}  // namespace quorvel
