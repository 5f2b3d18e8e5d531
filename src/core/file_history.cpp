#include "file_history.h"

#include "app_settings.h"
#include "text.h"

#include <algorithm>
#include <cctype>

namespace marklow {

std::string TitleFromPath(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.find('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

namespace {
std::string Key(const std::string& path) {
    std::string k(TrimBlanks(path));
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}
} // namespace

void AddToHistory(std::vector<std::string>& history, const std::string& path,
                  const std::function<bool(const std::string&)>& exists) {
    std::string key = Key(path);
    std::erase_if(history, [&](const std::string& h) { return Key(h) == key; });
    if (exists(path)) history.insert(history.begin(), path);
    if (history.size() > static_cast<size_t>(kMaxHistory)) history.resize(kMaxHistory);
}

std::vector<int> ReopenEntries(const std::vector<std::string>& history, const std::string& openPath,
                               const std::function<bool(const std::string&)>& exists) {
    std::vector<int> out;
    for (size_t i = 0; i < history.size(); ++i)
        if (history[i] != openPath && exists(history[i])) out.push_back(static_cast<int>(i));
    return out;
}

} // namespace marklow
