// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real services: Qt's file dialog and message box, set up as the program
// needs them (driven while open, then closed by the test itself).

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "adapters/qt_dialogs.h"
#include "app/save_to_file.h"
#include "tests/ui_support.h"

namespace morvane::testing {
namespace {

// Runs `inspect` on the modal dialog of type T once it is open.
template <class T>
void WhenModalOpens(std::function<void(T*)> inspect) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            inspect(dialog);
        }
    });
    timer->start(20);
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

TEST_F(RealServicesTest, AWildcardNameFiltersTheListingAndNeverReturns) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtSaveAsService service;
    WhenModalOpens<QFileDialog>([&folder](QFileDialog* dialog) {
        dialog->setDirectory(folder.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        struct Case {
            QString typed;
            QString filter;  // the listing's filter afterwards
        };
        const Case cases[] = {
            {QString(), "Text Files (*.txt)"},  // Return on the initial "*.txt"
            {"report*", "report*"},
            {"a?.txt", "a?.txt"},
            {"[ab].txt", "[ab].txt"},
            {"report*", "report*"},  // chosen again, not added twice
            {"*.txt", "Text Files (*.txt)"},
        };
        for (const auto& c : cases) {
            if (!c.typed.isNull()) {
                name->setText(c.typed);
            }
            QTest::keyClick(name, Qt::Key_Return);
            EXPECT_TRUE(dialog->isVisible()) << c.typed.toStdString();
            EXPECT_EQ(dialog->selectedNameFilter(), c.filter);
        }
        EXPECT_EQ(dialog->nameFilters().size(), 5);
        dialog->reject();
    });
    EXPECT_FALSE(service.AskPath(ReportSaveAsRequest()).has_value());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
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
