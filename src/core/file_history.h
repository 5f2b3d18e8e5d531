#pragma once
// The document's title and the list of recently used files.

#include <functional>
#include <string>
#include <vector>

namespace marklow {

// The file name without its folder, cut before its first "." ("Untitled" stays so).
std::string TitleFromPath(const std::string& path);

// Removes every entry equal to the path (upper-cased and trimmed), puts the path on top
// when the file exists, and keeps at most six entries.
void AddToHistory(std::vector<std::string>& history, const std::string& path,
                  const std::function<bool(const std::string&)>& exists);

// The Reopen submenu: indexes of the history entries to offer, leaving out the open file
// and files that no longer exist.
std::vector<int> ReopenEntries(const std::vector<std::string>& history, const std::string& openPath,
                               const std::function<bool(const std::string&)>& exists);

} // namespace marklow
