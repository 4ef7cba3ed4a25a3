// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting the browser program: the PATH search and real processes.

#include "adapters/posix_launcher.h"

#include "tests/temp_folder.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

namespace morvane {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    // No value unsets the variable.
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {  // NOLINT(concurrency-mt-unsafe)
            old_ = old;
        }
        if (value) {
            ::setenv(name, value->c_str(), 1);  // NOLINT(concurrency-mt-unsafe)
        } else {
            ::unsetenv(name);  // NOLINT(concurrency-mt-unsafe)
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);  // NOLINT(concurrency-mt-unsafe)
        } else {
            ::unsetenv(name_);  // NOLINT(concurrency-mt-unsafe)
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ScopedEnv(ScopedEnv&&) = delete;
    ScopedEnv& operator=(ScopedEnv&&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Polls `done` for up to five seconds: the started programs run on their own.
bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 500; ++i) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(root / "bin");
        fs::create_directories(root / "empty");
        fs::create_directories(root / "cwd");
        log = root / "log.txt";
    }
    void TearDown() override {
        if (!old_cwd.empty()) {
            fs::current_path(old_cwd);
        }
    }
    // Puts the fake browser at `dir`/xdg-open.
    static void InstallFake(const fs::path& dir) {
        fs::copy_file(MORVANE_FAKE_BROWSER, dir / "xdg-open");
    }
    std::string Log() const {
        std::ifstream in(log);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Waits until `count` runs of the fake browser have written their record.
    bool WaitForRuns(int count) const {
        return Eventually([this, count] {
            const std::string text = Log();
            int runs = 0;
            for (std::size_t at = text.find("argc="); at != std::string::npos;
                 at = text.find("argc=", at + 1)) {
                ++runs;
            }
            return runs >= count;
        });
    }

    testing::TempFolder temp;
    const fs::path& root = temp.path();
    fs::path log;
    fs::path old_cwd;
};

TEST_F(LauncherTest, FindOnPathSearchesAbsoluteEntriesOnly) {
    InstallFake(root / "bin");
    InstallFake(root / "cwd");
    old_cwd = fs::current_path();
    fs::current_path(root / "cwd");
    const std::string bin = (root / "bin").string();
    const std::string empty = (root / "empty").string();
    const std::string found = bin + "/xdg-open";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {bin, found},
        {empty + ":" + bin, found},
        {bin + "/", found},
        {empty, std::nullopt},
        {"", std::nullopt},
        {".", std::nullopt},  // the current directory, named
        {":", std::nullopt},  // empty entries mean it too
        {"::" + empty + ":", std::nullopt},
        {"cwd", std::nullopt},  // relative entries are skipped
        {"../cwd:" + bin, found},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(FindOnPath("xdg-open", path), expected) << '"' << path << '"';
    }
    // A file that is not executable, or a folder, is no program.
    fs::permissions(root / "bin" / "xdg-open",
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::remove);
    EXPECT_EQ(FindOnPath("xdg-open", bin), std::nullopt);
    fs::create_directories(root / "empty" / "xdg-open");
    EXPECT_EQ(FindOnPath("xdg-open", empty), std::nullopt);
    EXPECT_EQ(FindOnPath("", bin), std::nullopt);
}

TEST_F(LauncherTest, StartsTheProgramWithTheAddressUntouched) {
    InstallFake(root / "bin");
    const ScopedEnv path("PATH", (root / "empty").string() + ":" + (root / "bin").string());
    const ScopedEnv log_env("MORVANE_FAKE_BROWSER_LOG", log.string());
    const std::string address = "https://example.org/a b;echo $HOME 'x' \"y\"";
    SpawnLauncher launcher;
    EXPECT_EQ(launcher.Launch("xdg-open", address), LaunchResult::Started);
    ASSERT_TRUE(WaitForRuns(1));
    // The browser outlives a Ctrl+C in Morvane's terminal: a session of its own.
    EXPECT_EQ(Log(), "argc=2\nxdg-open\n" + address + "\nown session\n");
}

TEST_F(LauncherTest, TheBrowserStartsWithDefaultSignals) {
    InstallFake(root / "bin");
    const ScopedEnv path("PATH", (root / "bin").string());
    const ScopedEnv log_env("MORVANE_FAKE_BROWSER_LOG", log.string());
    const ScopedEnv signals("MORVANE_FAKE_BROWSER_SIGNALS", "1");
    // What Morvane ignores for itself, and a signal blocked by chance.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction old_pipe {};
    struct sigaction old_fsize {};
    ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &old_pipe), 0);
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &old_fsize), 0);
    sigset_t blocked;
    sigset_t old_mask;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR1);
    ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &blocked, &old_mask), 0);
    SpawnLauncher launcher;
    const LaunchResult result = launcher.Launch("xdg-open", "x");
    ::pthread_sigmask(SIG_SETMASK, &old_mask, nullptr);
    ::sigaction(SIGPIPE, &old_pipe, nullptr);
    ::sigaction(SIGXFSZ, &old_fsize, nullptr);
    EXPECT_EQ(result, LaunchResult::Started);
    ASSERT_TRUE(Eventually([this] { return Log().find("SigBlk:") != std::string::npos; }));
    const std::string text = Log();
    const auto mask = [&text](const std::string& field) {
        const std::size_t at = text.find(field + ":\t");
        return at == std::string::npos
                   ? ~0ULL
                   : std::stoull(text.substr(at + field.size() + 2), nullptr, 16);
    };
    // Signals 1 to 31; glibc keeps its own two reserved real-time signals
    // ignored in every child it spawns.
    constexpr unsigned long long kStandardSignals = 0x7fffffffULL;
    EXPECT_EQ(mask("SigIgn") & kStandardSignals, 0U) << text;
    EXPECT_EQ(mask("SigBlk"), 0U) << text;
}

TEST_F(LauncherTest, WithoutPathTheSystemsDefaultPathIsSearched) {
    const ScopedEnv path("PATH", std::nullopt);
    SpawnLauncher launcher;
    EXPECT_EQ(launcher.Launch("true", "https://example.org/"), LaunchResult::Started);
    EXPECT_EQ(launcher.Launch("no-such-program-here", "x"), LaunchResult::NotFound);
}

// Threads of this process, from /proc.
int Threads() {
    return static_cast<int>(
        std::distance(fs::directory_iterator("/proc/self/task"), fs::directory_iterator()));
}

TEST_F(LauncherTest, NoThreadWaitsForARunningBrowser) {
    InstallFake(root / "bin");
    const fs::path release = root / "release";
    const ScopedEnv path("PATH", (root / "bin").string());
    const ScopedEnv log_env("MORVANE_FAKE_BROWSER_LOG", log.string());
    const ScopedEnv hold("MORVANE_FAKE_BROWSER_HOLD", release.string());
    const int before = Threads();
    SpawnLauncher launcher;
    EXPECT_EQ(launcher.Launch("xdg-open", "one"), LaunchResult::Started);
    ASSERT_TRUE(WaitForRuns(1));  // the browser is running and holds on
    EXPECT_EQ(Threads(), before);
    std::ofstream(release) << "go";
    EXPECT_TRUE(Eventually([this] { return Log().find("released") != std::string::npos; }));
}

TEST_F(LauncherTest, MissingProgramIsNotFoundEvenInTheCurrentDirectory) {
    InstallFake(root / "cwd");
    old_cwd = fs::current_path();
    fs::current_path(root / "cwd");
    const ScopedEnv path("PATH", (root / "empty").string() + "::.");
    const ScopedEnv log_env("MORVANE_FAKE_BROWSER_LOG", log.string());
    SpawnLauncher launcher;
    EXPECT_EQ(launcher.Launch("xdg-open", "https://example.org/"), LaunchResult::NotFound);
    EXPECT_EQ(launcher.Launch("xdg-open", "https://example.org/"), LaunchResult::NotFound);
    EXPECT_FALSE(fs::exists(log));  // nothing was started that could still write it
}

// Children of this process that have ended but were never waited for.
int Zombies() {
    int zombies = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;  // not a process
        }
        std::ifstream stat(entry.path() / "stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        const auto close = text.rfind(')');
        if (close == std::string::npos || close + 4 >= text.size()) {
            continue;
        }
        char state = 0;
        int parent = 0;
        if (std::sscanf(text.c_str() + close + 2, "%c %d", &state, &parent) == 2 &&
            parent == ::getpid() && state == 'Z') {
            ++zombies;
        }
    }
    return zombies;
}

TEST_F(LauncherTest, EveryPressStartsAProcessAndLeavesNoZombie) {
    InstallFake(root / "bin");
    const ScopedEnv path("PATH", (root / "bin").string());
    const ScopedEnv log_env("MORVANE_FAKE_BROWSER_LOG", log.string());
    SpawnLauncher launcher;
    EXPECT_EQ(launcher.Launch("xdg-open", "one"), LaunchResult::Started);
    EXPECT_EQ(launcher.Launch("xdg-open", "two"), LaunchResult::Started);
    ASSERT_TRUE(WaitForRuns(2));
    EXPECT_TRUE(Eventually([] { return Zombies() == 0; }));
    const std::string text = Log();
    EXPECT_NE(text.find("xdg-open\none\n"), std::string::npos);
    EXPECT_NE(text.find("xdg-open\ntwo\n"), std::string::npos);
}

}  // namespace
}  // namespace morvane
