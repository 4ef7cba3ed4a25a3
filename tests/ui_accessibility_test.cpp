// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Screen-reader names, and every page used from the keyboard alone.

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/numerology.h"
#include "tests/ui_support.h"
#include "ui/desktop/field_tip.h"

namespace morvane::testing {
namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

class AccessibilityTest : public SheetTest {
  protected:
    // Presses Tab until `target` has the focus; false if a round of the
    // window's controls never reaches it.
    static bool TabTo(QWidget* target) {
        for (int i = 0; i < 20 && Focused() != target; ++i) {
            Press(Qt::Key_Tab);
        }
        return Focused() == target;
    }
};

TEST_F(AccessibilityTest, EveryControlHasASensibleName) {
    struct Case {
        int tab;
        int id;
        QString name;
    };
    const Case cases[] = {
        {0, CMorvaneTab::kName, "Name"},
        {0, CMorvaneTab::kAnalyseNow, "Analyse Now"},
        {0, CMorvaneTab::kHelp, "How does this work?"},
        {0, CMorvaneTab::kInterpretation, "Interpretation"},
        {0, CMorvaneTab::kNumber, "Your Number"},
        {0, CMorvaneTab::kSaveToFile, "Save To File"},
        {0, CMorvaneTab::kPicture, "Morvane logo"},
        {1, CBirthNum::kDay, "Day"},
        {1, CBirthNum::kMonth, "Month"},
        {1, CBirthNum::kYear, "Year"},
        {1, CBirthNum::kBirthNumber, "Birth Number"},
        {1, CBirthNum::kDestinyNumber, "Destiny Number"},
        {1, CBirthNum::kBirthText, "Birth Number interpretation"},
        {1, CBirthNum::kDestinyText, "Destiny Number interpretation"},
        {2, CShowNumber::kNumber, "Number"},
        {2, CShowNumber::kInterpretation, "Interpretation"},
        {2, CShowNumber::kLabel, "Enter Number:"},
        {4, CAboutUs::kWebButton, "Morvane on World Wide Web"},
        {4, CAboutUs::kVersionButton, "Version and Release Date"},
        {4, CAboutUs::kPicture, "Morvane logo"},
    };
    for (const auto& c : cases) {
        SelectTab(c.tab);
        CPropertyPage* page = sheet->Page(c.tab);
        ASSERT_NE(page, nullptr);
        QWidget* control = page->GetDlgItem(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(AccessibleName(control), c.name) << c.id;
    }
    // Nothing that takes the focus, on any page, goes unnamed.
    for (int tab = 0; tab < sheet->TabControl()->count(); ++tab) {
        SelectTab(tab);
        for (QWidget* w : sheet->Page(tab)->findChildren<QWidget*>()) {
            const bool own_control = w->parent() == sheet->Page(tab);
            if (own_control && w->focusPolicy() != Qt::NoFocus && w->isVisible()) {
                EXPECT_FALSE(AccessibleName(w).isEmpty())
                    << "tab " << tab << ' ' << w->metaObject()->className();
            }
        }
    }
}

TEST_F(AccessibilityTest, NameNumberExplainsItsWorking) {
    Type("John");
    Press(Qt::Key_Return);
    QWidget* number = sheet->NamePage().GetDlgItem(CMorvaneTab::kNumber);
    EXPECT_EQ(number->toolTip(), "j 1 + o 7 + h 5 + n 5 = 18");
    EXPECT_EQ(number->accessibleDescription(), number->toolTip());
    // Only the tip is new: the field and the report read as before.
    EXPECT_EQ(Text(sheet->NamePage(), CMorvaneTab::kNumber), "18");
    SelectTab(1);
    SelectTab(0);
    EXPECT_EQ(number->toolTip(), "");
}

TEST_F(AccessibilityTest, DestinyNumberExplainsItsWorking) {
    SelectTab(1);
    Type("31121999");
    Press(Qt::Key_Return);
    QWidget* destiny = sheet->BirthPage().GetDlgItem(CBirthNum::kDestinyNumber);
    EXPECT_EQ(destiny->toolTip(), "31 + 12 + 1999 = 2042 -> 8");
}

// Each line of a laid-out tip, with its spaces back.
QStringList TipLinesOf(const QString& laid_out) {
    return QString(laid_out).replace(QChar::Nbsp, QLatin1Char(' ')).split(QLatin1Char('\n'));
}

// A long sum once wrapped anywhere, "w" at a line's end and "6" at the next
// one's start; now it breaks only between the engine's pieces.
TEST(FieldTipTest, LinesBreakOnlyBetweenPiecesAndKeepTheirWidth) {
    const QFontMetrics metrics(QApplication::font());
    const std::vector<std::string> workings[] = {
        WorkingPieces(NameNumberWorking("john")),
        WorkingPieces(DestinyNumberWorking(31, 12, 1999)),
        WorkingPieces(NameNumberWorking(std::string(60, 'w')), 12),
        WorkingPieces(NameNumberWorking("")),
    };
    for (const std::vector<std::string>& working : workings) {
        QStringList pieces;
        for (const std::string& piece : working) {
            pieces.append(QString::fromStdString(piece));
        }
        for (const int columns : {6, 12, 24, 48, 200}) {
            const int width = columns * metrics.averageCharWidth();
            const QString laid_out = TipLines(pieces, metrics, width);
            const QStringList lines = TipLinesOf(laid_out);
            EXPECT_EQ(lines.join(QLatin1Char(' ')), pieces.join(QLatin1Char(' ')))
                << "nothing lost or added";
            qsizetype piece = 0;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                // Each line is whole pieces: it starts where a piece starts.
                EXPECT_TRUE(lines[i].startsWith(pieces[piece]))
                    << "broken inside a piece: " << lines[i].toStdString();
                qsizetype in_line = 0;
                for (qsizetype taken = 0; piece < pieces.size() && taken < lines[i].size();
                     ++piece, ++in_line) {
                    taken += pieces[piece].size() + 1;
                }
                EXPECT_TRUE(metrics.horizontalAdvance(laid_out.split('\n')[i]) <= width ||
                            in_line == 1)
                    << lines[i].toStdString() << " wider than " << columns << " columns";
            }
        }
    }
    EXPECT_EQ(TipLines({"j 1", "+ o 7", "= 8"}, metrics, 1000),
              "j\u00a01 +\u00a0o\u00a07 =\u00a08");
}

TEST_F(AccessibilityTest, TheWorkingShowsOnKeyboardFocusAsASmallBox) {
    Type("bartholomewalexanderfitzwilliamsmythethirdofwestminsterandkent");
    Press(Qt::Key_Return);
    QWidget* number = sheet->NamePage().GetDlgItem(CMorvaneTab::kNumber);
    ASSERT_TRUE(TabTo(number));
    // Shown once the focus has settled; hidden again if shown during the move.
    ASSERT_TRUE(WaitFor([] { return QToolTip::isVisible(); })) << "no tip on keyboard focus";
    const QStringList lines = TipLinesOf(QToolTip::text());
    EXPECT_EQ(lines.join(QLatin1Char(' ')), number->accessibleDescription());
    EXPECT_GT(lines.size(), 2);
    const QWidget* tip = nullptr;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible()) {
            tip = window;
        }
    }
    ASSERT_NE(tip, nullptr);
    // Once about 480x320 at this font, and over the window.
    const QFontMetrics metrics(QToolTip::font());
    EXPECT_LE(tip->width(), 52 * metrics.averageCharWidth());
    EXPECT_LE(tip->height(), (lines.size() + 1) * metrics.lineSpacing());
    EXPECT_LT(tip->width() * tip->height(), sheet->width() * sheet->height() / 4);
    // Clear of the field it explains and of the label before it.
    const QRect field(number->mapToGlobal(QPoint()), number->size());
    EXPECT_FALSE(tip->geometry().intersects(field.adjusted(-field.x() + sheet->x(), 0, 0, 0)))
        << "the tip covers the field or its label";
    QToolTip::hideText();
}

TEST_F(AccessibilityTest, NamePageByKeyboardAlone) {
    Type("Anna");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(sheet->NamePage(), CMorvaneTab::kNumber), "12");
    Press(Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([this] { return fakes.messages.shown.size() == 1; }));
    EXPECT_FALSE(SaveByKeyboard().empty());
    // Tab reaches the interpretation box, where the text can be selected.
    EXPECT_TRUE(TabTo(sheet->NamePage().GetDlgItem(CMorvaneTab::kInterpretation)));
}

TEST_F(AccessibilityTest, BirthPageByKeyboardAlone) {
    Press(Qt::Key_B, Qt::AltModifier);
    Type("29021996");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(sheet->BirthPage(), CBirthNum::kDestinyNumber), "2");
    EXPECT_NE(SaveByKeyboard().find("Date of Birth: 29-02-1996"), std::string::npos);
}

TEST_F(AccessibilityTest, NumberPageByKeyboardAlone) {
    Press(Qt::Key_U, Qt::AltModifier);
    Type("43");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(sheet->NumberPage(), CShowNumber::kInterpretation), LoadText(137));
    EXPECT_NE(SaveByKeyboard().find("Number: 43"), std::string::npos);
}

TEST_F(AccessibilityTest, AboutPageByKeyboardAlone) {
    Press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 3);
    Press(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(sheet->TabControl()->currentIndex(), 4);
    ASSERT_TRUE(TabTo(sheet->AboutPage().GetDlgItem(CAboutUs::kWebButton)));
    Press(Qt::Key_Space);
    EXPECT_EQ(fakes.launcher.launches.size(), 1U);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text, "Beta 2.0 - Feb 16, 2002");
    Press(Qt::Key_Escape);
    EXPECT_FALSE(sheet->isVisible());
}

}  // namespace
}  // namespace morvane::testing
