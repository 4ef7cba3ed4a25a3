// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adapters/qt_dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

#include "ui/desktop/placement.h"
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

// Only these two are wildcards, as in the classic Save As dialog: "[" and
// "]" are ordinary characters of a file name.
bool HoldsWildcard(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// The listing's filter takes "[" and "]" literally, each as a set that
// holds just that character.
QString LiteralBrackets(const QString& pattern) {
    QString literal;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('[') || c == QLatin1Char(']')) {
            literal += QLatin1Char('[') + c + QLatin1Char(']');
        } else {
            literal += c;
        }
    }
    return literal;
}

// A name holding a wildcard is a filter for the listing, as in the classic
// Save As dialog: the dialog shows the matching files and stays open, so no
// file named "*.txt" is ever written. A folder part leads to that folder.
class ReportFileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    // The filters the program offers; a typed pattern comes and goes beside them.
    void SetOfferedFilters(const QStringList& filters) {
        offered_ = filters;
        setNameFilters(filters);
        if (!filters.isEmpty()) {
            selectNameFilter(filters.front());
        }
    }

    void accept() override {
        auto* name_box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = name_box != nullptr ? name_box->text() : QString();
        const QString pattern = QFileInfo(typed).fileName();
        // A name ending in "/" names a folder, never a file (Qt alone would
        // look for that folder from the working folder and, not finding it
        // there, save a file named ".txt").
        const bool names_folder = typed.endsWith(QLatin1Char('/'));
        const QStringList files = selectedFiles();
        if (name_box != nullptr && (names_folder || HoldsWildcard(pattern))) {
            if (typed.contains(QLatin1Char('/')) && !files.isEmpty()) {
                // The dialog's own reading of the typed name (relative to
                // the folder shown, "~" for the home folder) gives the
                // folder, as it does for a plain name.
                const QFileInfo read(files.constFirst());
                const QFileInfo folder = read.isDir() ? read : QFileInfo(read.path());
                if (!folder.isDir()) {
                    return;
                }
                setDirectory(folder.absoluteFilePath());
            }
            if (names_folder) {
                name_box->clear();
                return;
            }
            ApplyPattern(pattern);
            name_box->setText(pattern);
            return;
        }
        if (!files.isEmpty() && HoldsWildcard(QFileInfo(files.constFirst()).fileName())) {
            return;  // an existing file with such a name is not written over either
        }
        QFileDialog::accept();
    }

  private:
    // An offered filter with this very pattern is chosen; any other pattern
    // takes the one place beside them, so the user can go back to the
    // offered ones and typed patterns do not pile up.
    void ApplyPattern(const QString& pattern) {
        const QString tail = QLatin1Char('(') + LiteralBrackets(pattern) + QLatin1Char(')');
        for (const QString& filter : offered_) {
            if (filter.endsWith(tail)) {
                setNameFilters(offered_);
                selectNameFilter(filter);
                return;
            }
        }
        const QString filter = pattern + QStringLiteral(" ") + tail;  // shown as the pattern
        setNameFilters(offered_ + QStringList{filter});
        selectNameFilter(filter);
    }

    QStringList offered_;
};

// Qt's file dialog keeps its last folder, its folder history and Recent
// Places in the user's settings, and reads them back in the next run. This
// program keeps nothing between runs, so those settings are sent where
// nothing can be read or created: a folder below /dev/null cannot exist.
void KeepNoDialogSettings() {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    }
}

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
    QMessageBox box(ToQtIcon(icon), CWinApp::AppName(), QString::fromUtf8(text), QMessageBox::Ok,
                    owner_);
    KeepPlaced(&box);
    box.exec();
    ReturnFocus(owner_);
}

QString ToQtFilter(const FileFilter& filter) {
    // The label is shown whole on its own (the dialog hides the pattern part).
    return QString::fromUtf8(filter.label) + QStringLiteral(" (") +
           QString::fromUtf8(filter.pattern) + QLatin1Char(')');
}

std::optional<std::string> QtSaveAsService::AskPath(const SaveAsRequest& request) {
    KeepNoDialogSettings();
    // Every Save As starts where the first one of a run does: Qt would
    // otherwise open the folder last shown by any file dialog of the run.
    ReportFileDialog dialog(owner_, QString::fromUtf8(request.title), QDir::currentPath());
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
    dialog.SetOfferedFilters(filters);
    dialog.setDefaultSuffix(QString::fromUtf8(request.default_suffix));
    dialog.selectFile(QString::fromUtf8(request.initial_name));
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
