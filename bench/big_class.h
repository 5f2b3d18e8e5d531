#pragma once
// The class every goal is set for: 10,000 students × 500 grades with their averages, built
// once per benchmark program.

#include "averages.h"
#include "sample_builder.h"

#include <memory>

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

} // namespace marklow
