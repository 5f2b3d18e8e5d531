// Export for LMS at 10000 students and 500 grades, each format beside Export CSV of the same
// class: the text alone, and marklow-cli from the file on disk to the file written (reading
// the gradebook, the averages, the export and the flushed save).

#include "big_class.h"
#include "cli.h"
#include "csv_export.h"
#include "gradebook_file.h"
#include "lms_export.h"
#include "safe_save.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace marklow;

namespace {

const TLmsFormat kFormats[] = {TLmsFormat::Canvas, TLmsFormat::Moodle, TLmsFormat::Scores};

void BM_ExportCsvText(benchmark::State& state) {
    const TGradebook& gb = BigClass();
    for (auto _ : state)
        benchmark::DoNotOptimize(GradebookCsv(gb, false));
}
BENCHMARK(BM_ExportCsvText)->Unit(benchmark::kMillisecond);

// Arg: 0 Canvas, 1 Moodle, 2 the scores table.
void BM_ExportLmsText(benchmark::State& state) {
    const TGradebook& gb = BigClass();
    const TLmsFormat format = kFormats[state.range(0)];
    size_t bytes = 0;
    for (auto _ : state) {
        TLmsExport ex = ExportForLms(gb, format);
        bytes = ex.Csv.size();
        benchmark::DoNotOptimize(ex);
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetLabel(LmsFormatName(format));
}
BENCHMARK(BM_ExportLmsText)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The class as a file, written once per run.
const std::string& BigClassFile() {
    static const std::string path = [] {
        auto folder = std::filesystem::temp_directory_path() /
                      ("marklow-lms-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::string file = (folder / "big.gbd").string();
        SaveFileSafely(file, WriteGradebook(BigClass()));
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(std::filesystem::path(BigClassFile()).parent_path(), ec);
        });
        return file;
    }();
    return path;
}

void RunCli(benchmark::State& state, std::vector<std::string> args) {
    const std::string out = BigClassFile() + ".csv";
    args.insert(args.begin() + 1, BigClassFile());
    args.push_back("-o");
    args.push_back(out);
    for (auto _ : state) {
        std::ostringstream o, e;
        if (cli::Run(args, o, e) != 0) state.SkipWithError(e.str().c_str());
    }
}

void BM_CliExportCsv(benchmark::State& state) {
    RunCli(state, {"export-csv"});
}
BENCHMARK(BM_CliExportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportLms(benchmark::State& state) {
    RunCli(state, {"export-lms", "--format", LmsFormatName(kFormats[state.range(0)])});
    state.SetLabel(LmsFormatName(kFormats[state.range(0)]));
}
BENCHMARK(BM_CliExportLms)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
