// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialog API on its own: linked against nothing but the framework and
// Qt, so a piece of the program creeping into it fails the link.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

#include "ui/framework/dialog_units.h"
#include "ui/framework/property_page.h"

namespace morvane {
namespace {

TEST(DialogUnitsTest, ConvertAsTheClassicDialogManagerRounded) {
    struct Case {
        DialogUnits units;
        int dlu;
        int x_pixels;
        int y_pixels;
    };
    const Case cases[] = {
        {{6, 13}, 4, 6, 7},  // 52 / 8 = 6.5 down; 112 / 16 = 7
        {{6, 13}, 8, 12, 13}, {{7, 15}, 325, 569, 609}, {{7, 15}, 1, 2, 2},  // a half rounds up
        {{8, 16}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.units.ToPixelsX(c.dlu), c.x_pixels) << c.dlu;
        EXPECT_EQ(c.units.ToPixelsY(c.dlu), c.y_pixels) << c.dlu;
    }
}

TEST(DialogUnitsTest, RectanglesThatShareAnEdgeStillShareIt) {
    for (const DialogUnits units : {DialogUnits{5, 11}, DialogUnits{6, 13}, DialogUnits{9, 19}}) {
        for (int x = 0; x < 100; ++x) {
            for (int width = 1; width < 40; width += 3) {
                const QRect left = units.ToPixels({x, x, width, width});
                const QRect right = units.ToPixels({x + width, x + width, 7, 7});
                EXPECT_EQ(left.right() + 1, right.left()) << x << " " << width;
                EXPECT_EQ(left.bottom() + 1, right.top()) << x << " " << width;
            }
        }
    }
}

TEST(DialogUnitsTest, ARowWithoutWidthLeavesTheUnitsAlone) {
    const ControlSpec rows[] = {
        {kNoId, ControlKind::Label, "A caption that cannot fit", {0, 0, 0, 8}},
        {kNoId, ControlKind::Button, "Nor can this", {0, 0, 0, 14}},
    };
    const QFont font = QApplication::font();
    const DialogUnits fitted = DialogUnits::Fitting(font, rows);  // must return at all
    EXPECT_EQ(fitted.base_x, DialogUnits::Of(font).base_x);
}

class TestPage : public CPropertyPage {
  public:
    enum ControlId : int { kName = 10, kGo = 11, kCount = 12 };
    TestPage() : CPropertyPage({"&Test", kControls, {0, 0, 200, 100}}) {
        static constexpr HandlerEntry<TestPage> kHandlers[] = {
            {kGo, ControlEvent::Clicked, &TestPage::OnGo},
            {kName, ControlEvent::TextChanged, &TestPage::OnName},
        };
        SetHandlers(kHandlers);
    }
    int clicks = 0;
    std::string seen;

  private:
    static constexpr ControlSpec kControls[] = {
        {kNoId, ControlKind::Label, "&Enter Name:", {7, 7, 46, 8}},
        {kName, ControlKind::Edit, "", {55, 5, 100, 12}},
        // No field beside it: its key goes on to the next control, the button.
        {kNoId, ControlKind::Label, "&Then:", {7, 27, 46, 8}},
        {kGo, ControlKind::Button, "&Go", {55, 25, 50, 14}},
        {kCount, ControlKind::ReadOnlyField, "", {55, 45, 100, 12}},
    };
    void OnGo() {
        ++clicks;
        SetDlgItemText(kCount, std::to_string(clicks));
    }
    void OnName() { seen = GetDlgItemText(kName); }
};

TEST(PageTest, MnemonicsFocusWhereTheTableSaysAndHandlersRun) {
    TestPage page;
    page.show();
    ASSERT_TRUE(page.IsCreated());
    struct Case {
        QKeySequence key;
        bool found;
        int focused;
        int clicks;
    };
    const Case cases[] = {
        {QKeySequence(Qt::ALT | Qt::Key_E), true, TestPage::kName, 0},
        // A label's key only focuses; the button's own key clicks it.
        {QKeySequence(Qt::ALT | Qt::Key_T), true, TestPage::kGo, 0},
        {QKeySequence(Qt::ALT | Qt::Key_G), true, TestPage::kGo, 1},
        {QKeySequence(Qt::ALT | Qt::Key_X), false, TestPage::kGo, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(page.ActivateMnemonic(c.key), c.found) << c.key.toString().toStdString();
        EXPECT_EQ(page.focusWidget(), page.GetDlgItem(c.focused)) << c.key.toString().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return page.clicks == c.clicks; }))
            << c.key.toString().toStdString() << ": " << page.clicks << " clicks";
    }
    EXPECT_EQ(page.GetDlgItemText(TestPage::kCount), "1");
    qobject_cast<QLineEdit*>(page.GetDlgItem(TestPage::kName))->setText(QStringLiteral("ann"));
    EXPECT_EQ(page.seen, "ann");
}

}  // namespace
}  // namespace morvane

int main(int argc, char** argv) {
    const QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
