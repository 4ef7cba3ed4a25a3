// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/analysis_page.h"

#include <utility>

#include "app/services.h"
#include "catalogue/catalogue.h"

namespace morvane {

CAnalysisPage::CAnalysisPage(std::string_view caption, std::span<const ControlSpec> layout,
                             Services& services, AnalysisPageInfo info)
    : CPropertyPage(caption, layout, services), info_(std::move(info)) {
    const HandlerEntry<CAnalysisPage> handlers[] = {
        {info_.help_button, ControlEvent::Clicked, &CAnalysisPage::OnHelp},
        {info_.save_button, ControlEvent::Clicked, &CAnalysisPage::OnSaveToFile},
    };
    SetHandlers(handlers);
}

void CAnalysisPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    GotoDlgCtrl(info_.first_field);
}

void CAnalysisPage::OnShowWindow() {
    // No analysis survives a change of tab.
    for (const int id : info_.cleared_fields) {
        SetDlgItemText(id, "");
    }
    GotoDlgCtrl(info_.first_field);
}

bool CAnalysisPage::CheckNotEmpty(const std::string& text, int field) {
    if (!text.empty()) {
        return true;
    }
    services().messages.Show(LoadText(text::kEnterNameWarning), MessageIcon::Warning);
    GotoDlgCtrl(field);
    return false;
}

void CAnalysisPage::OnHelp() {
    services().messages.Show(LoadText(info_.help_text), MessageIcon::Information);
    GotoDlgCtrl(info_.first_field);
}

void CAnalysisPage::OnSaveToFile() {
    SaveToFile(
        *info_.report, [this](int id) { return GetDlgItemText(id); }, services());
}

}  // namespace morvane
