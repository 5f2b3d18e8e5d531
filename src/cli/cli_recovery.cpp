// marklow-cli recovery: the recovery copies the program keeps of unsaved changes, so a
// teacher (or whoever helps them) can see what a crash left and print one with show.

#include "cli_common.h"

#include "recovery.h"

#include <ctime>
#include <ostream>

namespace marklow::cli {

namespace {

std::string TimeText(long long seconds) {
    if (seconds <= 0) return "-";
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

} // namespace

int RunRecovery(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    std::string folder = DefaultRecoveryFolder();
    TArgReader reader(args);
    bool listed = false;
    while (reader.Next()) {
        if (reader.Is("--folder"))
            folder = reader.Value();
        else if (reader.Word() == "list" && !listed)
            listed = true;
        else
            throw TUsageError{"recovery takes only list and --folder DIR"};
    }
    const TProcessIdentity me = CurrentProcess();
    for (const TRecoveryEntry& e : ListRecoveryEntries(folder)) {
        std::string state = "left over";
        if (e.Lock && !e.Lock->Host.empty() && e.Lock->Host != me.Host)
            state = "on " + e.Lock->Host;
        else if (!IsAbandoned(e, me.Host, ProcessStartOf))
            state = "in use by process " + std::to_string(e.Lock->Pid);
        const std::string original = e.Lock && !e.Lock->Original.empty() ? e.Lock->Original : "-";
        out << e.CopyPath << '\t' << RecoveryTitle(e) << '\t' << original << '\t'
            << TimeText(e.Lock && e.Lock->SavedAt ? e.Lock->SavedAt : e.CopyTime) << '\t' << state
            << '\n';
    }
    return kShown;
}

} // namespace marklow::cli
