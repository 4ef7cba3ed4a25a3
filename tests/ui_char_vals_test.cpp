// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Character Values page shows the engine's letter values.

#include <QLabel>

#include "engine/numerology.h"
#include "tests/ui_support.h"

namespace morvane::testing {
namespace {

class CharValsTest : public SheetTest {
  protected:
    void SetUp() override {
        SheetTest::SetUp();
        SelectTab(3);
    }
};

TEST_F(CharValsTest, ShowsEveryLetterWithItsValue) {
    // As the page reads, column by column.
    const char* const expected[] = {
        "a = 1", "b = 2", "c = 3", "d = 4", "e = 5", "f = 8", "g = 3", "h = 5", "i = 1",
        "j = 1", "k = 2", "l = 3", "m = 4", "n = 5", "o = 7", "p = 8", "q = 1", "r = 2",
        "s = 3", "t = 4", "u = 6", "v = 6", "w = 6", "x = 5", "y = 1", "z = 7",
    };
    QStringList letters;
    QString sentence;
    for (const QLabel* label : sheet->CharValsPage().findChildren<QLabel*>()) {
        if (label->text().size() == 5 && label->text().mid(1, 3) == " = ") {
            letters << label->text();
        } else if (!label->text().isEmpty()) {
            sentence = label->text();
        }
    }
    ASSERT_EQ(letters.size(), 26);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(letters[i], expected[i]);
        EXPECT_EQ(letters[i].back().digitValue(), LetterValues[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(sentence, "These values are used by Morvane for numerological analysis of names.");
}

TEST_F(CharValsTest, ColumnsAreFilledTopToBottom) {
    QList<const QLabel*> labels;
    for (const QLabel* label : sheet->CharValsPage().findChildren<QLabel*>()) {
        if (label->text().size() == 5 && label->text().mid(1, 3) == " = ") {
            labels << label;
        }
    }
    ASSERT_EQ(labels.size(), 26);
    for (qsizetype i = 0; i < 26; ++i) {
        const qsizetype column = i / 6;
        const qsizetype row = i % 6;
        EXPECT_EQ(labels[i]->x(), labels[column * 6]->x()) << i;  // same column as its top
        EXPECT_EQ(labels[i]->y(), labels[row]->y()) << i;         // same row as column one
        if (column > 0) {
            EXPECT_GT(labels[i]->x(), labels[i - 6]->geometry().right()) << i;
        }
        if (row > 0) {
            EXPECT_GT(labels[i]->y(), labels[i - 1]->y()) << i;
        }
    }
}

}  // namespace
}  // namespace morvane::testing
