#include "ui/qt_services.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/win_app.h"

namespace morvane {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    QMessageBox box(ToQtIcon(icon), CWinApp::AppName(), ToQString(text), QMessageBox::Ok, owner_);
    box.exec();
    ReturnFocus(owner_);
}

QString ToQtFilter(const FileFilter& filter) {
    // "*.*" means every file where the filter list comes from; in Qt it would
    // ask for a dot. The label is kept whole and shown on its own.
    const QString pattern =
        filter.pattern == "*.*" ? QStringLiteral("*") : ToQString(filter.pattern);
    return ToQString(filter.label) + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

std::optional<std::string> QtSaveAsService::AskPath(const SaveAsRequest& request) {
    QFileDialog dialog(owner_, ToQString(request.title));
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
    // "*.txt" as a default extension means: add ".txt" to a bare name.
    QString suffix = ToQString(request.default_extension);
    suffix.remove(QLatin1Char('*'));
    if (suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(ToQString(request.initial_name));
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
