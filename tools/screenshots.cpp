// Saves a PNG of each page of the main window: screenshots <folder> [name].
// With a name, the Name Interpretation page shows its analysis first.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "ui/all_pages.h"
#include "ui/qt_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots <folder> [name]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    morvane::QtServices services;
    morvane::CAllPages sheet(morvane::MainCaption().toStdString(), nullptr, 0, services.Get());
    services.SetOwner(&sheet);
    sheet.show();
    QTest::qWait(200);
    for (int i = 0; i < sheet.TabControl()->count(); ++i) {
        sheet.SetActivePage(i);
        if (i == 0 && argc > 2) {
            auto* name =
                qobject_cast<QLineEdit*>(sheet.NamePage().GetDlgItem(morvane::CMorvaneTab::kName));
            name->setText(QString::fromLocal8Bit(argv[2]));
            sheet.NamePage().DefaultButton()->click();
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
