// Dialog units and the pages laid out in them: rounding, shared edges, and
// every caption fitting its control in the window's real font.

#include <QAbstractButton>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/ui_support.h"
#include "ui/framework/dialog_units.h"

namespace morvane::testing {
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

// Every page of a window built in `font`, each shown once so it has its controls.
void ForEveryPage(const QFont& font, const std::function<void(QWidget* page)>& check) {
    const QFont old = QApplication::font();
    QApplication::setFont(font);
    FakeServices fakes;
    CAllPages sheet(MainCaption(), nullptr, 0, fakes.services);
    sheet.show();
    for (int tab = 0; tab < sheet.TabControl()->count(); ++tab) {
        sheet.TabControl()->setCurrentIndex(tab);
        check(sheet.TabControl()->widget(tab));
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
    const bool ci = std::getenv("CI") != nullptr && std::string(std::getenv("CI")) == "true";
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

// A window's picture in device pixels, read at window coordinates.
class Picture {
  public:
    explicit Picture(QWidget* window)
        : image_(window->grab().toImage()), scale_(image_.devicePixelRatio()) {}

    [[nodiscard]] int Gray(QPointF at) const {
        return qGray(image_.pixel(static_cast<int>(std::floor(at.x() * scale_)),
                                  static_cast<int>(std::floor(at.y() * scale_))));
    }
    // The grays met going from `from` to `to`, one device pixel at a time.
    [[nodiscard]] std::vector<int> Line(QPointF from, QPointF to) const {
        const QLineF line(from * scale_, to * scale_);
        const int steps = static_cast<int>(std::ceil(line.length()));
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
};

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
            const Picture picture(window);
            const int background = picture.Gray(page->mapTo(window, QPoint(1, 1)));
            const std::string where = " in " + font.family().toStdString() + " at scale " +
                                      std::to_string(window->devicePixelRatioF());
            const auto boxes = page->findChildren<QPlainTextEdit*>();
            for (const QPlainTextEdit* box : boxes) {
                const QRectF r(box->mapTo(window, QPoint()), box->size());
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
                    EXPECT_TRUE(CrossesAFrame(picture.Line(edge.out, edge.in), background))
                        << box->accessibleName().toStdString() << ": " << edge.side
                        << " side missing" << where;
                }
            }
            if (boxes.size() == 2) {  // the birth and destiny boxes, side by side
                const QPlainTextEdit* left = boxes[0]->x() < boxes[1]->x() ? boxes[0] : boxes[1];
                const QPlainTextEdit* right = left == boxes[0] ? boxes[1] : boxes[0];
                const double y = left->mapTo(window, left->rect().center()).y();
                const double from = left->mapTo(window, QPoint(left->width(), 0)).x() - 1;
                const double to = right->mapTo(window, QPoint()).x() + kIn;
                EXPECT_EQ(FrameRuns(picture.Line({from, y}, {to, y}), background), 2)
                    << "the two boxes run together" << where;
            }
        });
    });
}

}  // namespace
}  // namespace morvane::testing
