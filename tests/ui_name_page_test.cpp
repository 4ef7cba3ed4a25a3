// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window and the Name Interpretation page, driven by keys and clicks.

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "catalogue/catalogue.h"
#include "tests/ui_support.h"
#include "ui/framework/win_app.h"

namespace morvane::testing {
namespace {

using Tab = CMorvaneTab;

class NamePageTest : public SheetTest {
  protected:
    CMorvaneTab& page() { return sheet->NamePage(); }
    QLineEdit* name() { return Line(page(), Tab::kName); }
    std::string number() { return Text(page(), Tab::kNumber); }
    std::string interpretation() { return Text(page(), Tab::kInterpretation); }
    QPushButton* button(int id) { return qobject_cast<QPushButton*>(page().GetDlgItem(id)); }
};

TEST_F(NamePageTest, WindowHasItsCaptionTabsAndTwoButtons) {
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Morvane Beta 2.0"));
    EXPECT_FALSE(sheet->windowIcon().isNull());

    const QStringList captions = {"&Name Interpretation", "&Birth/Destiny Number",
                                  "Interpret N&umber", "&Character Values", "&About Us"};
    QTabWidget* tabs = sheet->TabControl();
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
    }
    EXPECT_EQ(tabs->currentIndex(), 0);

    const auto* box = sheet->findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    QStringList buttons;
    for (auto* b : box->buttons()) {
        buttons << b->text();
    }
    EXPECT_EQ(buttons, (QStringList{"OK", "Cancel"}));
}

TEST_F(NamePageTest, OkIsNeverTheDefaultButton) {
    EXPECT_FALSE(sheet->OkButton()->isDefault());
    EXPECT_TRUE(button(Tab::kAnalyseNow)->isDefault());
    // Whatever made OK the default, showing the window again takes it off,
    // also on a page without a default button of its own to take OK's place.
    for (const int tab : {0, 3}) {
        SelectTab(tab);
        sheet->OkButton()->setDefault(true);
        sheet->hide();
        sheet->show();
        EXPECT_FALSE(sheet->OkButton()->isDefault()) << tab;
    }
    SelectTab(0);
    EXPECT_TRUE(button(Tab::kAnalyseNow)->isDefault());
}

TEST_F(NamePageTest, PagesAreCreatedWhenFirstSelected) {
    CPropertyPage* birth = sheet->Page(1);
    ASSERT_NE(birth, nullptr);
    EXPECT_TRUE(page().IsCreated());
    EXPECT_FALSE(birth->IsCreated());
    SelectTab(1);
    EXPECT_TRUE(birth->IsCreated());
}

TEST_F(NamePageTest, TypedAndPastedLettersArriveLowerCase) {
    EXPECT_EQ(Focused(), name());
    Type("JoHN O'Neil");
    EXPECT_EQ(name()->text(), QStringLiteral("john o'neil"));

    name()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("MARY-ANN \u00C9LISE"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name()->text(), QStringLiteral("mary-ann \u00E9lise"));

    name()->setText(QStringLiteral("ABC"));
    EXPECT_EQ(name()->text(), QStringLiteral("abc"));
}

TEST_F(NamePageTest, AnalyseShowsNumberAndParagraph) {
    struct Case {
        QString typed;
        std::string number;
        std::int32_t id;
    };
    const Case cases[] = {
        {"John", "18", 112},     {"john smith", "35", 120}, {"   ", "0", 146},
        {"42 !?", "0", 146},     {"oooooood", "8", 146},    {"ffffffff", "10", 146},
        {"zzzzzzzz", "11", 105},
    };
    for (const auto& c : cases) {
        name()->clear();
        name()->setFocus();
        Type(c.typed);
        QTest::mouseClick(button(Tab::kAnalyseNow), Qt::LeftButton);
        EXPECT_EQ(number(), c.number) << c.typed.toStdString();
        EXPECT_EQ(interpretation(), LoadText(c.id)) << c.typed.toStdString();
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(NamePageTest, EnterAnalysesAndKeepsTheWindowOpen) {
    Type("John");
    Press(Qt::Key_Return);
    EXPECT_EQ(number(), "18");
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(Focused(), name());  // the analysis leaves the focus where it was

    // Enter inside the interpretation box stays there.
    Box(page(), Tab::kInterpretation)->setFocus();
    name()->setText("abc");
    Press(Qt::Key_Return);
    EXPECT_EQ(number(), "18");
    EXPECT_TRUE(sheet->isVisible());
}

TEST_F(NamePageTest, AltNAnalysesInsteadOfSelectingTheNameTab) {
    Type("anna");
    Press(Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([this] { return number() == "12"; }));
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 0);
}

TEST_F(NamePageTest, TabMnemonicsAndControlKeysSwitchTabs) {
    Press(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 1);
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 2);
    Press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 3);
    Press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 2);
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 1);
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 3);
    Press(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 4);
    // Made on this first selection, the page still takes the focus it would
    // have taken had it existed all along: its first control's.
    EXPECT_EQ(Focused(), sheet->AboutPage().GetDlgItem(CAboutUs::kWebButton));
    Press(Qt::Key_N, Qt::AltModifier);  // no control of this page has N
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 0);
}

TEST_F(NamePageTest, APageIsMadeWhenItsTabIsFirstSelected) {
    const auto made = [this] {
        const QList<QWidget*> widgets = sheet->findChildren<QWidget*>();
        return std::count_if(widgets.begin(), widgets.end(),
                             [](QWidget* w) { return dynamic_cast<CPropertyPage*>(w) != nullptr; });
    };
    EXPECT_EQ(made(), 1);
    Press(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(made(), 2);
}

TEST_F(NamePageTest, EmptyNameWarnsAndKeepsTheEarlierResult) {
    Type("John");
    Press(Qt::Key_Return);
    name()->clear();
    button(Tab::kHelp)->setFocus();
    QTest::mouseClick(button(Tab::kAnalyseNow), Qt::LeftButton);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{"Please enter a name for analysis", MessageIcon::Warning}));
    EXPECT_EQ(number(), "18");
    EXPECT_EQ(interpretation(), LoadText(112));
    EXPECT_EQ(Focused(), name());
}

TEST_F(NamePageTest, HelpShowsItsMessageAndFocusesTheName) {
    Box(page(), Tab::kInterpretation)->setFocus();
    Press(Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([this] { return fakes.messages.shown.size() == 1; }));
    EXPECT_EQ(fakes.messages.shown[0],
              (Message{std::string(LoadText(text::kNameHelp)), MessageIcon::Information}));
    EXPECT_EQ(Focused(), name());
}

TEST_F(NamePageTest, LeavingAndComingBackClearsTheFields) {
    Type("John");
    Press(Qt::Key_Return);
    SelectTab(3);
    SelectTab(0);
    EXPECT_EQ(name()->text(), QString());
    EXPECT_EQ(number(), "");
    EXPECT_EQ(interpretation(), "");
    EXPECT_EQ(Focused(), name());
}

TEST_F(NamePageTest, LabelMnemonicFocusesTheNextControlInTabOrder) {
    // "&Enter Name:" stands before the number field in the layout.
    Press(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(Focused(), page().GetDlgItem(Tab::kNumber));
}

TEST_F(NamePageTest, EscapeClosesTheWindow) {
    Press(Qt::Key_Escape);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
}

TEST_F(NamePageTest, SaveToFileWritesTheShownAnalysis) {
    Type("John Smith");
    Press(Qt::Key_Return);
    const std::string report = SaveByKeyboard();
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 0);  // Alt+A saved; it chose no tab
    EXPECT_EQ(report, ReportHeaderBytes() + "Name:\tjohn smith\r\n\r\nNumber:\t35\r\n\r\n" +
                          std::string(LoadText(120)));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(NamePageTest, SaveToFileBeforeAnyAnalysisHasNothingToSave) {
    Type("John");
    EXPECT_EQ(SaveByKeyboard(), "");
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0], (Message{"There is nothing to save", MessageIcon::Warning}));
    EXPECT_TRUE(fakes.save_as.requests.empty());
    EXPECT_EQ(Focused(), button(Tab::kSaveToFile));  // the mnemonic's press; nothing moved it
}

TEST(AppName, FollowsTheExecutable) {
    const std::pair<QString, QString> cases[] = {
        {"/usr/bin/morvane", "morvane"},
        {"/home/u/foo", "foo"},
        {"/opt/tools/morvane.bin", "morvane"},
        {"relative/dir/a.b.c", "a.b"},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(AppNameFromPath(path), name) << path.toStdString();
    }
    // This test binary is itself an executable with a name of its own.
    EXPECT_EQ(CWinApp::AppName(), QStringLiteral("ui_name_page_test"));
}

}  // namespace
}  // namespace morvane::testing
