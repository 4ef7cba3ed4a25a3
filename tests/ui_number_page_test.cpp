// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Interpret Number page.

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "catalogue/catalogue.h"
#include "tests/ui_support.h"

namespace morvane::testing {
namespace {

using Page = CShowNumber;

class NumberPageTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        SelectTab(2);
        ASSERT_EQ(Focused(), number());
    }
    CShowNumber& page() { return sheet->NumberPage(); }
    QLineEdit* number() { return Line(page(), Page::kNumber); }
    std::string interpretation() { return Text(page(), Page::kInterpretation); }
};

TEST_F(NumberPageTest, EveryTypedNumberShowsItsParagraph) {
    const std::pair<QString, std::int32_t> cases[] = {
        {"7", 155},
        {"007", 155},
        {"10", 104},
        {"33", 127},
        {"38", 105},
        {"51", 145},
        {"52", 137},
        {"1", 149},
        {"34", 119},
        {"0", 147},
        {"53", 147},
        {"1000", 147},
        {"99999999999999999999", 147},
        {"4294967303", 147},  // 2^32 + 7 would wrap round to 7
    };
    for (const auto& [typed, id] : cases) {
        number()->clear();
        Type(typed);
        Press(Qt::Key_Return);
        EXPECT_EQ(interpretation(), LoadText(id)) << typed.toStdString();
        EXPECT_EQ(number()->text(), typed);  // kept as typed, leading zeros too
    }
    EXPECT_EQ(LoadText(147), "This number is not a valid number.");
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(sheet->isVisible());
}

TEST_F(NumberPageTest, EmptyFieldWarnsAndKeepsTheEarlierText) {
    Type("7");
    Press(Qt::Key_Return);
    number()->clear();
    Press(Qt::Key_N, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([this] { return fakes.messages.shown.size() == 1; }));
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Please enter a name for analysis", MessageIcon::Warning}));
    EXPECT_EQ(interpretation(), LoadText(155));
    EXPECT_EQ(Focused(), number());
}

TEST_F(NumberPageTest, HelpShowsItsTextAndFocusesTheNumber) {
    page().GetDlgItem(Page::kInterpretation)->setFocus();
    Press(Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([this] { return fakes.messages.shown.size() == 1; }));
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{std::string(LoadText(148)), MessageIcon::Information}));
    EXPECT_EQ(Focused(), number());
}

TEST_F(NumberPageTest, LettersCannotBeTypedOrPasted) {
    Type("1a2");
    EXPECT_EQ(number()->text(), "12");
    number()->clear();
    QGuiApplication::clipboard()->setText("4x");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(number()->text(), "");
}

TEST_F(NumberPageTest, SaveToFileWritesTheShownAnalysis) {
    Type("60");
    Press(Qt::Key_Return);
    EXPECT_EQ(SaveByKeyboard(),
              ReportHeaderBytes() + "Number: 60\r\n\r\nThis number is not a valid number.");
}

TEST_F(NumberPageTest, UnableToCreateFileIsInformationHere) {
    Type("7");
    Press(Qt::Key_Return);
    fakes.save_as.answer = "/nonexistent-folder/report.txt";
    Press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([this] { return fakes.messages.shown.size() == 1; }));
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Unable to create file", MessageIcon::Information}));
    EXPECT_EQ(fakes.busy_cursor.depth, 0);
}

TEST_F(NumberPageTest, EnterInTheInterpretationBoxAnalyses) {
    Type("7");
    Press(Qt::Key_Return);
    Box(page(), Page::kInterpretation)->setFocus();
    number()->setText("10");
    Press(Qt::Key_Return);  // unlike the name page's box, this one lets Enter through
    EXPECT_EQ(interpretation(), LoadText(104));
    EXPECT_TRUE(sheet->isVisible());
}

TEST_F(NumberPageTest, LeavingAndComingBackClearsBothFields) {
    Type("52");
    Press(Qt::Key_Return);
    SelectTab(0);
    SelectTab(2);
    EXPECT_EQ(number()->text(), "");
    EXPECT_EQ(interpretation(), "");
    EXPECT_EQ(Focused(), number());
}

}  // namespace
}  // namespace morvane::testing
