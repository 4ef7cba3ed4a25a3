// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/analysis_page.h"

#include <QStringList>
#include <utility>

#include "app/services.h"
#include "catalogue/catalogue.h"
#include "ui/desktop/field_tip.h"
#include "ui/desktop/text_box.h"
#include "ui/pages/page_frame.h"

namespace morvane {

AnalysisPage::AnalysisPage(const PageLayout& layout, Services& services, AnalysisPageInfo info)
    : CPropertyPage(layout), services_(services), info_(std::move(info)) {
    const HandlerEntry<AnalysisPage> handlers[] = {
        {info_.help_button, ControlEvent::Clicked, &AnalysisPage::OnHelp},
        {info_.save_button, ControlEvent::Clicked, &AnalysisPage::OnSaveToFile},
    };
    SetHandlers(handlers);
}

void AnalysisPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    GotoDlgCtrl(info_.first_field);
}

void AnalysisPage::OnShowWindow() {
    // No analysis survives a change of tab.
    for (const int id : info_.cleared_fields) {
        SetDlgItemText(id, "");
    }
    GotoDlgCtrl(info_.first_field);
}

QPlainTextEdit* AnalysisPage::NewTextBox() {
    return morvane::NewTextBox(this);
}

void AnalysisPage::SetDlgItemWorking(int id, const Working& working) {
    SetDlgItemTip(id, WorkingText(working));
    if (QWidget* field = GetDlgItem(id)) {
        QStringList pieces;
        for (const std::string& piece : WorkingPieces(working)) {
            pieces.append(QString::fromUtf8(piece));
        }
        SetTipPieces(field, pieces);
    }
}

bool AnalysisPage::CheckNotEmpty(const std::string& text, int field) {
    if (!text.empty()) {
        return true;
    }
    services().messages.Show(LoadText(text::kEnterNameWarning), MessageIcon::Warning);
    GotoDlgCtrl(field);
    return false;
}

void AnalysisPage::OnHelp() {
    services().messages.Show(LoadText(info_.help_text), MessageIcon::Information);
    GotoDlgCtrl(info_.first_field);
}

void AnalysisPage::OnSaveToFile() {
    SaveToFile(
        *info_.report, [this](int id) { return GetDlgItemText(id); }, services());
}

}  // namespace morvane
