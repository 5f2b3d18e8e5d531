#pragma once
// A class of names in ten scripts, for the tests that every text survives the whole way.

#include <string>
#include <vector>

namespace marklow::testing {

inline const std::vector<std::string>& ScriptNames() {
    static const std::vector<std::string> names = {
        "Łukasz Wójcik",        // Latin with diacritics beyond Windows-1252
        "Γιώργος Παπαδόπουλος", // Greek
        "Анна Иванова",         // Cyrillic
        "محمد الأحمد",          // Arabic
        "דוד כהן",              // Hebrew
        "王芳",                 // Chinese
        "Nguyễn Thị Hương",     // Vietnamese
        "Şükrü Yıldız",         // Turkish
        "अनिल कुमार",            // Hindi
        "Zoë 🌟 Star",           // emoji
    };
    return names;
}

} // namespace marklow::testing
