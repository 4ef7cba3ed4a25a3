// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Birth/Destiny Number page: typing guided key by key, as a user types.

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "catalogue/catalogue.h"
#include "tests/ui_support.h"

namespace morvane::testing {
namespace {

using Page = CBirthNum;

const Message kFormatWarning{"Enter your birth date in dd/mm/yyyy year format",
                             MessageIcon::Warning};

class BirthPageTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        SelectTab(1);
        ASSERT_EQ(Focused(), field(Page::kDay));
    }
    CBirthNum& page() { return sheet->BirthPage(); }
    QLineEdit* field(int id) { return Line(page(), id); }
    QString text(int id) { return QString::fromStdString(Text(page(), id)); }
    QWidget* control(int id) { return page().GetDlgItem(id); }
    // Another window takes the activation and gives it back, as a message
    // box or the user switching applications does.
    void VisitAnotherWindow() {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        other.hide();
        sheet->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    }
    void ExpectAllEmpty() {
        for (const int id : {Page::kDay, Page::kMonth, Page::kYear, Page::kBirthNumber,
                             Page::kDestinyNumber, Page::kBirthText, Page::kDestinyText}) {
            EXPECT_EQ(text(id), QString()) << id;
        }
    }
};

TEST_F(BirthPageTest, FullFieldsMoveTheFocusOn) {
    Type("3");
    EXPECT_EQ(Focused(), field(Page::kDay));
    Type("1");
    EXPECT_EQ(Focused(), field(Page::kMonth));
    Type("12");
    EXPECT_EQ(Focused(), field(Page::kYear));
    Type("1999");
    EXPECT_EQ(Focused(), control(Page::kAnalyseNow));
    EXPECT_TRUE(fakes.messages.shown.empty());  // the year check passed

    Press(Qt::Key_Return);
    EXPECT_EQ(text(Page::kBirthNumber), "31");
    EXPECT_EQ(text(Page::kDestinyNumber), "8");
    EXPECT_EQ(Text(page(), Page::kBirthText), LoadText(125));
    EXPECT_EQ(Text(page(), Page::kDestinyText), LoadText(156));
    EXPECT_TRUE(sheet->isVisible());
}

TEST_F(BirthPageTest, SeparatorsEndTheDayAndTheMonth) {
    struct Case {
        QString typed;
        QString day, month, year;
        int focused;
    };
    const Case cases[] = {
        {"5/3/1990", "5", "3", "1990", Page::kAnalyseNow},
        {"5.3.1990", "5", "3", "1990", Page::kAnalyseNow},
        {"5-3-1990", "5", "3", "1990", Page::kAnalyseNow},
        {"5 3 1990", "5", "3", "1990", Page::kAnalyseNow},
        // After a full field has moved the focus on, the separator typed
        // next finds an empty field and is refused: no field is skipped.
        {"05/03/1990", "05", "03", "1990", Page::kAnalyseNow},
        {"05/3/1990", "05", "3", "1990", Page::kAnalyseNow},
        {"/5//3", "5", "3", "", Page::kMonth},
        {"5/3/19/", "5", "3", "19", Page::kYear},  // the year takes none
        {"45/", "", "", "", Page::kDay},           // the day check still runs
        {"5/13/", "5", "", "", Page::kMonth},
    };
    for (const auto& c : cases) {
        SelectTab(0);
        SelectTab(1);
        Type(c.typed);
        const std::string typed = c.typed.toStdString();
        EXPECT_EQ(text(Page::kDay), c.day) << typed;
        EXPECT_EQ(text(Page::kMonth), c.month) << typed;
        EXPECT_EQ(text(Page::kYear), c.year) << typed;
        EXPECT_EQ(Focused(), control(c.focused)) << typed;
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(BirthPageTest, WorkedExamples) {
    struct Case {
        QString day, month, year;
        QString birth, destiny;
        std::int32_t birth_id, destiny_id;
    };
    const Case cases[] = {
        {"31", "12", "1999", "31", "8", 125, 156}, {"07", "7", "2001", "07", "8", 155, 156},
        {"00", "00", "0000", "00", "0", 148, 148}, {"7", "11", "1975", "7", "4", 155, 152},
        {"10", "01", "2000", "10", "4", 104, 152}, {"31", "02", "9999", "31", "6", 125, 154},
    };
    for (const auto& c : cases) {
        for (const auto& [id, value] :
             {std::pair{Page::kDay, c.day}, {Page::kMonth, c.month}, {Page::kYear, c.year}}) {
            field(id)->setText(value);
        }
        QTest::mouseClick(qobject_cast<QPushButton*>(control(Page::kAnalyseNow)), Qt::LeftButton);
        const std::string date = (c.day + "/" + c.month + "/" + c.year).toStdString();
        EXPECT_EQ(text(Page::kBirthNumber), c.birth) << date;
        EXPECT_EQ(text(Page::kDestinyNumber), c.destiny) << date;
        EXPECT_EQ(Text(page(), Page::kBirthText), LoadText(c.birth_id)) << date;
        EXPECT_EQ(Text(page(), Page::kDestinyText), LoadText(c.destiny_id)) << date;
    }
}

TEST_F(BirthPageTest, OutOfRangeDayIsEmptiedAndKeepsTheFocus) {
    Type("32");
    EXPECT_EQ(text(Page::kDay), "");
    EXPECT_EQ(Focused(), field(Page::kDay));
    EXPECT_EQ(text(Page::kMonth), "");
    EXPECT_TRUE(fakes.messages.shown.empty());
    // The user types on in the same field.
    Type("15");
    EXPECT_EQ(text(Page::kDay), "15");
    EXPECT_EQ(Focused(), field(Page::kMonth));
}

TEST_F(BirthPageTest, OutOfRangeMonthIsEmptiedAndTheDayUntouched) {
    Type("0713");
    EXPECT_EQ(text(Page::kDay), "07");
    EXPECT_EQ(text(Page::kMonth), "");
    EXPECT_EQ(Focused(), field(Page::kMonth));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(BirthPageTest, ZeroDayAndMonthPass) {
    Type("0000");
    EXPECT_EQ(text(Page::kDay), "00");
    EXPECT_EQ(text(Page::kMonth), "00");
    EXPECT_EQ(Focused(), field(Page::kYear));
}

TEST_F(BirthPageTest, ShortYearWarnsOnceAndKeepsItsText) {
    Type("0101199");
    Press(Qt::Key_Tab);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], kFormatWarning);
    EXPECT_EQ(text(Page::kYear), "199");
    EXPECT_EQ(Focused(), field(Page::kYear));

    // Clicking another field warns again; the focus still comes back.
    QTest::mouseClick(field(Page::kDay), Qt::LeftButton);
    EXPECT_EQ(fakes.messages.shown.size(), 2U);
    EXPECT_EQ(Focused(), field(Page::kYear));
}

TEST_F(BirthPageTest, ShortYearWarnsWithAFocusChangingMessageBoxToo) {
    // A real message box takes the focus from the window while it is open;
    // the fake imitates that, and the check must still run exactly once.
    fakes.messages.on_show = [this] { VisitAnotherWindow(); };
    Type("0101199");
    Press(Qt::Key_Tab);
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(text(Page::kYear), "199");
    EXPECT_EQ(Focused(), field(Page::kYear));
}

TEST_F(BirthPageTest, SwitchingToAnotherWindowIsNoLeavingOfTheField) {
    Type("0101199");
    VisitAnotherWindow();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(text(Page::kYear), "199");
    EXPECT_EQ(Focused(), field(Page::kYear));
}

TEST_F(BirthPageTest, LeavingAnEmptyYearIsSilent) {
    Type("0101");
    Press(Qt::Key_Tab);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(Focused(), control(Page::kAnalyseNow));
}

TEST_F(BirthPageTest, AnalyseWithAnEmptyFieldFocusesTheFirstEmptyOne) {
    struct Case {
        QString day, month, year;
        int focused;
    };
    const Case cases[] = {
        {"", "", "", Page::kDay},
        {"", "12", "1999", Page::kDay},
        {"31", "", "1999", Page::kMonth},
        {"31", "12", "", Page::kYear},
    };
    for (const auto& c : cases) {
        field(Page::kDay)->setText(c.day);
        field(Page::kMonth)->setText(c.month);
        field(Page::kYear)->setText(c.year);
        control(Page::kHelp)->setFocus();
        Press(Qt::Key_N, Qt::AltModifier);
        EXPECT_TRUE(WaitFor([&] { return Focused() == control(c.focused); })) << c.focused;
        EXPECT_EQ(text(Page::kBirthNumber), "");
        EXPECT_EQ(text(Page::kDestinyText), "");
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(BirthPageTest, TabSwitchWithHalfTypedInputClearsSilently) {
    const std::function<void()> switches[] = {
        [] { Press(Qt::Key_Tab, Qt::ControlModifier); },
        [] { Press(Qt::Key_PageDown, Qt::ControlModifier); },
        [this] {
            QTabBar* bar = sheet->TabControl()->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        },
    };
    for (const auto& switch_tab : switches) {
        Type("0101199");  // a half-typed year
        switch_tab();
        EXPECT_NE(sheet->TabControl()->currentIndex(), 1);
        SelectTab(1);
        ExpectAllEmpty();
        EXPECT_EQ(Focused(), field(Page::kDay));

        Type("3");  // a day that is not yet out of range
        field(Page::kDay)->setText("45");
        switch_tab();
        SelectTab(1);
        ExpectAllEmpty();
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(BirthPageTest, FieldsRefuseExtraDigitsAndLetters) {
    Type("311219991");
    EXPECT_EQ(text(Page::kYear), "1999");
    field(Page::kDay)->setFocus();
    field(Page::kDay)->selectAll();
    Type("1a");
    EXPECT_EQ(text(Page::kDay), "1");

    field(Page::kYear)->clear();
    field(Page::kYear)->setFocus();
    QGuiApplication::clipboard()->setText("20011");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Page::kYear), "2001");
    field(Page::kYear)->clear();
    QGuiApplication::clipboard()->setText("2a");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Page::kYear), "");
    // A pasted date is refused whole, never run together into one field.
    field(Page::kDay)->clear();
    field(Page::kDay)->setFocus();
    QGuiApplication::clipboard()->setText("5/3/1990");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Page::kDay), "");
}

TEST_F(BirthPageTest, SaveToFileWritesTheShownAnalysis) {
    Type("7");
    Press(Qt::Key_Tab);
    Type("111975");
    Press(Qt::Key_Return);
    EXPECT_EQ(SaveByKeyboard(), ReportHeaderBytes() +
                                    "Date of Birth: 7-11-1975\r\n\r\n"
                                    "Birth Number: 7\tDestiny Number: 4\r\n\r\n"
                                    "Birth Number: \r\n" +
                                    std::string(LoadText(155)) + "\r\n\r\nDestiny Number: \r\n" +
                                    std::string(LoadText(152)));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(BirthPageTest, OnlyTheBirthTextDecidesWhetherThereIsSomethingToSave) {
    Type("07072001");
    Press(Qt::Key_Return);
    Box(page(), Page::kDestinyText)->clear();
    field(Page::kDay)->setText("08");  // edited after the analysis
    const std::string report = SaveByKeyboard();
    EXPECT_TRUE(report.find("Date of Birth: 08-07-2001\r\n\r\nBirth Number: 07\t") !=
                std::string::npos);
    EXPECT_TRUE(report.ends_with("Destiny Number: \r\n"));

    Box(page(), Page::kBirthText)->clear();
    fakes.save_as.requests.clear();
    SaveByKeyboard();
    EXPECT_TRUE(fakes.save_as.requests.empty());
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text, "There is nothing to save");
}

TEST_F(BirthPageTest, EnterInEitherInterpretationBoxAnalyses) {
    Type("07072001");
    Press(Qt::Key_Return);
    const std::pair<int, const char*> boxes[] = {{Page::kBirthText, "08"},
                                                 {Page::kDestinyText, "09"}};
    for (const auto& [box, day] : boxes) {
        Box(page(), box)->setFocus();
        field(Page::kDay)->setText(day);
        Box(page(), box)->setFocus();  // the day's two digits moved the focus on
        Press(Qt::Key_Return);
        EXPECT_EQ(text(Page::kBirthNumber), day) << box;
    }
}

TEST_F(BirthPageTest, HelpShowsTheFormatAndFocusesTheDay) {
    field(Page::kMonth)->setFocus();
    QTest::mouseClick(qobject_cast<QPushButton*>(control(Page::kHelp)), Qt::LeftButton);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], (Message{kFormatWarning.text, MessageIcon::Information}));
    EXPECT_EQ(Focused(), field(Page::kDay));
}

}  // namespace
}  // namespace morvane::testing
