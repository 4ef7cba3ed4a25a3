// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// morvane-cli --report against the window's own Save To File: the same typed
// text on each page and the same clock give the same bytes.

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/cli_support.h"
#include "tests/temp_folder.h"
#include "tests/ui_support.h"
#include "ui/pages/birth_num.h"
#include "ui/pages/morvane_tab.h"
#include "ui/pages/show_number.h"

namespace morvane::testing {
namespace {

using CliReportTest = SheetTest;

TEST_F(CliReportTest, WritesTheWindowsReportByteForByte) {
    struct Case {
        int tab;
        QString keys;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {0, "John Smith", {"name", "John Smith"}},
        {0, "José MÜLLER", {"name", "José MÜLLER"}},
        // The Kelvin sign, dotted capital I and Greek capitals ending in sigma.
        {0, "\u212A \u0130 ΟΔΥΣΣΕΥΣ", {"name", "\u212A \u0130 ΟΔΥΣΣΕΥΣ"}},
        {1, "07111975", {"birth", "07/11/1975"}},
        {1, "31121999", {"birth", "1999-12-31"}},
        {1, "01012000", {"birth", "01.01.2000"}},
        {2, "07", {"number", "07"}},
        {2, "60", {"number", "60"}},
    };
    const std::vector<int> fields[] = {{CMorvaneTab::kName},
                                       {CBirthNum::kDay, CBirthNum::kMonth, CBirthNum::kYear},
                                       {CShowNumber::kNumber}};
    TempFolder folder;
    const std::string path = (folder.path() / "report.txt").string();
    for (const auto& c : cases) {
        SelectTab(c.tab);
        CPropertyPage& page = c.tab == 0   ? static_cast<CPropertyPage&>(sheet->NamePage())
                              : c.tab == 1 ? static_cast<CPropertyPage&>(sheet->BirthPage())
                                           : static_cast<CPropertyPage&>(sheet->NumberPage());
        for (const int id : fields[c.tab]) {
            Line(page, id)->clear();
        }
        Line(page, fields[c.tab].front())->setFocus();
        // One character at a time, to whichever field the page moved on to.
        for (const QChar ch : c.keys) {
            // A key with text only: QTest's key table knows no key for Σ.
            QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
        }
        Press(Qt::Key_Return);
        const std::string window = SaveByKeyboard();
        ASSERT_TRUE(window.starts_with(ReportHeaderBytes())) << c.args[1];

        const CliResult cli = RunCli({c.args[0], "--report", path, c.args[1]});
        EXPECT_EQ(cli.status, 0) << cli.err;
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), window) << c.args[1];
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace morvane::testing
