// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pages laid out in dialog units: every caption fitting its control in
// the window's real font, and the window placed on the screen.

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "tests/ui_support.h"
#include "ui/artwork/artwork.h"
#include "ui/desktop/placement.h"
#include "ui/framework/dialog_units.h"

namespace morvane::testing {
namespace {

// Every page of a window built in `font`, each shown once so it has its controls.
void ForEveryPage(const QFont& font, const std::function<void(QWidget* page)>& check) {
    const QFont old = QApplication::font();
    QApplication::setFont(font);
    FakeServices fakes;
    CAllPages sheet(MainCaption(), nullptr, 0, fakes.services);
    sheet.show();
    for (int tab = 0; tab < sheet.TabControl()->count(); ++tab) {
        sheet.TabControl()->setCurrentIndex(tab);
        check(sheet.Page(tab));
    }
    QApplication::setFont(old);
}

const QFont kFonts[] = {
    QFont("DejaVu Sans", 9),
    QFont("DejaVu Sans", 12),
    QFont("DejaVu Serif", 10),
    QFont("DejaVu Sans Mono", 10),  // wider than any layout was drawn for
    QFont("Liberation Sans", 10),
    QFont("Noto Sans", 12),
    QFont("URW Gothic", 9),  // its line spacing exceeds its height
};

// Runs `check` in each font that is really installed. A missing one fails the
// run under CI, which must have them all; elsewhere the test is skipped
// once the others are checked, naming what to install.
void ForEveryFont(const std::function<void(const QFont& font)>& check) {
    const char* ci_variable = std::getenv("CI");
    const bool ci = ci_variable != nullptr && std::string_view(ci_variable) == "true";
    std::string missing;
    for (const QFont& font : kFonts) {
        // A family found under two foundries reads "URW Gothic [UKWN]".
        const QString resolved = QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0);
        if (resolved.compare(font.family(), Qt::CaseInsensitive) != 0) {
            missing += ' ' + font.family().toStdString() + ',';
            continue;
        }
        check(font);
    }
    if (!missing.empty()) {
        missing.pop_back();
        if (ci) {
            ADD_FAILURE() << "fonts not installed:" << missing << " (scripts/install-deps)";
        } else {
            GTEST_SKIP() << "fonts not installed:" << missing
                         << "; scripts/install-deps installs them";
        }
    }
}

QString Drawn(const QString& caption) {
    return QString(caption).remove(QLatin1Char('&'));
}

TEST(PageLayoutTest, EveryOneLineCaptionFitsItsControl) {
    ForEveryFont([](const QFont& font) {
        ForEveryPage(font, [&font](QWidget* page) {
            for (const QLabel* label : page->findChildren<QLabel*>()) {
                if (label->wordWrap() || label->text().isEmpty()) {
                    continue;
                }
                EXPECT_GE(label->width(),
                          label->fontMetrics().horizontalAdvance(Drawn(label->text())))
                    << label->text().toStdString() << " in " << font.family().toStdString();
            }
            for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
                EXPECT_GT(button->width(),
                          button->fontMetrics().horizontalAdvance(Drawn(button->text())))
                    << button->text().toStdString() << " in " << font.family().toStdString();
            }
        });
    });
}

// Laid out as the label draws it: its own font, its wrapping, its width.
TEST(PageLayoutTest, EveryLabelHoldsItsWholeText) {
    ForEveryFont([](const QFont& font) {
        ForEveryPage(font, [&font](QWidget* page) {
            for (const QLabel* label : page->findChildren<QLabel*>()) {
                if (label->text().isEmpty()) {
                    continue;  // the picture
                }
                const int flags = static_cast<int>(label->alignment()) |
                                  (label->wordWrap() ? Qt::TextWordWrap : 0);
                const QRect box = label->contentsRect();
                const QRect text =
                    label->fontMetrics().boundingRect(box, flags, Drawn(label->text()));
                EXPECT_TRUE(box.contains(text))
                    << label->text().toStdString() << " needs " << text.width() << "x"
                    << text.height() << ", has " << box.width() << "x" << box.height() << " in "
                    << font.family().toStdString();
                if (label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height())
                        << label->text().toStdString() << " in " << font.family().toStdString();
                }
            }
        });
    });
}

// The vertical unit is the font's height unless a label needs more; all
// pages share the units, and a narrow page must not make the window taller
// than the shared, wider units need.
TEST(PageLayoutTest, TheVerticalUnitGrowsOnlyWhereALabelNeedsIt) {
    const struct {
        QFont font;
        bool grows;
    } cases[] = {
        {QFont("DejaVu Sans", 9), false},
        {QFont("Noto Sans", 9), false},
        {QFont("URW Gothic", 9), true},  // a line gap
    };
    for (const auto& c : cases) {
        if (QFontInfo(c.font).family().section(QStringLiteral(" ["), 0, 0) != c.font.family()) {
            continue;  // reported by the tests above
        }
        ForEveryPage(c.font, [&c](QWidget* page) {
            const int height = QFontMetrics(c.font).height();
            const int unit = static_cast<CPropertyPage*>(page)->Units().base_y;
            if (c.grows) {
                EXPECT_GT(unit, height) << c.font.family().toStdString();
            } else {
                EXPECT_EQ(unit, height) << c.font.family().toStdString();
            }
        });
    }
}

// A window's picture in device pixels, read at coordinates of a widget in
// it whose top-left corner is at `origin`.
class Picture {
  public:
    Picture(QWidget* window, QPoint origin)
        : image_(window->grab().toImage()), scale_(image_.devicePixelRatio()), origin_(origin) {}

    [[nodiscard]] int Gray(QPointF at) const { return Line(at, at).front(); }
    // The grays met going from `from` to `to`, one device pixel at a time.
    [[nodiscard]] std::vector<int> Line(QPointF from, QPointF to) const {
        const QLineF line((from + origin_) * scale_, (to + origin_) * scale_);
        const int steps = std::max(1, static_cast<int>(std::ceil(line.length())));
        std::vector<int> grays;
        for (int i = 0; i <= steps; ++i) {
            const QPointF p = line.pointAt(static_cast<double>(i) / steps);
            grays.push_back(qGray(image_.pixel(static_cast<int>(std::floor(p.x())),
                                               static_cast<int>(std::floor(p.y())))));
        }
        return grays;
    }

  private:
    QImage image_;
    double scale_;
    QPointF origin_;
};

// Room kept around a place scrolled into view, in logical pixels.
constexpr int kFrameMargin = 20;

constexpr int kContrast = 0x18;

// Whether a line from just outside an edge to inside the box meets its frame:
// a pixel darker than the page and unlike the inside.
bool CrossesAFrame(const std::vector<int>& grays, int background) {
    return std::any_of(grays.begin(), grays.end(), [&grays, background](int gray) {
        return background - gray > kContrast && std::abs(gray - grays.back()) > kContrast;
    });
}

// How many separate runs of frame-dark pixels a line meets.
int FrameRuns(const std::vector<int>& grays, int background) {
    int runs = 0;
    bool in_run = false;
    for (const int gray : grays) {
        const bool dark = background - gray > kContrast;
        runs += dark && !in_run ? 1 : 0;
        in_run = dark;
    }
    return runs;
}

// At a fractional scale the text boxes lost sides of their frames to edges
// falling between device pixels, and the two boxes of the birth page ran
// together. Run at the scale of the environment (QT_SCALE_FACTOR).
TEST(PageLayoutTest, EveryTextBoxFrameIsWholeAtTheScreenScale) {
    // Logical pixels outside an edge, short of a neighbour one pixel away,
    // and inside it.
    constexpr double kOut = 0.5;
    constexpr double kIn = 3;
    ForEveryFont([](const QFont& font) {
        ForEveryPage(font, [&font](QWidget* page) {
            QWidget* window = page->window();
            const std::string where = " in " + font.family().toStdString() + " at scale " +
                                      std::to_string(window->devicePixelRatioF());
            // A page larger than its room is scrolled to each place looked at.
            auto* area = qobject_cast<QScrollArea*>(page->parentWidget()->parentWidget());
            ASSERT_NE(area, nullptr);
            const auto picture_at = [area, page, window](QPointF in_page) {
                // The place and a margin round it come into view.
                area->ensureVisible(static_cast<int>(in_page.x()), static_cast<int>(in_page.y()),
                                    kFrameMargin, kFrameMargin);
                return Picture(window, page->mapTo(window, QPoint()));
            };
            const int background = picture_at(QPointF(1, 1)).Gray(QPointF(1, 1));
            const auto boxes = page->findChildren<QPlainTextEdit*>();
            for (const QPlainTextEdit* box : boxes) {
                const QRectF r(box->pos(), box->size());  // in the page
                // Scrolled sideways only as far as the fixed controls need: the
                // text fields and boxes, which can, keep within the room.
                int room = area->viewport()->width();
                for (const QWidget* c : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (qobject_cast<const QPlainTextEdit*>(c) == nullptr &&
                        qobject_cast<const QLineEdit*>(c) == nullptr) {
                        room = std::max(room, c->geometry().right() + 1);
                    }
                }
                EXPECT_LE(box->geometry().right() + 1, room)
                    << box->accessibleName().toStdString() << ": past its room" << where;
                const double x = r.left() + r.width() / 3;  // clear of the scroll bar
                const double y = r.center().y();
                const struct {
                    const char* side;
                    QPointF out;
                    QPointF in;
                } edges[] = {
                    {"top", {x, r.top() - kOut}, {x, r.top() + kIn}},
                    {"bottom", {x, r.bottom() + kOut}, {x, r.bottom() - kIn}},
                    {"left", {r.left() - kOut, y}, {r.left() + kIn, y}},
                    {"right", {r.right() + kOut, y}, {r.right() - kIn, y}},
                };
                for (const auto& edge : edges) {
                    const Picture picture = picture_at(edge.in);
                    EXPECT_TRUE(CrossesAFrame(picture.Line(edge.out, edge.in), background))
                        << box->accessibleName().toStdString() << ": " << edge.side
                        << " side missing" << where;
                }
            }
            if (boxes.size() == 2) {  // the birth and destiny boxes, side by side
                const QPlainTextEdit* left = boxes[0]->x() < boxes[1]->x() ? boxes[0] : boxes[1];
                const QPlainTextEdit* right = left == boxes[0] ? boxes[1] : boxes[0];
                const double y = left->geometry().center().y();
                const QPointF from(left->x() + left->width() - 1, y);
                const QPointF to(right->x() + kIn, y);
                const Picture picture = picture_at((from + to) / 2);
                EXPECT_EQ(FrameRuns(picture.Line(from, to), background), 2)
                    << "the two boxes run together" << where;
            }
        });
    });
}

// The pictures compiled in by the build must be the ones the code draws, each
// served at its own scale, and a scale the build did not draw is still drawn.
TEST(ArtworkTest, EveryScaleShowsTheDrawingAtThatScale) {
    if (qApp->devicePixelRatio() != 1.0) {
        // Qt turns font hinting off in a scaled process, so its drawing of
        // the word differs from the build's, which runs unscaled.
        GTEST_SKIP() << "compared in the unscaled run";
    }
    for (const qreal dpr : {1.0, 1.25, 1.5, 1.75, 2.0, 1.1, 3.0}) {
        SCOPED_TRACE(dpr);
        const QPixmap logo = LogoPixmap(dpr);
        EXPECT_EQ(logo.devicePixelRatio(), dpr);
        EXPECT_EQ(logo.width(), LogoSide(dpr));
        EXPECT_EQ(logo.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  PaintedLogo(dpr));
    }
    const QIcon icon = ButterflyIcon();
    for (const int size : {16, 32, 64}) {
        SCOPED_TRACE(size);
        const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  PaintedButterfly(size));
    }
}

TEST(WindowPlacementTest, TheFrameIsCentredInTheFreeAreaNeverAboveIt) {
    struct Case {
        const char* what;
        QRect available;
        QMargins frame;
        QSize size;
        QRect placed;  // the window without its frame
    };
    const Case cases[] = {
        {"a laptop with a panel below",
         {0, 0, 1024, 574},
         {5, 24, 5, 5},
         {676, 464},
         {174, 64, 676, 464}},
        {"a panel above, exactly full", {0, 30, 1024, 570}, {}, {1024, 570}, {0, 30, 1024, 570}},
        {"too tall: the title bar stays on the screen",
         {0, 0, 1024, 574},
         {5, 24, 5, 5},
         {1014, 590},
         {5, 24, 1014, 590}},
        {"too wide and tall", {0, 0, 800, 500}, {4, 20, 4, 4}, {900, 600}, {4, 20, 900, 600}},
        {"a second screen to the right",
         {1920, 0, 1280, 1024},
         {1, 1, 1, 1},
         {100, 100},
         {2510, 462, 100, 100}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentredGeometry(c.available, c.frame, c.size), c.placed) << c.what;
    }
}

TEST(WindowPlacementTest, AWindowTooLargeShrinksToTheFreeAreaLessItsFrame) {
    struct Case {
        QRect available;
        QMargins frame;
        QSize size;
        QSize fitting;
    };
    const Case cases[] = {
        {{0, 0, 1024, 574}, {5, 24, 5, 5}, {676, 464}, {676, 464}},    // fits: unchanged
        {{0, 0, 1024, 574}, {5, 24, 5, 5}, {1014, 590}, {1014, 545}},  // too tall
        {{0, 0, 1024, 574}, {5, 24, 5, 5}, {1020, 545}, {1014, 545}},  // too wide by the frame
        {{0, 26, 683, 383}, {3, 16, 3, 3}, {676, 464}, {676, 364}},    // 150 %, panel above
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FittingSize(c.available, c.frame, c.size), c.fitting)
            << c.size.width() << "x" << c.size.height();
    }
}

// The window as it opens on the screen CTest describes (a 1024x600 laptop
// at several scales): inside the screen's free area; fixed at its natural
// size where that fits; OK, Cancel and every control of every page within
// reach of the keyboard where it does not.
TEST(WindowPlacementTest, OpensInsideTheScreenWithEveryControlInReach) {
    FakeServices fakes;
    CAllPages sheet(MainCaption(), nullptr, 0, fakes.services);
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    const QRect available = sheet.screen()->availableGeometry();
    // Placed once more when framed, which a window manager does in its own time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return available.contains(sheet.frameGeometry()); }))
        << "frame " << sheet.frameGeometry().x() << "," << sheet.frameGeometry().y() << " "
        << sheet.frameGeometry().width() << "x" << sheet.frameGeometry().height()
        << " outside the screen's free area";
    const QSize natural = sheet.sizeHint();
    const QMargins frame = sheet.windowHandle()->frameMargins();
    const bool fits = FittingSize(available, frame, natural) == natural;
    if (fits) {
        EXPECT_EQ(sheet.size(), natural);
    } else {
        EXPECT_LT(sheet.height(), natural.height());
    }
    // Never fixed: where the panels are unknown (Wayland), a compositor or
    // a user may give the window less room, and its pages scroll.
    EXPECT_LT(sheet.minimumSize().height(), natural.height()) << "fixed at its size";
    const auto buttons = sheet.findChild<QDialogButtonBox*>()->buttons();
    ASSERT_EQ(buttons.size(), 2);
    for (const QAbstractButton* button : buttons) {
        EXPECT_TRUE(available.contains(QRect(button->mapToGlobal(QPoint()), button->size())))
            << button->text().toStdString() << " off the screen";
    }
    for (int tab = 0; tab < sheet.TabControl()->count(); ++tab) {
        sheet.SetActivePage(tab);
        CPropertyPage* page = sheet.Page(tab);
        for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->focusPolicy() == Qt::NoFocus) {
                continue;
            }
            control->setFocus(Qt::TabFocusReason);
            EXPECT_FALSE(control->visibleRegion().isEmpty())
                << "tab " << tab << ": " << control->accessibleName().toStdString()
                << " cannot be brought into view";
        }
    }
    // Read by keyboard: a long interpretation, the caret moved through it,
    // and the page follows, in the window as it opened and in one shorter.
    sheet.SetActivePage(0);
    auto* box = sheet.Page(0)->findChild<QPlainTextEdit*>();
    ASSERT_NE(box, nullptr);
    box->setPlainText(QString("A line of the reading.\n").repeated(60));
    for (const int height : {sheet.height(), sheet.minimumSize().height() + 120}) {
        sheet.resize(sheet.width(), height);
        box->setFocus(Qt::TabFocusReason);
        for (const auto key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_End}) {
            QTest::keyClick(box, key, key == Qt::Key_End ? Qt::ControlModifier : Qt::NoModifier);
            const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return box->visibleRegion().boundingRect().contains(caret.center());
            })) << "caret out of sight after key "
                << key << " at height " << height;
        }
    }
}

}  // namespace
}  // namespace morvane::testing
