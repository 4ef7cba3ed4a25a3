// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adapters/qt_dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

#include "ui/desktop/placement.h"
#include "ui/framework/qt_text.h"
#include "ui/framework/win_app.h"

namespace morvane {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

bool HoldsWildcard(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')) ||
           name.contains(QLatin1Char('['));
}

// A name holding a wildcard is a filter for the listing, as in the classic
// Save As dialog: the dialog shows the matching files and stays open, so no
// file named "*.txt" is ever written.
class ReportFileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        auto* name_box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = name_box != nullptr ? name_box->text() : QString();
        const QFileInfo typed_info(typed);
        if (name_box != nullptr && HoldsWildcard(typed_info.fileName())) {
            if (typed.contains(QLatin1Char('/'))) {
                setDirectory(typed_info.path());
            }
            ApplyPattern(typed_info.fileName());
            name_box->setText(typed_info.fileName());
            return;
        }
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && HoldsWildcard(QFileInfo(files.constFirst()).fileName())) {
            return;  // an existing file with such a name is not written over either
        }
        QFileDialog::accept();
    }

  private:
    // An offered filter with this very pattern is chosen; any other pattern
    // joins the list, so the user can go back to the offered ones.
    void ApplyPattern(const QString& pattern) {
        QStringList filters = nameFilters();
        const QString tail = QLatin1Char('(') + pattern + QLatin1Char(')');
        for (const QString& filter : filters) {
            if (filter.endsWith(tail)) {
                selectNameFilter(filter);
                return;
            }
        }
        const QString filter = pattern + QStringLiteral(" ") + tail;  // shown as the pattern
        filters << filter;
        setNameFilters(filters);
        selectNameFilter(filter);
    }
};

// Hands the keyboard back to the window that opened a dialog. A Wayland
// compositor or an X window manager does this by itself; a bare X server
// leaves the keyboard with no window, and the next key pressed is lost.
void ReturnFocus(QWidget* owner) {
    if (owner != nullptr && owner->isVisible()) {
        owner->activateWindow();
    }
}

}  // namespace

void QtMessageService::Show(std::string_view text, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), CWinApp::AppName(), FromUtf8(text), QMessageBox::Ok, owner_);
    KeepPlaced(&box);
    box.exec();
    ReturnFocus(owner_);
}

QString ToQtFilter(const FileFilter& filter) {
    // The label is shown whole on its own (the dialog hides the pattern part).
    return FromUtf8(filter.label) + QStringLiteral(" (") + FromUtf8(filter.pattern) +
           QLatin1Char(')');
}

std::optional<std::string> QtSaveAsService::AskPath(const SaveAsRequest& request) {
    ReportFileDialog dialog(owner_, FromUtf8(request.title));
    KeepPlaced(&dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog honours every setting below on any desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirm_overwrite);
    QStringList filters;
    for (const auto& filter : request.filters) {
        filters << ToQtFilter(filter);
    }
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.front());
    }
    dialog.setDefaultSuffix(FromUtf8(request.default_suffix));
    dialog.selectFile(FromUtf8(request.initial_name));
    const int result = dialog.exec();
    ReturnFocus(owner_);
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

void QtBusyCursorService::Begin() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyCursorService::End() {
    QGuiApplication::restoreOverrideCursor();
}

LocalDateTime QtClockService::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace morvane
