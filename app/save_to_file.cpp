// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/save_to_file.h"

#include <optional>

#include "catalogue/catalogue.h"
#include "report/report.h"
#include "report/report_file.h"

namespace morvane {

SaveAsRequest ReportSaveAsRequest() {
    return {
        .title = ProductAndVersion("") + std::string(LoadText(text::kSaveAsTitleTail)),
        .filters = {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", std::string(kEveryFile)}},
        .initial_name = "*.txt",
        .default_suffix = "txt",
        .confirm_overwrite = true,
    };
}

void SaveToFile(const ReportLayout& layout, const FieldReader& read_field,
                ReportServices& services) {
    const std::string required = read_field(layout.required_field);
    if (required.empty()) {
        services.messages.Show(LoadText(text::kNothingToSave), MessageIcon::Warning);
        return;
    }
    const std::optional<std::string> path = services.save_as.AskPath(ReportSaveAsRequest());
    if (!path) {
        return;
    }
    std::optional<BusyCursor> busy(std::in_place, services.busy_cursor);
    std::optional<ReportFile> file = ReportFile::Create(*path);
    if (!file) {
        // The busy cursor stays until the user has read this.
        services.messages.Show(LoadText(text::kUnableToCreateFile), layout.create_failure_icon);
        return;
    }
    // One reading of the clock, so the date and the time always belong
    // together, even across midnight.
    const LocalDateTime now = services.clock.Now();
    std::string report = ReportHeader(FormatReportDate(now), FormatReportTime(now));
    // The decisive field's text was read before the dialog; it goes in as read.
    report += layout.compose(
        [&](int id) { return id == layout.required_field ? required : read_field(id); });
    const bool written = file->WriteAndClose(report);
    busy.reset();
    if (!written) {
        services.messages.Show("Disk full while accessing " + *path + ".", MessageIcon::Error);
    }
}

}  // namespace morvane
