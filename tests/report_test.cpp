// The interpretation report: composition, the file writer and Save To File,
// through the real file system with fake dialogs.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "catalogue/catalogue.h"
#include "report/report.h"
#include "report/report_file.h"
#include "report/save_to_file.h"
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
            .fields = {1000, 1001, 1002},
            .compose = [](const FieldTexts& f) { return NameReportBody(f[0], f[1], f[2]); },
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
    EXPECT_EQ(request.filters[1].pattern, "*.*");
    EXPECT_EQ(request.initial_name, "*.txt");
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
    fakes.save_as.answer = "/dev/full";
    Save();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Disk full while accessing /dev/full.", MessageIcon::Error}));
    EXPECT_EQ(busy_at_message, std::vector<int>{0});
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
