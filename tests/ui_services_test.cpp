// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real services: Qt's file dialog and message box, set up as the program
// needs them (driven while open, then closed by the test itself).

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

#include "adapters/qt_dialogs.h"
#include "app/save_to_file.h"
#include "tests/ui_support.h"

namespace morvane::testing {
namespace {

// Runs `inspect` on the modal dialog of type T once it is open. The watch
// ends by itself once it has run; deleting it ends it before.
template <class T>
QPointer<QTimer> WhenModalOpens(std::function<void(T*)> inspect) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            inspect(dialog);
        }
    });
    timer->start(20);
    return timer;
}

class RealServicesTest : public ::testing::Test {
  protected:
    void SetUp() override { g_modal_dialogs_expected = true; }
    void TearDown() override { g_modal_dialogs_expected = false; }
};

TEST_F(RealServicesTest, SaveAsDialogHasTheReportSettings) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtSaveAsService service;
    WhenModalOpens<QFileDialog>([&folder](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "MorvaneBeta 2.0: Save Intrepretation as ...");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(),
                  (QStringList{"Text Files (*.txt) (*.txt)", "All Files (*.*) (*)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
        // The user sees the labels as they stand.
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->itemText(0), "Text Files (*.txt)");
        EXPECT_EQ(types->itemText(1), "All Files (*.*)");
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "*.txt");
        name->setText(folder.filePath("report"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const auto path = service.AskPath(ReportSaveAsRequest());
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, folder.filePath("report.txt").toStdString());  // the default extension
}

// The names the listing shows once it has settled.
QStringList Listed(QFileDialog* dialog) {
    auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (list == nullptr) {
        return names;
    }
    const QModelIndex root = list->rootIndex();
    for (int row = 0; row < list->model()->rowCount(root); ++row) {
        names << list->model()->index(row, 0, root).data().toString();
    }
    return names;
}

TEST_F(RealServicesTest, AWildcardNameFiltersTheListingAndNeverReturns) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir top(folder.path());
    ASSERT_TRUE(top.mkpath("sub") && top.mkpath("work"));
    for (const char* name : {"work/[x]1.txt", "work/x1.txt"}) {
        QFile file(top.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString sub = top.filePath("sub");
    const QString work = top.filePath("work");
    QtSaveAsService service;
    WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(sub);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        struct Case {
            QString typed;
            QString folder;  // the folder shown afterwards
            QString filter;  // the listing's filter afterwards
        };
        const Case cases[] = {
            {QString(), sub, "Text Files (*.txt)"},  // Return on the initial "*.txt"
            {"report*", sub, "report*"},
            {"a?.txt", sub, "a?.txt"},
            {"report*", sub, "report*"},  // the one typed pattern is replaced
            {"*.txt", sub, "Text Files (*.txt)"},
            // A folder part is read as in a plain name: from the folder shown.
            {"../*.txt", top.path(), "Text Files (*.txt)"},
            {"work/*.md", work, "*.md"},
            {"../sub/a?.txt", sub, "a?.txt"},
            {work + "/*", work, "All Files (*.*)"},
            {"~/*.txt", QDir::homePath(), "Text Files (*.txt)"},
            {sub + "/", sub, "Text Files (*.txt)"},  // a folder, read the same way
            {"../work/", work, "Text Files (*.txt)"},
            {work + "/[x]*", work, "[x]*"},  // brackets are no wildcards
            // A folder that does not exist is refused: nothing changes.
            {"/nonexistent/*.txt", work, "[x]*"},
            {"nonexistent/r*", work, "[x]*"},
        };
        for (const auto& c : cases) {
            if (!c.typed.isNull()) {
                name->setText(c.typed);
            }
            QTest::keyClick(name, Qt::Key_Return);
            const std::string row = c.typed.toStdString();
            EXPECT_TRUE(dialog->isVisible()) << row;
            EXPECT_EQ(dialog->directory().absolutePath(), c.folder) << row;
            EXPECT_EQ(dialog->selectedNameFilter(), c.filter) << row;
            const bool offered = c.filter.endsWith("Files (*.txt)") || c.filter.endsWith("(*.*)");
            EXPECT_EQ(dialog->nameFilters().size(), offered ? 2 : 3) << row;
        }
        EXPECT_TRUE(QTest::qWaitFor([dialog] { return Listed(dialog) == QStringList{"[x]1.txt"}; }))
            << Listed(dialog).join(", ").toStdString();
        dialog->reject();
    });
    EXPECT_FALSE(service.AskPath(ReportSaveAsRequest()).has_value());
    EXPECT_TRUE(QDir(sub).isEmpty());
}

TEST_F(RealServicesTest, BracketsAreOrdinaryCharactersOfAName) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile old(folder.filePath("old [1].txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    struct Case {
        QString typed;
        QString saved;  // the path returned, in the folder
        bool asked;     // whether the user was asked before replacing
    };
    const Case cases[] = {
        {"John Smith [final].txt", "John Smith [final].txt", false},
        {"[ab]", "[ab].txt", false},
        {"old [1].txt", "old [1].txt", true},
    };
    QtSaveAsService service;
    for (const auto& c : cases) {
        bool asked = false;
        QPointer<QTimer> prompt;
        WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
            dialog->setDirectory(folder.path());
            prompt = WhenModalOpens<QMessageBox>([&asked](QMessageBox* box) {
                asked = true;
                box->button(QMessageBox::Yes)->click();
            });
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible()) {
                ADD_FAILURE() << c.typed.toStdString() << " left the dialog open";
                dialog->reject();
            }
        });
        const auto path = service.AskPath(ReportSaveAsRequest());
        ASSERT_TRUE(path.has_value()) << c.typed.toStdString();
        EXPECT_EQ(*path, folder.filePath(c.saved).toStdString());
        EXPECT_EQ(asked, c.asked) << c.typed.toStdString();
        delete prompt;  // still watching when nothing was asked
    }
}

// Every file and folder below `path`, hidden ones too.
QStringList Everything(const QString& path) {
    QStringList found;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        found << it.next();
    }
    found.sort();
    return found;
}

// The home and settings folders, read before any test of this program runs
// a dialog.
QStringList Home() {
    return Everything(QDir::homePath()) +
           Everything(qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + "/.config"));
}
const QStringList kHomeAtStart = Home();

TEST_F(RealServicesTest, EverySaveAsStartsAfreshAndNothingIsKept) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkpath("sub/deeper"));
    QtSaveAsService service;
    QStringList first_history;
    QStringList first_places;
    // Each session: what the user types, Return after each; nullopt = Cancel.
    struct Session {
        QStringList typed;
        std::optional<QString> saved;
    };
    const Session sessions[] = {
        {{folder.filePath("sub"), "report"}, folder.filePath("sub/report.txt")},
        {{folder.filePath("second")}, folder.filePath("second.txt")},
        {{folder.filePath("sub/deeper"), "../*.txt"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& session : sessions) {
        WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
            EXPECT_EQ(dialog->directory().absolutePath(), QDir::currentPath());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            EXPECT_EQ(name->text(), "*.txt");
            QStringList places;
            for (const QUrl& url : dialog->sidebarUrls()) {
                places << url.toString();
            }
            if (first_places.isEmpty()) {
                first_history = dialog->history();
                first_places = places;
            }
            EXPECT_EQ(dialog->history(), first_history);
            EXPECT_EQ(places, first_places);
            for (const QString& typed : session.typed) {
                name->setText(typed);
                QTest::keyClick(name, Qt::Key_Return);
            }
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        const auto path = service.AskPath(ReportSaveAsRequest());
        EXPECT_EQ(path.has_value(), session.saved.has_value());
        if (path.has_value() && session.saved.has_value()) {
            EXPECT_EQ(*path, session.saved->toStdString());
        }
    }
    EXPECT_EQ(Home(), kHomeAtStart);
    EXPECT_EQ(Everything(folder.path()),
              (QStringList{folder.filePath("sub"), folder.filePath("sub/deeper")}));
}

TEST_F(RealServicesTest, SaveAsCancelGivesNothing) {
    QtSaveAsService service;
    WhenModalOpens<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(service.AskPath(ReportSaveAsRequest()).has_value());
}

TEST_F(RealServicesTest, MessageBoxCarriesTheProgramNameAndIcon) {
    const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Error, QMessageBox::Critical},
    };
    QtMessageService service;
    for (const auto& [icon, expected_icon] : icons) {
        const QMessageBox::Icon qt_icon = expected_icon;  // lambdas cannot capture bindings
        WhenModalOpens<QMessageBox>([qt_icon](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "ui_services_test");
            EXPECT_EQ(box->text(), "Beta 2.0 - Feb 16, 2002");
            EXPECT_EQ(box->icon(), qt_icon);
            EXPECT_EQ(box->buttons().size(), 1);
            box->accept();
        });
        service.Show("Beta 2.0 - Feb 16, 2002", icon);
    }
}

TEST(QtFilter, KeepsTheLabelAndMeansEveryFileByStarDotStar) {
    EXPECT_EQ(ToQtFilter({"Text Files (*.txt)", "*.txt"}), "Text Files (*.txt) (*.txt)");
    EXPECT_EQ(ToQtFilter({"All Files (*.*)", std::string(kEveryFile)}), "All Files (*.*) (*)");
}

}  // namespace
}  // namespace morvane::testing
