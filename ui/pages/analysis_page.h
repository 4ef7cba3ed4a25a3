// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the three analysis pages (name, birth date, number) have in common:
// the help button, the clearing of their fields whenever the page is shown
// or hidden, the focus on their first field and the empty-field warning.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/save_to_file.h"
#include "engine/numerology.h"
#include "ui/framework/property_page.h"

namespace morvane {

struct AnalysisPageInfo {
    int first_field;                  // takes the focus on show, after help, ...
    std::vector<int> cleared_fields;  // emptied, in this order, on every show and hide
    int help_button;
    std::int32_t help_text;  // catalogue id of the help message
    int save_button;
    const ReportLayout* report;  // what Save To File writes
};

class AnalysisPage : public CPropertyPage {
  protected:
    AnalysisPage(const PageLayout& layout, Services& services, AnalysisPageInfo info);

    void OnInitDialog() override;
    void OnShowWindow() override;
    QPlainTextEdit* NewTextBox() override;

    [[nodiscard]] Services& services() const { return services_; }

    // Shows `working` as the read-only field's explanation.
    void SetDlgItemWorking(int id, const Working& working);

    // False, after warning and focusing the field, when `text` is empty.
    bool CheckNotEmpty(const std::string& text, int field);

    // Writes what the page shows to a file the user chooses.
    void OnSaveToFile();

  private:
    void OnHelp();

    Services& services_;
    AnalysisPageInfo info_;
};

}  // namespace morvane
