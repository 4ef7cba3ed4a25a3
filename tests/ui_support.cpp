// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui_support.h"

#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>

namespace morvane::testing {

bool g_modal_dialogs_expected = false;

void SheetTest::SetUp() {
    sheet = std::make_unique<CAllPages>(MainCaption(), nullptr, 0, fakes.services);
    sheet->show();
    sheet->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
}

void SheetTest::TearDown() {
    sheet.reset();
}

void SheetTest::Type(const QString& keys) {
    for (const QChar c : keys) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no widget has the focus";
        QTest::keyClick(target, c.toLatin1());
    }
}

void SheetTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QTest::keyClick(target, key, modifiers);
}

QLineEdit* SheetTest::Line(CPropertyPage& page, int id) const {
    auto* edit = qobject_cast<QLineEdit*>(page.GetDlgItem(id));
    EXPECT_NE(edit, nullptr) << id;
    return edit;
}

QPlainTextEdit* SheetTest::Box(CPropertyPage& page, int id) const {
    auto* box = qobject_cast<QPlainTextEdit*>(page.GetDlgItem(id));
    EXPECT_NE(box, nullptr) << id;
    return box;
}

void SheetTest::SelectTab(int index) const {
    sheet->TabControl()->setCurrentIndex(index);
}

std::string SheetTest::SaveByKeyboard() {
    QTemporaryDir folder;
    EXPECT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("report.txt"));
    fakes.save_as.answer = path.toStdString();
    const std::size_t asked = fakes.save_as.requests.size();
    const std::size_t told = fakes.messages.shown.size();
    Press(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([&] {
        return fakes.save_as.requests.size() > asked || fakes.messages.shown.size() > told;
    }));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

std::string SheetTest::ReportHeaderBytes() {
    const std::string rule(70, '*');
    return rule + "\r\nMorvane Beta 2.0 - Generated on 03/05/02 at 14:07:09\r\n" + rule +
           "\r\n\r\n";
}

}  // namespace morvane::testing

// A modal dialog opened by mistake runs its own event loop; this timer fires
// inside it, fails the test and closes the dialog, so the run cannot hang.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);  // NOLINT(concurrency-mt-unsafe)
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && !morvane::testing::g_modal_dialogs_expected) {
            ADD_FAILURE() << "a real modal dialog opened: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(50);
    return RUN_ALL_TESTS();
}
