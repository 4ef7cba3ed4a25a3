#include "report/save_to_file.h"

#include <optional>

#include "catalogue/catalogue.h"
#include "report/report.h"
#include "report/report_file.h"

namespace morvane {

SaveAsRequest ReportSaveAsRequest() {
    SaveAsRequest request;
    request.title = std::string(LoadText(text::kProductName)) +
                    std::string(LoadText(text::kVersionLabel)) +
                    std::string(LoadText(text::kSaveAsTitleTail));
    request.filters = {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
    request.initial_name = "*.txt";
    request.default_extension = "*.txt";
    request.confirm_overwrite = true;
    return request;
}

void SaveToFile(const ReportLayout& layout, const std::function<std::string(int)>& read_field,
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
    FieldTexts texts;
    texts.reserve(layout.fields.size());
    for (const int id : layout.fields) {
        texts.push_back(id == layout.required_field ? required : read_field(id));
    }
    report += layout.compose(texts);
    const bool written = file->WriteAndClose(report);
    busy.reset();
    if (!written) {
        services.messages.Show("Disk full while accessing " + *path + ".", MessageIcon::Error);
    }
}

}  // namespace morvane
