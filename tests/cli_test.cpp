// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// morvane-cli's commands against the engine and the catalogue, one table per
// command; the process itself (pipes, a full disk) is tested by cli_process_test.py.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/themes.h"
#include "engine/numerology.h"
#include "tests/cli_support.h"
#include "tests/temp_folder.h"

namespace morvane::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(CliName, NumbersAreTheWindowsForTheSameTypedText) {
    struct Case {
        std::vector<std::string> args;
        std::string as_counted;  // the text the engine reads
        int number;
        std::string note;
    };
    const std::string long_name(70, 'o');  // past the tip's 60 letters
    const Case cases[] = {
        {{"John"}, "john", 18, ""},
        {{"JOHN SMITH"}, "john smith", 35, ""},
        {{"Jayalalitha"}, "jayalalitha", 22, ""},
        {{"Jayalalithaa"}, "jayalalithaa", 23, ""},
        {{"Kavya"}, "kavya", 11, ""},
        {{"Kavyaa"}, "kavyaa", 12, ""},
        {{"12345"}, "12345", 0, ""},
        {{"  "}, "  ", 0, ""},
        {{long_name}, long_name, 13, ""},
        // The Kelvin sign's lower case is the letter k.
        {{"\u212A"}, "k", 2, ""},
        {{"josé"},
         "jos",
         11,
         "note: \"é\" in \"josé\" counts nothing; --fold counts it as \"e\": 16\n"},
        {{"Müller"},
         "mller",
         17,
         "note: \"ü\" in \"Müller\" counts nothing; --fold counts it as \"u\": 23\n"},
        {{"--fold", "josé"}, "jose", 16, ""},
        {{"--fold", "müller"}, "muller", 23, ""},
        {{"--fold=de", "Müller"}, "mueller", 28, ""},
        {{"--fold", "Ελένη"}, "elene", 23, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"name", "--format=csv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = RunCli(args);
        ASSERT_EQ(result.status, 0) << c.args.back() << result.err;
        EXPECT_EQ(result.err, c.note) << c.args.back();
        const std::string working = WorkingText(NameNumberWorking(c.as_counted), kEveryTerm);
        EXPECT_EQ(NameNumber(c.as_counted), c.number) << c.args.back();
        const std::string reading(LoadText(NameTextId(c.number)));
        EXPECT_EQ(Lines(result.out),
                  (std::vector<std::string>{"name,number,working,reading",
                                            c.args.back() + "," + std::to_string(c.number) + "," +
                                                working + "," + cli::CsvField(reading)}))
            << c.args.back();
    }
    const CliResult empty = RunCli({"name", ""});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "morvane-cli: Please enter a name for analysis\n");
}

TEST(CliBirth, DatesInEveryFormatAndOnlyRealOnes) {
    struct Case {
        std::string date;
        int birth, destiny;  // ignored when refused
        std::string refusal;
    };
    const Case cases[] = {
        {"31/12/1999", 31, 8, ""},
        {"7/1/1999", 7, 9, ""},
        {"07.11.1975", 7, 4, ""},
        {"1975-11-07", 7, 4, ""},
        {"29/02/2000", 29, 6, ""},
        {"29/02/1900", 0, 0, "29/02/1900: February 1900 has no day 29"},
        {"31/02/1990", 0, 0, "31/02/1990: February has no day 31"},
        {"31/04/2001", 0, 0, "31/04/2001: April has no day 31"},
        {"00/01/2000", 0, 0, "00/01/2000: January has no day 00"},
        {"12/13/1990", 0, 0, "12/13/1990: there is no month 13"},
        {"01/01/0000", 0, 0, "01/01/0000: there is no year 0"},
        {"ab/01/1990", 0, 0,
         "ab/01/1990: not a date; write it as DD/MM/YYYY, DD.MM.YYYY or YYYY-MM-DD"},
        {"1/1/99", 0, 0, "1/1/99: not a date; write it as DD/MM/YYYY, DD.MM.YYYY or YYYY-MM-DD"},
        {"31-12-1999", 0, 0,
         "31-12-1999: not a date; write it as DD/MM/YYYY, DD.MM.YYYY or YYYY-MM-DD"},
        {"31/12.1999", 0, 0,
         "31/12.1999: not a date; write it as DD/MM/YYYY, DD.MM.YYYY or YYYY-MM-DD"},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli({"birth", "--format", "json", c.date});
        if (!c.refusal.empty()) {
            EXPECT_EQ(result.status, 1) << c.date;
            EXPECT_EQ(result.err, "morvane-cli: " + c.refusal + "\n");
            EXPECT_EQ(result.out, "");
            continue;
        }
        EXPECT_EQ(result.status, 0) << c.date << result.err;
        const std::string expected_start = R"({"date": ")" + c.date + R"(", "birth_number": )" +
                                           std::to_string(c.birth) + ", \"birth_reading\": ";
        EXPECT_TRUE(result.out.starts_with(expected_start)) << result.out;
        const std::string destiny = ", \"destiny_number\": " + std::to_string(c.destiny) + ",";
        EXPECT_NE(result.out.find(destiny), std::string::npos) << c.date;
        EXPECT_NE(result.out.find(LoadText(BirthTextId(c.birth))), std::string::npos) << c.date;
        EXPECT_NE(result.out.find(LoadText(DigitTextId(c.destiny))), std::string::npos) << c.date;
    }
    EXPECT_NE(
        RunCli({"birth", "31/12/1999"}).out.find("Working:         31 + 12 + 1999 = 2042 -> 8\n"),
        std::string::npos);
}

TEST(CliNumber, TheInterpretPagesAnswer) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"7", 155}, {"07", 155}, {"1", 149},  {"52", 137},  {"34", 119},
        {"0", 147}, {"53", 147}, {"-1", 147}, {"abc", 147}, {"99999999999", 147},
    };
    for (const auto& [input, id] : cases) {
        const CliResult result = RunCli({"number", "--format=csv", "--", input});
        EXPECT_EQ(result.status, 0) << input;
        EXPECT_TRUE(result.out.ends_with("," + cli::CsvField(LoadText(id)) + "\r\n")) << input;
    }
}

TEST(CliCompare, RowsThemesAgreementAndVariants) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> lines;
    };
    const auto theme = [](std::int32_t id) { return cli::CsvField(ThemeOf(id)); };
    const std::string theme_11 = theme(105);
    const std::string theme_12 = theme(106);
    const Case cases[] = {
        {{"Kavyaa", "Kavya"},
         {"spelling,total,number,root,theme", "Kavyaa,12,12,3," + theme_12,
          "Kavya,11,11,2," + theme_11}},
        {{"--sort", "Kavyaa", "Kavya"},
         {"spelling,total,number,root,theme", "Kavya,11,11,2," + theme_11,
          "Kavyaa,12,12,3," + theme_12}},
        // Birth 31 (root 4), destiny 8; 1971 gives destiny 2.
        {{"--born", "31/12/1999", "Jayalalitha", "Kavya", "oooooooo"},
         {"spelling,total,number,root,agrees,theme", "Jayalalitha,22,22,4,birth," + theme(116),
          "Kavya,11,11,2,none," + theme_11, "oooooooo,56,11,2,none," + theme_11}},
        {{"--born=04/12/1993", "Kavya"},
         {"spelling,total,number,root,agrees,theme", "Kavya,11,11,2,destiny," + theme_11}},
        {{"--born=02/12/1995", "Kavya"},
         {"spelling,total,number,root,agrees,theme", "Kavya,11,11,2,both," + theme_11}},
        // Variants that agree come first; a variant already given is not repeated.
        {{"--born", "31/12/1999", "--suggest", "2", "Kavya", "Kkavya"},
         {"spelling,total,number,root,agrees,suggested,theme",
          "Kavya,11,11,2,none,false," + theme_11, "Kkavya,13,13,4,birth,false," + theme(107),
          "Kavvya,17,17,8,destiny,true," + theme(111), "Kavyab,13,13,4,birth,true," + theme(107)}},
        {{"--suggest=3", "ab"},
         {"spelling,total,number,root,suggested,theme", "ab,3,3,3,false," + theme(146),
          "aab,4,4,4,true," + theme(146), "abb,5,5,5,true," + theme(146),
          "aba,4,4,4,true," + theme(146)}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"compare", "--format=csv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << c.args.back() << result.err;
        EXPECT_EQ(Lines(result.out), c.lines) << c.args.back();
    }
    // Every name number has a theme to show.
    for (std::int32_t n = 0; n <= kMaxNameNumber; ++n) {
        EXPECT_FALSE(ThemeOf(NameTextId(n)).empty()) << n;
    }
}

TEST(CliUsage, HelpVersionAndUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out_start, err_start;
    };
    const Case cases[] = {
        {{"--version"}, 0, "Morvane Beta 2.0\n", ""},
        {{"--help"}, 0, "Usage: morvane-cli COMMAND", ""},
        {{"help"}, 0, "Usage: morvane-cli COMMAND", ""},
        {{"help", "compare"}, 0, "Usage: morvane-cli compare", ""},
        {{"birth", "-h"}, 0, "Usage: morvane-cli birth", ""},
        {{}, 2, "", "Usage: morvane-cli COMMAND"},
        {{"help", "nosuch"}, 2, "", "morvane-cli: no help for \"nosuch\""},
        {{"nosuch"}, 2, "", "morvane-cli: \"nosuch\" is not a command"},
        {{"name"}, 2, "", "morvane-cli: 'name' needs at least one argument"},
        {{"name", "--sort", "x"}, 2, "", "morvane-cli: 'name' has no option --sort"},
        {{"birth", "--fold", "1/1/2000"}, 2, "", "morvane-cli: 'birth' has no option --fold"},
        {{"name", "--format=xml", "x"}, 2, "", "morvane-cli: --format takes text, csv or json"},
        {{"name", "--format"}, 2, "", "morvane-cli: --format needs a value"},
        {{"name", "--fold=fr", "x"}, 2, "", "morvane-cli: --fold takes no value or =de"},
        {{"name", "--report=r.txt", "a", "b"},
         2,
         "",
         "morvane-cli: --report writes the report of one"},
        {{"number", "--report=r.txt", "-"},
         2,
         "",
         "morvane-cli: --report writes the report of one"},
        {{"compare", "--sort", "-"}, 2, "", "morvane-cli: --sort and --suggest need"},
        {{"compare", "--suggest=x", "a"}, 2, "", "morvane-cli: --suggest takes a count"},
        {{"compare", "--born=30/02/2000", "a"},
         1,
         "",
         "morvane-cli: --born: 30/02/2000: February has no day 30"},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(result.status, c.status) << shown;
        EXPECT_TRUE(result.out.starts_with(c.out_start)) << shown << ": " << result.out;
        EXPECT_TRUE(result.err.starts_with(c.err_start)) << shown << ": " << result.err;
        EXPECT_EQ(result.out.empty(), c.out_start.empty()) << shown;
        EXPECT_EQ(result.err.empty(), c.err_start.empty()) << shown;
    }
}

TEST(CliBatch, LinesAreReadWhateverTheyHold) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::vector<std::string> out_lines;
        std::string err;
    };
    using namespace std::string_literals;
    const std::string ten_megabytes(10 << 20, 'a');
    const Case cases[] = {
        {{"compare"},
         "John\r\n\r\n \t \nKavya",
         0,
         {"spelling,total,number,root,theme", "John,18,18,9," + std::string(ThemeOf(112)),
          "Kavya,11,11,2," + std::string(ThemeOf(105))},
         ""},
        {{"compare"},
         "ab\0c\n\xff\xfe\nb\xc3\n\nkavya\n"s,
         1,
         {"spelling,total,number,root,theme", "kavya,11,11,2," + std::string(ThemeOf(105))},
         "morvane-cli: line 1: holds a NUL byte\nmorvane-cli: line 2: is not valid UTF-8\n"
         "morvane-cli: line 3: is not valid UTF-8\n"},
        {{"compare"},
         ten_megabytes + "\n",
         0,
         {"spelling,total,number,root,theme",
          ten_megabytes + ",10485760,31,4," + std::string(ThemeOf(125))},
         ""},
        {{"birth"},
         "1/1/2000\n31/02/1990\n",
         1,
         {},
         "morvane-cli: line 2: 31/02/1990: February has no day 31\n"},
        {{"number"}, "\n7\r\n", 0, {"number,reading", "7," + cli::CsvField(LoadText(155))}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--format=csv", "-"});
        const CliResult result = RunCli(args, c.input);
        EXPECT_EQ(result.status, c.status) << c.args[0];
        EXPECT_EQ(result.err, c.err) << c.args[0];
        if (!c.out_lines.empty()) {
            EXPECT_EQ(Lines(result.out), c.out_lines) << c.args[0];
        }
    }
}

TEST(CliReport, FailedWritesAreReportedAndRefused) {
    TempFolder folder;
    const std::string missing = (folder.path() / "no" / "report.txt").string();
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/full", "morvane-cli: /dev/full: Disk full while accessing /dev/full.\n"},
        {missing, "morvane-cli: " + missing + ": Unable to create file\n"},
    };
    for (const auto& [path, err] : cases) {
        const CliResult result = RunCli({"number", "--report", path, "7"});
        EXPECT_EQ(result.status, 1) << path;
        EXPECT_EQ(result.err, err);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "no"));
}

TEST(CliText, ReadingsWrapToTheTerminalOnly) {
    const CliResult wrapped = RunCli({"number", "7"}, "", 50);
    const CliResult piped = RunCli({"number", "7"});
    EXPECT_EQ(Lines(piped.out).size(), 2U);
    EXPECT_GT(Lines(wrapped.out).size(), 10U);
    std::string joined;
    for (const std::string& line : Lines(wrapped.out)) {
        EXPECT_LE(line.size(), 50U) << line;
        joined += (joined.empty() ? "" : " ") + line.substr(line.find_first_not_of(' '));
    }
    EXPECT_EQ(joined, Lines(piped.out)[0] + " " + Lines(piped.out)[1]);
}

}  // namespace
}  // namespace morvane::testing
