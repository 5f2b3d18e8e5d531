#include "recovery.h"

#include "app_settings.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace marklow;
using marklow::testing::TempFolder;

namespace {

void Put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TRecoveryLock SampleLock() {
    TRecoveryLock l;
    l.Pid = 4242;
    l.ProcessStart = "987654";
    l.Host = "classroom";
    l.Original = "/home/t/period 1.gbd";
    l.OriginalStamp = "1234:1700000000000";
    l.SavedAt = 1700000060;
    return l;
}

} // namespace

TEST(RecoveryLock, RoundTripsEveryFieldEvenAPathWithLineBreaksAndBackslashes) {
    TRecoveryLock l = SampleLock();
    l.Original = "/home/t/odd\nname\\x\r.gbd";
    auto back = ParseRecoveryLock(FormatRecoveryLock(l));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Pid, l.Pid);
    EXPECT_EQ(back->ProcessStart, l.ProcessStart);
    EXPECT_EQ(back->Host, l.Host);
    EXPECT_EQ(back->Original, l.Original);
    EXPECT_EQ(back->OriginalStamp, l.OriginalStamp);
    EXPECT_EQ(back->SavedAt, l.SavedAt);
    EXPECT_EQ(back->Changes, -1);
}

TEST(RecoveryLock, CountsTheChangesWhenKnownAndOlderLocksKnowNone) {
    TRecoveryLock l = SampleLock();
    l.Changes = 0;
    EXPECT_EQ(ParseRecoveryLock(FormatRecoveryLock(l))->Changes, 0);
    l.Changes = 12345;
    EXPECT_EQ(ParseRecoveryLock(FormatRecoveryLock(l))->Changes, 12345);
    l.Changes = -1;
    EXPECT_EQ(FormatRecoveryLock(l).find("changes="), std::string::npos);
    for (const char* odd :
         {"changes=\n", "changes=-4\n", "changes=1x\n", "changes=99999999999999999999999\n"})
        EXPECT_EQ(ParseRecoveryLock(std::string("pid=12\n") + odd)->Changes, -1) << odd;
}

TEST(RecoveryFolder, OnlyAFolderOfThisUserClosedToOthersIsUsable) {
    marklow::testing::TempFolder dir;
    const std::string folder = dir / "recovery";
    EXPECT_EQ(RecoveryFolderTrust(folder), TFolderTrust::Missing);
    std::ofstream(dir / "file") << "x";
    EXPECT_EQ(RecoveryFolderTrust(dir / "file"), TFolderTrust::NotAFolder);
    EXPECT_EQ(RecoveryFolderTrust(dir / "file/below"), TFolderTrust::NotAFolder);
    std::filesystem::create_directory(folder);
    using std::filesystem::perms;
    for (perms p : {perms::owner_all, perms::owner_all | perms::group_read | perms::others_exec,
                    perms::owner_read | perms::owner_exec}) {
        std::filesystem::permissions(folder, p);
        EXPECT_EQ(RecoveryFolderTrust(folder), TFolderTrust::Usable) << static_cast<int>(p);
    }
    for (perms p : {perms::all, perms::owner_all | perms::group_write,
                    perms::owner_all | perms::others_write}) {
        std::filesystem::permissions(folder, p);
        EXPECT_EQ(RecoveryFolderTrust(folder), TFolderTrust::OpenToOthers) << static_cast<int>(p);
    }
    std::filesystem::permissions(folder, perms::owner_all);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
        EXPECT_EQ(RecoveryFolderTrust(folder), TFolderTrust::OtherOwner);
    }
}

TEST(RecoveryLock, RefusesWhatIsNotALock) {
    EXPECT_FALSE(ParseRecoveryLock(""));
    EXPECT_FALSE(ParseRecoveryLock("original=/x.gbd\n"));      // no owner
    EXPECT_FALSE(ParseRecoveryLock("pid=12x\n"));              // not a number
    EXPECT_FALSE(ParseRecoveryLock("pid=-3\n"));               // not a process
    EXPECT_FALSE(ParseRecoveryLock("pid=12\ngarbage line\n")); // not key=value
    EXPECT_FALSE(ParseRecoveryLock(std::string(70000, 'a')));  // far too long
    auto windows = ParseRecoveryLock("pid=12\r\nfuture=1\r\noriginal=/a.gbd\r\n");
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->Original, "/a.gbd");
}

TEST(RecoveryEntries, ListsCopiesNewestFirstWithTheirLocksAndSkipsTheRest) {
    TempFolder dir;
    TRecoveryLock l = SampleLock();
    Put(dir / "1-5.gbd", "old");
    Put(dir / "1-5.lock", FormatRecoveryLock(l));
    Put(dir / "2-6.gbd", "new");
    Put(dir / "2-6.lock", "not a lock");
    Put(dir / ".2-6.gbd.tmp-1-1", "a save under way");
    Put(dir / "3-7.lock", FormatRecoveryLock(l)); // a lock alone
    std::filesystem::create_directory(dir / "4.gbd");
    auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(dir / "1-5.gbd", now - std::chrono::hours(1));
    std::filesystem::last_write_time(dir / "2-6.gbd", now);

    auto entries = ListRecoveryEntries(dir.Path().string());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Id, "2-6");
    EXPECT_FALSE(entries[0].Lock); // unreadable lock: owned by nobody
    EXPECT_EQ(entries[1].Id, "1-5");
    ASSERT_TRUE(entries[1].Lock);
    EXPECT_EQ(entries[1].Lock->Original, l.Original);
    EXPECT_EQ(entries[1].LockPath, dir / "1-5.lock");
    EXPECT_EQ(RecoveryTitle(entries[1]), "period 1");
    EXPECT_EQ(RecoveryTitle(entries[0]), "Untitled");
    EXPECT_TRUE(ListRecoveryEntries(dir / "missing").empty());
}

TEST(RecoveryEntries, AbandonedOnlyWhenItsProgramIsGoneFromThisComputer) {
    TRecoveryEntry e;
    e.Lock = SampleLock();
    auto running = [](long long) { return std::optional<std::string>("987654"); };
    auto gone = [](long long) { return std::optional<std::string>(); };
    auto reused = [](long long) { return std::optional<std::string>("111"); };
    auto unknownStart = [](long long) { return std::optional<std::string>(""); };
    EXPECT_FALSE(IsAbandoned(e, "classroom", running));
    EXPECT_TRUE(IsAbandoned(e, "classroom", gone));
    EXPECT_TRUE(IsAbandoned(e, "classroom", reused));
    EXPECT_FALSE(IsAbandoned(e, "classroom", unknownStart));
    EXPECT_FALSE(IsAbandoned(e, "staffroom", gone)); // cannot tell from here
    e.Lock.reset();
    EXPECT_TRUE(IsAbandoned(e, "classroom", running));
}

TEST(RecoveryEntries, ProcessStartTellsALiveProcessFromAFinishedOne) {
    const TProcessIdentity me = CurrentProcess();
    ASSERT_TRUE(ProcessStartOf(me.Pid));
    EXPECT_EQ(*ProcessStartOf(me.Pid), me.Start);
    EXPECT_FALSE(me.Host.empty());
    pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    // Exited but not yet waited for: a zombie is gone too.
    for (int i = 0; i < 200 && ProcessStartOf(child); ++i)
        usleep(10000);
    EXPECT_FALSE(ProcessStartOf(child));
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(ProcessStartOf(child));
}

TEST(RecoveryEntries, OnlyOneOfTwoClaimsWinsAndTheLockKeepsTheOriginal) {
    TempFolder dir;
    Put(dir / "9-1.gbd", "copy");
    Put(dir / "9-1.lock", FormatRecoveryLock(SampleLock()));
    auto entries = ListRecoveryEntries(dir.Path().string());
    ASSERT_EQ(entries.size(), 1u);
    TProcessIdentity a{100, "50", "classroom"};
    TProcessIdentity b{200, "60", "classroom"};
    EXPECT_TRUE(ClaimRecoveryEntry(entries[0], a));
    EXPECT_FALSE(ClaimRecoveryEntry(entries[0], b)); // b listed it before a's claim
    auto lock = ParseRecoveryLock(Get(dir / "9-1.lock"));
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->Pid, 100);
    EXPECT_EQ(lock->ProcessStart, "50");
    EXPECT_EQ(lock->Original, SampleLock().Original);
    EXPECT_EQ(lock->SavedAt, SampleLock().SavedAt);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"9-1.gbd", "9-1.lock"}));
    EXPECT_EQ(Get(dir / "9-1.gbd"), "copy");
}

TEST(RecoveryEntries, ACopyWithoutLockCanBeClaimedAndRemovedWithIt) {
    TempFolder dir;
    Put(dir / "9-1.gbd", "copy");
    auto entries = ListRecoveryEntries(dir.Path().string());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(ClaimRecoveryEntry(entries[0], TProcessIdentity{100, "50", "h"}));
    auto again = ListRecoveryEntries(dir.Path().string());
    ASSERT_EQ(again.size(), 1u);
    ASSERT_TRUE(again[0].Lock);
    EXPECT_EQ(again[0].Lock->Pid, 100);
    EXPECT_EQ(RemoveRecoveryEntry(again[0].CopyPath, again[0].LockPath), "");
    EXPECT_TRUE(dir.Names().empty());
}

namespace {
class OneEntryStore final : public TSettingsStore {
public:
    std::optional<std::string> Value;
    std::string Written;
    std::optional<std::string> Read(const std::string& s, const std::string& e) const override {
        return s == "Recovery" && e == "Interval" ? Value : std::nullopt;
    }
    void Write(const std::string& s, const std::string& e, const std::string& v) override {
        if (s == "Recovery" && e == "Interval") Written = v;
    }
    void EraseSection(const std::string&) override {}
};
} // namespace

TEST(RecoverySetting, ReadWithinItsRangeElseTheDefault) {
    auto read = [](std::optional<std::string> text) {
        OneEntryStore store;
        store.Value = std::move(text);
        TAppSettings s;
        ReadSettings(store, s, [](const std::string&) { return false; });
        return s.RecoverySeconds;
    };
    EXPECT_EQ(read(std::nullopt), 60);
    EXPECT_EQ(read("0"), 0);
    EXPECT_EQ(read(" 15 "), 15);
    EXPECT_EQ(read("3600"), 3600);
    EXPECT_EQ(read("3601"), 60);
    EXPECT_EQ(read("-1"), 60);
    EXPECT_EQ(read("99999999999"), 60);
    EXPECT_EQ(read("soon"), 60);
    OneEntryStore out;
    TAppSettings s;
    s.RecoverySeconds = 5;
    WriteSettings(out, s);
    EXPECT_EQ(out.Written, "5");
}
