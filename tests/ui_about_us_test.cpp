// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About Us page: its paragraphs, the version message and the web page.

#include <QLabel>
#include <QPushButton>

#include "tests/ui_support.h"

namespace morvane::testing {
namespace {

using Page = CAboutUs;

class AboutUsTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        SelectTab(4);
    }
    QPushButton* button(int id) {
        return qobject_cast<QPushButton*>(sheet->AboutPage().GetDlgItem(id));
    }
};

TEST_F(AboutUsTest, ParagraphsReadCharacterForCharacter) {
    QStringList texts;
    for (const QLabel* label : sheet->AboutPage().findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    EXPECT_EQ(texts,
              (QStringList{
                  "This  system is  based on the  belief that  numbers hold certain  power and  "
                  "are an  expression  of  principles of nature.  Faith in  this concept is an  "
                  "essential quisite for numerology to work for you. Otherwise, please don't try "
                  "any of  these methods.",
                  "The information is complied from various sources freely accessible on the "
                  "internet. We  are  not responsible for any  direct or  consequential  action  "
                  "arising out of or in relation to the information provided.",
                  "We do not intend to  infringe anyones copyrights. This is a non-commercial "
                  "application."}));
}

TEST_F(AboutUsTest, TabReachesTheWebButtonBeforeTheVersionButton) {
    QPushButton* web = button(Page::kWebButton);
    QPushButton* version = button(Page::kVersionButton);
    EXPECT_EQ(web->text(), "Morvane on World Wide Web");
    EXPECT_EQ(version->text(), "Version and Release Date");
    EXPECT_GT(web->y(), version->y());  // it stands below
    web->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), version);
    EXPECT_EQ(sheet->AboutPage().DefaultButton(), nullptr);  // neither is marked default
}

TEST_F(AboutUsTest, VersionShowsTheSameMessageEveryTime) {
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(button(Page::kVersionButton), Qt::LeftButton);
    }
    const Message expected{"Beta 2.0 - Feb 16, 2002", MessageIcon::Information};
    EXPECT_EQ(fakes.messages.shown, (std::vector<Message>{expected, expected}));
}

TEST_F(AboutUsTest, WebButtonStartsTheBrowserAndTellsOnlyWhatWentWrong) {
    const std::pair<LaunchResult, std::vector<Message>> cases[] = {
        {LaunchResult::Started, {}},
        {LaunchResult::Failed, {}},
        {LaunchResult::NotFound,
         {{"Could not find file: xdg-open. Fix: Please include it in path.",
           MessageIcon::Information}}},
        {LaunchResult::NoMemory,
         {{"Not enough memory for opening the browser. Close few programs and try again. If the "
           "problem persists, try re-booting.",
           MessageIcon::Information}}},
    };
    for (const auto& [result, messages] : cases) {
        fakes.messages.shown.clear();
        fakes.launcher.launches.clear();
        fakes.launcher.result = result;
        button(Page::kWebButton)->setFocus();
        QTest::mouseClick(button(Page::kWebButton), Qt::LeftButton);
        ASSERT_EQ(fakes.launcher.launches.size(), 1U);
        EXPECT_EQ(fakes.launcher.launches[0].first, "xdg-open");
        EXPECT_EQ(fakes.launcher.launches[0].second, MORVANE_HOMEPAGE);
        EXPECT_EQ(fakes.messages.shown, messages);
        EXPECT_EQ(Focused(), button(Page::kWebButton));
    }
}

}  // namespace
}  // namespace morvane::testing
