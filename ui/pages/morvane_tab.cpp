// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/morvane_tab.h"

#include <string>

#include "catalogue/catalogue.h"
#include "engine/numerology.h"
#include "report/report.h"
#include "ui/pages/page_frame.h"

namespace morvane {
namespace {

constexpr ControlSpec kControls[] = {
    {CMorvaneTab::kName, ControlKind::Edit, "", {55, 29, 118, 14}, kLowerCase, "Name"},
    {CMorvaneTab::kAnalyseNow, ControlKind::DefaultButton, "Analyse &Now", {42, 50, 50, 14}},
    {CMorvaneTab::kHelp, ControlKind::Button, "&How does this work?", {7, 7, 78, 14}},
    {CMorvaneTab::kInterpretation,
     ControlKind::TextBox,
     "",
     {7, 80, 310, 90},
     kKeepsEnter,
     "Interpretation"},
    {kNoId, ControlKind::Label, "&Enter Name:", {7, 32, 46, 8}},
    {kNoId, ControlKind::Label, "Your Number is:", {7, 67, 51, 8}},
    {CMorvaneTab::kNumber,
     ControlKind::ReadOnlyField,
     "",
     {60, 67, 116, 12},
     kNoFlags,
     "Your Number"},
    {CMorvaneTab::kSaveToFile, ControlKind::Button, "S&ave To File", {96, 7, 77, 14}},
    LogoRow(CMorvaneTab::kPicture),
};

const ReportLayout kReport = {
    .required_field = CMorvaneTab::kInterpretation,
    .compose =
        [](const FieldReader& field) {
            // Read in the report's order, not in an argument list's.
            const std::string name = field(CMorvaneTab::kName);
            const std::string number = field(CMorvaneTab::kNumber);
            return NameReportBody(name, number, field(CMorvaneTab::kInterpretation));
        },
    .create_failure_icon = MessageIcon::Warning,
};

}  // namespace

const PageLayout CMorvaneTab::kLayout = {"&Name Interpretation", kControls, kPageSize};

CMorvaneTab::CMorvaneTab(Services& services)
    : AnalysisPage(kLayout, services,
                   {.first_field = kName,
                    .cleared_fields = {kName, kInterpretation, kNumber},
                    .help_button = kHelp,
                    .help_text = text::kNameHelp,
                    .save_button = kSaveToFile,
                    .report = &kReport}) {
    static constexpr HandlerEntry<CMorvaneTab> kHandlers[] = {
        {kAnalyseNow, ControlEvent::Clicked, &CMorvaneTab::OnAnalyseNow},
    };
    SetHandlers(kHandlers);
}

void CMorvaneTab::OnAnalyseNow() {
    const std::string name = GetDlgItemText(kName);
    if (!CheckNotEmpty(name, kName)) {
        return;
    }
    const std::int32_t number = NameNumber(name);
    SetDlgItemText(kNumber, std::to_string(number));
    SetDlgItemWorking(kNumber, NameNumberWorking(name));
    SetDlgItemText(kInterpretation, LoadText(NameTextId(number)));
}

}  // namespace morvane
