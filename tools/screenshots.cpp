// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a PNG of each page of the main window, each showing an example
// analysis: screenshots [options] <folder>. Run it with
// QT_QPA_PLATFORM=offscreen for the README's pictures, or on a real X
// display under a window manager with --screen for the whole screen, frame
// and panel included.
//   --font "Family,size"   the desktop font to lay the window out in
//   --dark                 a dark palette
//   --screen               the whole screen, not just the window; and one
//                          more picture, page-1-tip.png, with a long name's
//                          working shown on keyboard focus
// screenshots --sheet <out.png> <columns> <picture>... lays pictures out in
// a grid, each captioned with its folder and file name.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "adapters/qt_dialogs.h"
#include "ui/pages/all_pages.h"

namespace {

void Fill(morvane::CPropertyPage& page, std::initializer_list<std::pair<int, const char*>> fields) {
    for (const auto& [id, text] : fields) {
        if (auto* edit = qobject_cast<QLineEdit*>(page.GetDlgItem(id))) {
            edit->setText(QString::fromUtf8(text));
        }
    }
    if (QPushButton* analyse = page.DefaultButton()) {
        analyse->click();
    }
}

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x2b, 0x2b, 0x2b);
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor text(0xe8, 0xe8, 0xe8);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, QColor(0x40, 0x40, 0x30));
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x6e, 0xb4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    return dark;
}

// The pictures in a grid of thumbnails, each captioned.
int ContactSheet(const QString& out, int columns, const QStringList& files) {
    constexpr int kThumbWidth = 256;
    constexpr int kCaption = 16;
    constexpr int kGap = 4;
    QList<QImage> images;
    int cell_height = 0;
    for (const QString& file : files) {
        QImage image(file);
        if (image.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            return 1;
        }
        image = image.scaledToWidth(kThumbWidth, Qt::SmoothTransformation);
        cell_height = std::max(cell_height, image.height());
        images << image;
    }
    const int rows = (static_cast<int>(images.size()) + columns - 1) / columns;
    QImage sheet(columns * (kThumbWidth + kGap) + kGap,
                 rows * (cell_height + kCaption + kGap) + kGap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont caption = QApplication::font();
    caption.setPixelSize(kCaption - 4);
    painter.setFont(caption);
    for (int i = 0; i < images.size(); ++i) {
        const int x = kGap + (i % columns) * (kThumbWidth + kGap);
        const int y = kGap + (i / columns) * (cell_height + kCaption + kGap);
        const QFileInfo info(files[static_cast<int>(i)]);
        painter.drawText(QRect(x, y, kThumbWidth, kCaption), Qt::AlignLeft | Qt::AlignVCenter,
                         info.dir().dirName() + QLatin1Char('/') + info.completeBaseName());
        painter.drawImage(x, y + kCaption, images[i]);
    }
    painter.end();
    // A window is mostly grey: 192 greys and a few colours keep the file
    // small and its text smooth.
    QList<QRgb> colours;
    constexpr int kGreys = 192;
    for (int i = 0; i < kGreys; ++i) {
        const int grey = i * 255 / (kGreys - 1);
        colours << qRgb(grey, grey, grey);
    }
    for (int i = 0; i < 64; ++i) {
        colours << qRgb((i / 16) * 85, (i / 4 % 4) * 85, (i % 4) * 85);
    }
    if (!sheet.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither).save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    if (args.size() >= 3 && args[0] == QLatin1String("--sheet")) {
        return ContactSheet(args[1], args[2].toInt(), args.mid(3));
    }
    bool screen_shots = false;
    while (args.size() > 1 && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--font") && args.size() > 1) {
            const QStringList font = args.takeFirst().split(QLatin1Char(','));
            QApplication::setFont(QFont(font.value(0), font.value(1, QStringLiteral("9")).toInt()));
        } else if (option == QLatin1String("--dark")) {
            QApplication::setPalette(DarkPalette());
        } else if (option == QLatin1String("--screen")) {
            screen_shots = true;
        } else {
            args.clear();
        }
    }
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: screenshots [--font \"Family,size\"] [--dark] [--screen] <folder>\n"
                     "       screenshots --sheet <out.png> <columns> <picture>...\n");
        return 2;
    }
    const QDir folder(args.front());
    morvane::QtServices services;
    morvane::CAllPages sheet(morvane::MainCaption(), nullptr, 0, services.Get());
    services.SetOwner(&sheet);
    sheet.show();
    sheet.activateWindow();
    if (!QTest::qWaitForWindowActive(&sheet)) {
        std::fprintf(stderr, "the window was never active\n");
    }
    // Once framed, the window is placed anew: wait until it has settled.
    const QRect available = sheet.screen()->availableGeometry();
    if (!QTest::qWaitFor([&] { return available.contains(sheet.frameGeometry()); }, 3000)) {
        std::fprintf(stderr, "the window's frame is not inside the screen's free area\n");
    }
    QTest::qWait(200);
    const auto save = [&](const QString& name) {
        const QString file = folder.filePath(name);
        const QPixmap picture = screen_shots ? sheet.screen()->grabWindow(0) : sheet.grab();
        if (!picture.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
        return true;
    };
    using morvane::CBirthNum;
    using morvane::CMorvaneTab;
    using morvane::CShowNumber;
    for (int i = 0; i < sheet.TabControl()->count(); ++i) {
        sheet.SetActivePage(i);
        switch (i) {
            case 0:
                Fill(sheet.NamePage(), {{CMorvaneTab::kName, "john smith"}});
                break;
            case 1:
                Fill(sheet.BirthPage(), {{CBirthNum::kDay, "07"},
                                         {CBirthNum::kMonth, "11"},
                                         {CBirthNum::kYear, "1975"}});
                break;
            case 2:
                Fill(sheet.NumberPage(), {{CShowNumber::kNumber, "33"}});
                break;
            default:
                break;
        }
        QTest::qWait(100);
        if (!save(QStringLiteral("page-%1.png").arg(i + 1))) {
            return 1;
        }
    }
    if (screen_shots) {
        sheet.SetActivePage(0);
        Fill(sheet.NamePage(),
             {{CMorvaneTab::kName, "bartholomew alexander fitzwilliam smythe of westminster"}});
        QWidget* number = sheet.NamePage().GetDlgItem(CMorvaneTab::kNumber);
        number->setFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000)) {
            std::fprintf(stderr, "no working shown on keyboard focus\n");
        }
        QTest::qWait(200);
        if (!save(QStringLiteral("page-1-tip.png"))) {
            return 1;
        }
    }
    return 0;
}
