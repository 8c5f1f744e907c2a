#pragma once
// The name a Save dialog offers: what is written, in words, and the file's ending.

#include <string>
#include <vector>

namespace quorvel {

// The words joined by blanks, then the ending: {"Cs-137", "Ingestion", "Risk"} and ".pdf"
// give "Cs-137 Ingestion Risk.pdf". Characters a file name cannot hold on the usual desktops
// (/ \ : * ? " < > | and control characters) become blanks, runs of blanks one, a name never
// starts with a dot or a blank nor ends with one, and a long name is cut at a word. Without
// any word left the name is "Untitled".
std::string SuggestedFileName(const std::vector<std::string>& words, const std::string& ending);

}  // namespace quorvel
