// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The interpretation report: composition, the file writer and Save To File,
// through the real file system with fake dialogs.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
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

}  // namespace
}  // namespace morvane::testing
