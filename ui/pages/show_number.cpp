// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/show_number.h"

#include <string>

#include "catalogue/catalogue.h"
#include "engine/numerology.h"
#include "report/report.h"
#include "ui/pages/page_frame.h"

namespace morvane {
namespace {

constexpr ControlSpec kControls[] = {
    {CShowNumber::kNumber, ControlKind::Edit, "", {55, 29, 118, 14}, kDigitsOnly, "Number"},
    {CShowNumber::kAnalyseNow, ControlKind::DefaultButton, "Analyse &Now", {42, 50, 50, 14}},
    {CShowNumber::kHelp, ControlKind::Button, "&How does this work?", {7, 7, 78, 14}},
    {CShowNumber::kLabel, ControlKind::Label, "&Enter Number:", {7, 32, 46, 8}},
    {CShowNumber::kInterpretation,
     ControlKind::TextBox,
     "",
     {7, 80, 310, 90},
     kNoFlags,
     "Interpretation"},
    {CShowNumber::kSaveToFile, ControlKind::Button, "S&ave To File", {96, 7, 77, 14}},
    LogoRow(),
};

const ReportLayout kReport = {
    .required_field = CShowNumber::kInterpretation,
    .compose =
        [](const FieldReader& field) {
            const std::string number = field(CShowNumber::kNumber);
            return NumberReportBody(number, field(CShowNumber::kInterpretation));
        },
    .create_failure_icon = MessageIcon::Information,
};

}  // namespace

const PageLayout CShowNumber::kLayout = {"Interpret N&umber", kControls, kPageSize};

CShowNumber::CShowNumber(Services& services)
    : AnalysisPage(kLayout, services,
                   {.first_field = kNumber,
                    .cleared_fields = {kNumber, kInterpretation},
                    .help_button = kHelp,
                    .help_text = text::kNumberHelp,
                    .save_button = kSaveToFile,
                    .report = &kReport}) {
    static constexpr HandlerEntry<CShowNumber> kHandlers[] = {
        {kAnalyseNow, ControlEvent::Clicked, &CShowNumber::OnAnalyseNow},
    };
    SetHandlers(kHandlers);
}

void CShowNumber::OnAnalyseNow() {
    const std::string number = GetDlgItemText(kNumber);
    if (!CheckNotEmpty(number, kNumber)) {
        return;
    }
    // The field keeps the number as typed; leading zeros stay.
    SetDlgItemText(kInterpretation, LoadText(NumberTextId(TextToInt(number))));
}

}  // namespace morvane
