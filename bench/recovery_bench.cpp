// The recovery copy at 10,000 students x 500 grades: what the window's thread spends (making
// the bytes and handing them over) and what the worker spends on the disk.

#include "big_class.h"
#include "gradebook_file.h"
#include "recovery.h"
#include "safe_save.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace marklow;

namespace {

// On the window's thread: the file's bytes of the class, moved to the worker.
void BM_RecoveryBytesOnWindowThread(benchmark::State& state) {
    TGradebook& gb = BigClass();
    for (auto _ : state) {
        std::string bytes = WriteGradebook(gb);
        std::string handed = std::move(bytes);
        benchmark::DoNotOptimize(handed.data());
    }
}
BENCHMARK(BM_RecoveryBytesOnWindowThread)->Unit(benchmark::kMillisecond);

// On the worker: the lock and the copy written safely, flushed to disk.
void BM_RecoveryWriteOnWorker(benchmark::State& state) {
    const std::string bytes = WriteGradebook(BigClass());
    std::string pattern =
        (std::filesystem::temp_directory_path() / "marklow-bench-XXXXXX").string();
    const std::string folder = mkdtemp(pattern.data());
    TSaveOptions options;
    options.KeepBackup = false;
    TRecoveryLock lock;
    lock.Pid = 1;
    for (auto _ : state) {
        SaveFileSafely(folder + "/1.lock", FormatRecoveryLock(lock), options);
        SaveFileSafely(folder + "/1.gbd", bytes, options);
    }
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecoveryWriteOnWorker)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
