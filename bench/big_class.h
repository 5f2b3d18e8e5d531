#pragma once
// The class every goal is set for: 10,000 students × 500 grades with their averages, built
// once per benchmark program.

#include "averages.h"
#include "sample_builder.h"

#include <memory>
#include <string>

namespace marklow {

inline TGradebook& BigClass() {
    static std::unique_ptr<TGradebook> gb = [] {
        TBuildOptions o;
        o.Students = 10000;
        o.Grades = 500;
        auto built = BuildGradebook(o);
        RecomputeAll(*built);
        return built;
    }();
    return *gb;
}

// Names every student after one of ten scripts in turn (all outside Windows-1252), each name
// its own.
inline void NameInTenScripts(TGradebook& gb) {
    static const char* const kNames[] = {
        "\xC5\x81ukasz W\xC3\xB3jcik",
        "\xCE\x93\xCE\xB9\xCF\x8E\xCF\x81\xCE\xB3\xCE\xBF\xCF\x82",
        "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0",
        "\xD9\x85\xD8\xAD\xD9\x85\xD8\xAF",
        "\xD7\x93\xD7\x95\xD7\x93",
        "\xE7\x8E\x8B\xE8\x8A\xB3",
        "Nguy\xE1\xBB\x85n Th\xE1\xBB\x8B",
        "\xC5\x9E\xC3\xBCkr\xC3\xBC",
        "\xE0\xA4\x85\xE0\xA4\xA8\xE0\xA4\xBF\xE0\xA4\xB2",
        "Zo\xC3\xAB \xF0\x9F\x8C\x9F"};
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        gb.SetCell(1, r, std::string(kNames[r % 10]) + " " + std::to_string(r));
}

} // namespace marklow
