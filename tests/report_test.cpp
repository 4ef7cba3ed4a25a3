// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The interpretation report: composition, the file writer and Save To File,
// through the real file system with fake dialogs.

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/save_to_file.h"
#include "catalogue/catalogue.h"
#include "report/report.h"
#include "report/report_file.h"
#include "tests/fakes.h"
#include "tests/temp_folder.h"

namespace morvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string kRule(70, '*');

// The worked examples' moment: 14:07:09 on 5 March 2002.
const std::string kHeader =
    kRule + "\r\nMorvane Beta 2.0 - Generated on 03/05/02 at 14:07:09\r\n" + kRule + "\r\n\r\n";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ReportText, DateAndTimeFormats) {
    struct Case {
        LocalDateTime when;
        std::string date, time;
    };
    const Case cases[] = {
        {{2002, 3, 5, 14, 7, 9}, "03/05/02", "14:07:09"},
        {{2000, 12, 31, 0, 0, 0}, "12/31/00", "00:00:00"},
        {{2009, 1, 1, 23, 59, 59}, "01/01/09", "23:59:59"},
        {{1999, 10, 20, 9, 5, 1}, "10/20/99", "09:05:01"},
        {{2026, 12, 7, 12, 0, 30}, "12/07/26", "12:00:30"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatReportDate(c.when), c.date);
        EXPECT_EQ(FormatReportTime(c.when), c.time);
    }
}

TEST(ReportText, HeaderAndBodies) {
    EXPECT_EQ(ReportHeader("03/05/02", "14:07:09"),
              kRule + "\nMorvane Beta 2.0 - Generated on 03/05/02 at 14:07:09\n" + kRule + "\n\n");
    EXPECT_EQ(NameReportBody("john smith", "35", "T"), "Name:\tjohn smith\n\nNumber:\t35\n\nT");
    EXPECT_EQ(NameReportBody("", "35", "T"), "Name:\t\n\nNumber:\t35\n\nT");
    EXPECT_EQ(BirthReportBody({"7", "11", "1975", "7", "4", "B", "D"}),
              "Date of Birth: 7-11-1975\n\nBirth Number: 7\tDestiny Number: 4\n\n"
              "Birth Number: \nB\n\nDestiny Number: \nD");
    EXPECT_EQ(BirthReportBody({}),
              "Date of Birth: --\n\nBirth Number: \tDestiny Number: \n\n"
              "Birth Number: \n\n\nDestiny Number: \n");
    EXPECT_EQ(NumberReportBody("60", "X"), "Number: 60\n\nX");
    // Field texts pass through untouched: tabs, long paragraphs, any bytes.
    EXPECT_EQ(NumberReportBody("a\tb", LoadText(112)),
              "Number: a\tb\n\n" + std::string(LoadText(112)));
}

TEST(ReportText, OnlyLineFeedsBecomeCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"a", "a"},
        {"\n", "\r\n"},
        {"a\n\nb", "a\r\n\r\nb"},
        {"x\r\ny", "x\r\r\ny"},
        {"t\tu\r", "t\tu\r"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(ToCrLf(in), out);
    }
}

class SaveToFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fakes.messages.on_show = [this] { busy_at_message.push_back(fakes.busy_cursor.depth); };
    }

    // A page whose fields hold the name analysis of the worked example.
    void Save(MessageIcon create_icon = MessageIcon::Warning) {
        const ReportLayout layout{
            .required_field = 1002,
            .compose =
                [](const FieldReader& field) {
                    const std::string name = field(1000);
                    const std::string number = field(1001);
                    return NameReportBody(name, number, field(1002));
                },
            .create_failure_icon = create_icon,
        };
        SaveToFile(
            layout,
            [this](int id) {
                reads.push_back(id);
                return fields[id];
            },
            fakes.services);
    }

    TempFolder temp;
    const fs::path& folder = temp.path();
    FakeServices fakes;
    std::vector<int> busy_at_message;
    std::vector<int> reads;
    std::map<int, std::string> fields = {
        {1000, "john smith"}, {1001, "35"}, {1002, std::string(LoadText(120))}};
};

TEST_F(SaveToFileTest, WritesTheWorkedExampleByteForByte) {
    const fs::path path = folder / "john.txt";
    fakes.save_as.answer = path.string();
    Save();
    EXPECT_EQ(ReadFile(path), kHeader + "Name:\tjohn smith\r\n\r\nNumber:\t35\r\n\r\n" +
                                  std::string(LoadText(120)));
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fakes.busy_cursor.begun, 1);
    EXPECT_EQ(fakes.busy_cursor.depth, 0);
    // The decisive field once before the dialog, the others after it.
    EXPECT_EQ(reads, (std::vector<int>{1002, 1000, 1001}));
}

TEST_F(SaveToFileTest, AsksWithTheProgramsSaveAsSettings) {
    Save();
    ASSERT_EQ(fakes.save_as.requests.size(), 1U);
    const SaveAsRequest& request = fakes.save_as.requests[0];
    EXPECT_EQ(request.title, "MorvaneBeta 2.0: Save Intrepretation as ...");
    ASSERT_EQ(request.filters.size(), 2U);
    EXPECT_EQ(request.filters[0].label, "Text Files (*.txt)");
    EXPECT_EQ(request.filters[0].pattern, "*.txt");
    EXPECT_EQ(request.filters[1].label, "All Files (*.*)");
    EXPECT_EQ(request.filters[1].pattern, kEveryFile);
    EXPECT_EQ(request.initial_name, "*.txt");
    EXPECT_EQ(request.default_suffix, "txt");
    EXPECT_TRUE(request.confirm_overwrite);
}

TEST_F(SaveToFileTest, NothingAnalysedWarnsWithoutADialog) {
    fields[1002].clear();
    fakes.save_as.answer = (folder / "x.txt").string();
    Save();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], (Message{"There is nothing to save", MessageIcon::Warning}));
    EXPECT_TRUE(fakes.save_as.requests.empty());
    EXPECT_FALSE(fs::exists(folder / "x.txt"));
}

TEST_F(SaveToFileTest, CancelDoesNothing) {
    fakes.save_as.answer.reset();
    Save();
    EXPECT_EQ(fakes.save_as.requests.size(), 1U);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fakes.busy_cursor.begun, 0);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(SaveToFileTest, UnableToCreateUsesThePagesIcon) {
    const fs::path cases[] = {folder / "missing" / "r.txt", folder, folder / ""};
    for (const auto icon : {MessageIcon::Warning, MessageIcon::Information}) {
        for (const auto& path : cases) {
            fakes.messages.shown.clear();
            busy_at_message.clear();
            fakes.save_as.answer = path.string();
            Save(icon);
            ASSERT_EQ(fakes.messages.shown.size(), 1U) << path;
            EXPECT_EQ(fakes.messages.shown[0], (Message{"Unable to create file", icon})) << path;
            // The busy cursor stays until the message has been read.
            EXPECT_EQ(busy_at_message, std::vector<int>{1});
            EXPECT_EQ(fakes.busy_cursor.depth, 0);
        }
    }
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST_F(SaveToFileTest, AFailedWriteIsReportedAfterTheCursorIsRestored) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    // Written in place, directly or through a link: a device is never renamed over.
    const fs::path link = folder / "full";
    fs::create_symlink("/dev/full", link);
    for (const std::string path : {"/dev/full", link.c_str()}) {
        fakes.messages.shown.clear();
        busy_at_message.clear();
        fakes.save_as.answer = path;
        Save();
        ASSERT_EQ(fakes.messages.shown.size(), 1U);
        EXPECT_EQ(fakes.messages.shown[0],
                  (Message{"Disk full while accessing " + path + ".", MessageIcon::Error}));
        EXPECT_EQ(busy_at_message, std::vector<int>{0});
    }
    EXPECT_TRUE(fs::is_symlink(link));
}

TEST_F(SaveToFileTest, AnExistingFileIsReplacedWhole) {
    const fs::path path = folder / "old.txt";
    std::ofstream(path) << std::string(20000, 'x');
    fakes.save_as.answer = path.string();
    fields[1000] = "";  // edited after the analysis: written as it stands now
    fields[1001] = "a\tb";
    Save();
    EXPECT_EQ(ReadFile(path),
              kHeader + "Name:\t\r\n\r\nNumber:\ta\tb\r\n\r\n" + std::string(LoadText(120)));
}

// Every file in the folder, so a temporary file left behind shows.
std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(SaveToFileTest, AFailedReplacementKeepsTheOldReport) {
    IgnoreWriteSignals();
    const fs::path path = folder / "old.txt";
    std::ofstream(path) << "the report that was there";
    fakes.save_as.answer = path.string();
    // A file-size limit stops the write half-way, as a full disk would.
    rlimit old_limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    rlimit limit = old_limit;
    limit.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    Save();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old_limit), 0);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Disk full while accessing " + path.string() + ".", MessageIcon::Error}));
    EXPECT_EQ(ReadFile(path), "the report that was there");
    EXPECT_EQ(Listing(folder), std::vector<std::string>{"old.txt"});
}

TEST_F(SaveToFileTest, ANewFileGetsThePlainModeAndAReplacedOneKeepsItsOwn) {
    struct Case {
        mode_t umask;
        std::optional<fs::perms> existing;
        fs::perms expected;
    };
    using P = fs::perms;
    const Case cases[] = {
        {022, std::nullopt, P::owner_read | P::owner_write | P::group_read | P::others_read},
        {077, std::nullopt, P::owner_read | P::owner_write},
        {022, P::owner_read | P::owner_write | P::group_read,
         P::owner_read | P::owner_write | P::group_read},
        {077, P::owner_all | P::group_read | P::others_read,
         P::owner_all | P::group_read | P::others_read},
    };
    int n = 0;
    for (const auto& c : cases) {
        const fs::path path = folder / ("mode" + std::to_string(n++) + ".txt");
        if (c.existing) {
            std::ofstream(path) << "old";
            fs::permissions(path, *c.existing);
        }
        fakes.save_as.answer = path.string();
        const mode_t old_umask = ::umask(c.umask);
        Save();
        ::umask(old_umask);
        EXPECT_EQ(fs::status(path).permissions(), c.expected) << path;
        EXPECT_TRUE(ReadFile(path).starts_with(kRule)) << path;
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(Listing(folder).size(), std::size(cases));
}

TEST_F(SaveToFileTest, ASymbolicLinkStaysAndItsFileIsReplaced) {
    const fs::path real = folder / "real.txt";
    const fs::path link = folder / "link.txt";
    std::ofstream(real) << "old";
    fs::create_symlink("real.txt", link);
    fakes.save_as.answer = link.string();
    Save();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "real.txt");
    EXPECT_TRUE(ReadFile(real).starts_with(kHeader));
    EXPECT_EQ(Listing(folder), (std::vector<std::string>{"link.txt", "real.txt"}));
}

TEST_F(SaveToFileTest, ThePipeWithoutAReaderIsRefusedAtOnce) {
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fakes.save_as.answer = pipe.string();
    Save(MessageIcon::Information);  // would block here forever if it waited for a reader
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Unable to create file", MessageIcon::Information}));
    EXPECT_EQ(Listing(folder), std::vector<std::string>{"pipe"});
}

TEST_F(SaveToFileTest, TheLongestParagraphIsWrittenWhole) {
    const fs::path path = folder / "long.txt";
    fields[1002] = std::string(LoadText(112));
    fakes.save_as.answer = path.string();
    Save();
    const std::string file = ReadFile(path);
    EXPECT_TRUE(file.ends_with("\r\n\r\n" + std::string(LoadText(112))));
    EXPECT_EQ(file.find('\n', file.size() - LoadText(112).size()), std::string::npos);
}

// Every file-system situation a save can meet, each in a child process of its
// own (it may switch user, mount or be killed): what the user is shown, and
// what is on disk after.

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            return text;
        }
    }
}

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (errno != EINTR) {
            return;
        }
    }
}

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
const std::string kOld = "the report that was there";

std::string Who(uid_t uid, gid_t gid) {
    const std::string user = uid == ::geteuid() ? "me"
                             : uid == kNobody   ? "nobody"
                                                : std::to_string(uid);
    const std::string group = gid == ::getegid() ? "mine"
                              : gid == kNogroup  ? "nogroup"
                                                 : std::to_string(gid);
    return user + ":" + group;
}

std::string Octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Every extended attribute of the file (ACLs among them), names with values.
std::map<std::string, std::string> Xattrs(const fs::path& path) {
    std::map<std::string, std::string> all;
    std::string names(4096, '\0');
    const ssize_t size = ::listxattr(path.c_str(), names.data(), names.size());
    for (std::size_t at = 0; size > 0 && at < static_cast<std::size_t>(size);) {
        const std::string name(names.c_str() + at);
        std::string value(4096, '\0');
        const ssize_t length = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
        value.resize(static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
        all[name] = value;
        at += name.size() + 1;
    }
    return all;
}

// An access ACL as the kernel stores it: the owner rw, the user nobody r,
// the group r, the mask r, others nothing.
std::string AclForNobody() {
    std::string acl;
    const auto put = [&acl](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            acl += static_cast<char>((value >> (8 * i)) & 0xffU);
        }
    };
    put(2, 4);  // the format's version
    const std::uint32_t none = 0xffffffff;
    const std::uint32_t entries[][3] = {
        {0x01, 6, none}, {0x02, 4, kNobody}, {0x04, 4, none}, {0x10, 4, none}, {0x20, 0, none}};
    for (const auto& entry : entries) {
        put(entry[0], 2);
        put(entry[1], 2);
        put(entry[2], 4);
    }
    return acl;
}

fs::path OldReport(const fs::path& folder,
                   fs::perms perms = fs::perms::owner_read | fs::perms::owner_write |
                                     fs::perms::group_read | fs::perms::others_read) {
    std::ofstream(folder / "old.txt") << kOld;
    fs::permissions(folder / "old.txt", perms);
    return folder / "old.txt";
}

// Mounts of this process alone, gone with it; an error text where the
// system allows none.
std::string OwnMounts() {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return std::string("cannot mount here: ") + std::strerror(errno);
    }
    return {};
}

std::string MountTmpfs(const fs::path& at, const std::string& options) {
    fs::create_directories(at);
    if (std::string error = OwnMounts(); !error.empty()) {
        return error;
    }
    if (::mount("tmpfs", at.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        return std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
    }
    return {};
}

// An old report on a tmpfs of its own, then filled until it refuses more:
// files until no inode is left, or one file until no block is.
fs::path OldReportOnFullTmpfs(const fs::path& folder, std::string& skip, bool inodes) {
    const fs::path root = folder / "fs";
    skip = MountTmpfs(root, inodes ? "size=1m,nr_inodes=16" : "size=64k,nr_inodes=100");
    fs::path path = OldReport(root);
    fs::create_directories(root / "fill");
    if (inodes) {
        for (int i = 0; i < 100000; ++i) {
            const int fd = ::open((root / "fill" / std::to_string(i)).c_str(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0) {
                break;
            }
            ::close(fd);
        }
        return path;
    }
    const int fd = ::open((root / "fill" / "blocks").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
    return path;
}

struct Situation {
    const char* name;
    enum Needs { Anyone, Root } needs;
    bool as_nobody;  // saved by another user without privileges
    bool killed_when_written;
    // Makes the situation in `folder` and gives the path the user picks; sets
    // `skip` where this system cannot make it.
    std::function<fs::path(const fs::path& folder, std::string& skip)> setup;
    const char* expected;  // F stands for the situation's folder
};

// In the child: makes the situation, saves from a grandchild, looks at the disk.
std::string Outcome(const Situation& s, const fs::path& folder) {
    std::string skip;
    const fs::path path = s.setup(folder, skip);
    if (!skip.empty()) {
        return "skip: " + skip;
    }
    const std::map<std::string, std::string> xattrs_before = Xattrs(path);
    int report[2];
    if (::pipe(report) != 0) {
        return "no pipe";
    }
    const pid_t saver = ::fork();
    if (saver == 0) {
        ::close(report[0]);
        if (s.as_nobody &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNogroup) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(3);
        }
        IgnoreWriteSignals();
        ReportFile::SetStallLimit(std::chrono::milliseconds(200));
        mode_t widest = 0;
        bool replacement = false;
        ReportFile::SetStageHook([&](SaveStage stage, int fd) {
            struct stat info {};
            ::fstat(fd, &info);
            widest |= info.st_mode & 07777;
            replacement = true;
            if (stage == SaveStage::Written && s.killed_when_written) {
                ::raise(SIGKILL);
            }
        });
        FakeServices fakes;
        fakes.save_as.answer = path.string();
        const ReportLayout layout{
            .required_field = 1002,
            .compose =
                [](const FieldReader& field) {
                    return NameReportBody(field(1000), field(1001), field(1002));
                },
            .create_failure_icon = MessageIcon::Warning,
        };
        SaveToFile(
            layout, [](int id) { return std::to_string(id); }, fakes.services);
        std::string seen = "seen:";
        for (const auto& message : fakes.messages.shown) {
            seen += " \"" + message.text + "\"";
        }
        if (fakes.messages.shown.empty()) {
            seen += " nothing";
        }
        WriteAll(report[1], seen + "; written as " + (replacement ? Octal(widest) : "-"));
        ::_exit(0);
    }
    ::close(report[1]);
    std::string outcome = ReadAll(report[0]);
    ::close(report[0]);
    int status = 0;
    while (::waitpid(saver, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) {
        outcome = std::string("killed by ") + sigabbrev_np(WTERMSIG(status));
    }
    outcome += "; file: ";
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        outcome += "missing";
    } else if (S_ISFIFO(info.st_mode)) {
        outcome += "a pipe";
    } else {
        const std::string bytes = ReadFile(path);
        const std::string body = "Name:\t1000\r\n\r\nNumber:\t1001\r\n\r\n1002";
        outcome += bytes == kOld ? "old"
                   : bytes.starts_with(kHeader) && bytes.ends_with(body)
                       ? "new"
                       : std::to_string(bytes.size()) + " bytes";
        outcome += " " + Octal(info.st_mode) + " " + Who(info.st_uid, info.st_gid) + " links " +
                   std::to_string(info.st_nlink) + "; xattrs " +
                   (Xattrs(path) == xattrs_before ? "kept" : "changed");
    }
    outcome += "; folder:";
    for (const auto& name : Listing(path.parent_path())) {
        outcome += " " + name;
    }
    // The folder's name differs from run to run.
    for (std::size_t at = 0; (at = outcome.find(folder.string(), at)) != std::string::npos;) {
        outcome.replace(at, folder.string().size(), "F");
    }
    return outcome;
}

// Runs one situation in a child process; its outcome, or why there is none.
std::string RunSituation(const Situation& s, const fs::path& folder) {
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        ::close(pipe_ends[0]);
        ::umask(022);
        WriteAll(pipe_ends[1], Outcome(s, folder));
        ::_exit(0);
    }
    ::close(pipe_ends[1]);
    // A save that hangs must not hang the tests: a minute is far beyond any.
    pollfd ready{pipe_ends[0], POLLIN, 0};
    std::string outcome;
    if (::poll(&ready, 1, 60000) > 0) {
        outcome = ReadAll(pipe_ends[0]);
    } else {
        outcome = "no outcome within a minute";
        ::kill(-child, SIGKILL);
    }
    ::close(pipe_ends[0]);
    ::waitpid(child, nullptr, 0);
    return outcome;
}

TEST(ReportFileSituations, WhatTheUserSeesAndWhatIsOnDisk) {
    using S = Situation;
    using P = fs::perms;
    const P everyone_rw = P::owner_read | P::owner_write | P::group_read | P::group_write |
                          P::others_read | P::others_write;
    const auto sticky_shared = [](const fs::path& folder) {
        fs::create_directories(folder / "shared");
        fs::permissions(folder / "shared", P::all | P::sticky_bit);
        return folder / "shared";
    };
    const Situation situations[] = {
        {"a new report, umask 022", S::Anyone, false, false,
         [](const fs::path& f, std::string&) { return f / "new.txt"; },
         "seen: nothing; written as 0600; file: new 0644 me:mine links 1; xattrs kept; "
         "folder: new.txt"},
        {"a private report, umask 022", S::Anyone, false, false,
         [](const fs::path& f, std::string&) {
             return OldReport(f, P::owner_read | P::owner_write);
         },
         "seen: nothing; written as 0600; file: new 0600 me:mine links 1; xattrs kept; "
         "folder: old.txt"},
        {"a file system out of inodes", S::Root, false, false,
         [](const fs::path& f, std::string& skip) { return OldReportOnFullTmpfs(f, skip, true); },
         "seen: \"Disk full while accessing F/fs/old.txt.\"; written as -; file: old 0644 me:mine "
         "links 1; xattrs kept; folder: fill old.txt"},
        {"a file system out of blocks", S::Root, false, false,
         [](const fs::path& f, std::string& skip) { return OldReportOnFullTmpfs(f, skip, false); },
         "seen: \"Disk full while accessing F/fs/old.txt.\"; written as 0600; file: old 0644 "
         "me:mine links 1; xattrs kept; folder: fill old.txt"},
        {"a read-only file system", S::Root, false, false,
         [](const fs::path& f, std::string& skip) {
             skip = MountTmpfs(f / "fs", "size=64k");
             fs::path path = OldReport(f / "fs");
             if (skip.empty() && ::mount(nullptr, (f / "fs").c_str(), nullptr,
                                         MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
                 skip = std::string("cannot remount read-only: ") + std::strerror(errno);
             }
             return path;
         },
         "seen: \"Unable to create file\"; written as -; file: old 0644 me:mine links 1; xattrs "
         "kept; "
         "folder: old.txt"},
        {"a link planted by another user in a sticky folder", S::Root, false, false,
         [&](const fs::path& f, std::string&) {
             std::ofstream(f / "victim.txt") << kOld;
             ::chown((f / "victim.txt").c_str(), kNobody, kNogroup);
             fs::path link = sticky_shared(f) / "report.txt";
             fs::create_symlink("../victim.txt", link);
             ::lchown(link.c_str(), kNobody, kNogroup);
             return link;
         },
         "seen: \"Unable to create file\"; written as -; file: old 0644 nobody:nogroup links 1; "
         "xattrs kept; "
         "folder: report.txt"},
        {"an ACL entry for another user and a user attribute", S::Anyone, false, false,
         [](const fs::path& f, std::string& skip) {
             fs::path path = OldReport(f);
             const std::string acl = AclForNobody();
             if (::setxattr(path.c_str(), "user.origin", "kept", 4, 0) != 0 ||
                 ::setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) !=
                     0) {
                 skip = std::string("no ACLs or user attributes here: ") + std::strerror(errno);
             }
             return path;
         },
         "seen: nothing; written as 0600; file: new 0640 me:mine links 1; xattrs kept; "
         "folder: old.txt"},
        {"a file with a second hard link", S::Anyone, false, false,
         [](const fs::path& f, std::string&) {
             fs::path path = OldReport(f);
             fs::create_hard_link(path, f / "other.txt");
             return path;
         },
         "seen: nothing; written as -; file: new 0644 me:mine links 2; xattrs kept; "
         "folder: old.txt other.txt"},
        {"root saving over a user's private report", S::Root, false, false,
         [](const fs::path& f, std::string&) {
             fs::path path = OldReport(f, P::owner_read | P::owner_write);
             ::chown(path.c_str(), kNobody, kNogroup);
             return path;
         },
         "seen: nothing; written as 0600; file: new 0600 nobody:nogroup links 1; xattrs kept; "
         "folder: old.txt"},
        {"root saving over a user's setuid program", S::Root, false, false,
         [](const fs::path& f, std::string&) {
             fs::path path = OldReport(f);
             ::chown(path.c_str(), kNobody, kNogroup);
             ::chmod(path.c_str(), 04755);
             return path;
         },
         "seen: nothing; written as 0600; file: new 0755 nobody:nogroup links 1; xattrs kept; "
         "folder: old.txt"},
        {"another user's writable file in a sticky folder", S::Root, true, false,
         [&](const fs::path& f, std::string&) { return OldReport(sticky_shared(f), everyone_rw); },
         "seen: nothing; written as -; file: new 0666 me:mine links 1; xattrs kept; "
         "folder: old.txt"},
        {"another user's writable file in a folder closed to new files", S::Root, true, false,
         [&](const fs::path& f, std::string&) { return OldReport(f, everyone_rw); },
         "seen: nothing; written as -; file: new 0666 me:mine links 1; xattrs kept; "
         "folder: old.txt"},
        {"a file with another mounted on it", S::Root, false, false,
         [](const fs::path& f, std::string& skip) {
             fs::path path = OldReport(f);
             std::ofstream(f / "source.txt") << kOld;
             skip = OwnMounts();
             if (skip.empty() && ::mount((f / "source.txt").c_str(), path.c_str(), nullptr, MS_BIND,
                                         nullptr) != 0) {
                 skip = std::string("cannot bind-mount here: ") + std::strerror(errno);
             }
             return path;
         },
         "seen: nothing; written as 0600; file: new 0644 me:mine links 1; xattrs kept; "
         "folder: old.txt source.txt"},
        {"killed between writing and replacing", S::Anyone, false, true,
         [](const fs::path& f, std::string&) { return OldReport(f); },
         "killed by KILL; file: old 0644 me:mine links 1; xattrs kept; folder: old.txt"},
        {"a pipe whose reader never reads", S::Anyone, false, false,
         [](const fs::path& f, std::string& skip) {
             fs::path pipe = f / "pipe";
             ::mkfifo(pipe.c_str(), 0600);
             // Held open until the situation ends: a reader that reads nothing.
             const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
             const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
             const std::string block(4096, 'p');
             while (::write(writer, block.data(), block.size()) > 0) {
             }
             if (reader < 0 || errno != EAGAIN) {
                 skip = "cannot fill a pipe";
             }
             return pipe;
         },
         "seen: \"Disk full while accessing F/pipe.\"; written as -; file: a pipe; folder: pipe"},
    };
    TempFolder temp;
    // Another user must reach the folders.
    fs::permissions(temp.path(), P::owner_all | P::group_exec | P::others_exec);
    const char* ci_variable = std::getenv("CI");  // NOLINT(concurrency-mt-unsafe): one thread
    const bool ci = ci_variable != nullptr && std::string_view(ci_variable) == "true";
    std::vector<std::string> skipped;
    int n = 0;
    for (const auto& s : situations) {
        const fs::path folder = temp.path() / std::to_string(n++);
        fs::create_directories(folder);
        if (s.needs == S::Root && ::geteuid() != 0) {
            skipped.push_back(std::string(s.name) + ": needs root");
            continue;
        }
        std::string outcome = RunSituation(s, folder);
        if (outcome.starts_with("skip: ")) {
            // CI runs as root on a machine that allows this.
            EXPECT_FALSE(ci) << s.name << ": " << outcome;
            skipped.push_back(s.name + (": " + outcome.substr(6)));
            continue;
        }
        EXPECT_EQ(outcome, s.expected) << s.name;
    }
    if (!skipped.empty()) {
        std::string list;
        for (const auto& line : skipped) {
            list += "\n  " + line;
        }
        GTEST_SKIP() << "situations this system cannot make:" << list;
    }
}

}  // namespace
}  // namespace morvane::testing
