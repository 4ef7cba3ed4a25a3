// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The largest texts the fields hold: pasted, analysed and saved without a
// hang or a slowdown that grows faster than the text.

#include <QClipboard>
#include <QGuiApplication>

#include "catalogue/catalogue.h"
#include "tests/ui_support.h"

namespace morvane::testing {
namespace {

constexpr int kFieldLimit = 32767;  // a line edit's own maximum length

class RobustnessTest : public SheetTest {
  protected:
    static void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Press(Qt::Key_V, Qt::ControlModifier);
    }
};

// How long it takes belongs to 'make bench'; here, that it all works.
TEST_F(RobustnessTest, LongestPastesAreAnalysedAndSaved) {
    QString name;
    for (int i = 0; name.size() < kFieldLimit; ++i) {
        name += QChar(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ ,-"[i % 29]);
    }
    Paste(name);
    ASSERT_EQ(Line(sheet->NamePage(), CMorvaneTab::kName)->text().size(), kFieldLimit);
    Press(Qt::Key_Return);
    const std::string number = Text(sheet->NamePage(), CMorvaneTab::kNumber);
    EXPECT_FALSE(number.empty());
    std::string report = SaveByKeyboard();
    EXPECT_GT(report.size(), static_cast<std::size_t>(kFieldLimit));

    SelectTab(1);
    Paste(QString(kFieldLimit, QLatin1Char('9')));  // the day keeps two digits, then moves on
    EXPECT_EQ(Text(sheet->BirthPage(), CBirthNum::kDay), "");  // 99 is no day
    Paste(QString(kFieldLimit, QLatin1Char('1')));
    Paste(QString(kFieldLimit, QLatin1Char('1')));
    Paste(QString(kFieldLimit, QLatin1Char('2')));
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(sheet->BirthPage(), CBirthNum::kBirthNumber), "11");
    EXPECT_EQ(Text(sheet->BirthPage(), CBirthNum::kDestinyNumber), "3");  // 2244 -> 12 -> 3
    EXPECT_FALSE(SaveByKeyboard().empty());

    SelectTab(2);
    Paste(QString(kFieldLimit, QLatin1Char('7')));
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(sheet->NumberPage(), CShowNumber::kInterpretation), LoadText(147));
    report = SaveByKeyboard();
    EXPECT_NE(report.find(std::string(kFieldLimit, '7')), std::string::npos);

    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace morvane::testing
