// Saves a PNG of each page of the main window, each showing an example
// analysis: screenshots <folder>. Run it with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "ui/pages/all_pages.h"
#include "ui/services/qt_services.h"

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    morvane::QtServices services;
    morvane::CAllPages sheet(morvane::MainCaption(), nullptr, 0, services.Get());
    services.SetOwner(&sheet);
    sheet.show();
    QTest::qWait(200);
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
        const QString file = folder.filePath(QStringLiteral("page-%1.png").arg(i + 1));
        if (!sheet.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
