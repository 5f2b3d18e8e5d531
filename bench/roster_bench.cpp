// A 10,000-line class list imported into the class of 10,000 students x 500 grades: half of
// the lines are students of the class (found by ID), half are new. Read, plan and apply as
// the window does (its undo too), and the whole marklow-cli import-roster with the files.

#include "big_class.h"
#include "cli.h"
#include "gradebook_file.h"
#include "roster_import.h"
#include "safe_save.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace marklow;

namespace {

std::string RosterCsv(const TGradebook& gb) {
    std::string csv = "Student,ID,SIS User ID,SIS Login ID,Section\n";
    for (int i = 0; i < 10000; ++i) {
        if (i % 2 == 0) {
            const int r = 2 + i;
            csv += "\"" + std::string(gb.Cell(1, r)) + "\"," + std::to_string(i) + "," +
                   gb.StudentAt(r)->ID + ",,P1\n";
        } else {
            csv += "\"Newcomer, Student " + std::to_string(i) + "\"," + std::to_string(i) + ",N" +
                   std::to_string(i) + ",n" + std::to_string(i) + "@school.example,P1\n";
        }
    }
    return csv;
}

void BM_RosterReadPlanApply(benchmark::State& state) {
    TGradebook& gb = BigClass();
    const std::string csv = RosterCsv(gb);
    for (auto _ : state) {
        TRosterTable table = ReadRosterCsv(csv);
        TRosterLayout layout = RecogniseRoster(table);
        TRosterPlan plan =
            PlanRosterImport(gb, table, {layout.Columns, TNameOrder::FirstLast, layout.Format});
        ApplyRosterImport(gb, plan.Change);
        state.PauseTiming();
        RevertRosterImport(gb, plan.Change);
        state.ResumeTiming();
        state.counters["added"] = plan.Added;
    }
}
BENCHMARK(BM_RosterReadPlanApply)->Unit(benchmark::kMillisecond);

// Undo and redo of the step once planned: what Ctrl+Z and Ctrl+Y cost.
void BM_RosterUndoRedo(benchmark::State& state) {
    TGradebook& gb = BigClass();
    const std::string csv = RosterCsv(gb);
    TRosterTable table = ReadRosterCsv(csv);
    TRosterLayout layout = RecogniseRoster(table);
    TRosterPlan plan =
        PlanRosterImport(gb, table, {layout.Columns, TNameOrder::AsInFile, layout.Format});
    ApplyRosterImport(gb, plan.Change);
    for (auto _ : state) {
        RevertRosterImport(gb, plan.Change);
        ApplyRosterImport(gb, plan.Change);
    }
    RevertRosterImport(gb, plan.Change);
}
BENCHMARK(BM_RosterUndoRedo)->Unit(benchmark::kMillisecond);

// marklow-cli import-roster CLASS.gbd ROSTER.csv: open the 22 MB class, plan, recompute,
// write it with its backup.
void BM_RosterCli(benchmark::State& state) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "marklow-bench-XXXXXX").string();
    const std::string folder = mkdtemp(pattern.data());
    const std::string classPath = folder + "/class.gbd", rosterPath = folder + "/roster.csv";
    const std::string original = WriteGradebook(BigClass());
    std::ofstream(rosterPath, std::ios::binary) << RosterCsv(BigClass());
    TSaveOptions plain;
    plain.KeepBackup = false;
    for (auto _ : state) {
        state.PauseTiming();
        SaveFileSafely(classPath, original, plain);
        state.ResumeTiming();
        std::ostringstream out, err;
        if (cli::Run({"import-roster", classPath, rosterPath}, out, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RosterCli)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
