// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/birth_num.h"

#include <QKeyEvent>
#include <string>

#include "app/services.h"
#include "catalogue/catalogue.h"
#include "engine/numerology.h"
#include "report/report.h"
#include "ui/pages/page_frame.h"

namespace morvane {
namespace {

constexpr int kDayLength = 2;
constexpr int kMonthLength = 2;
constexpr int kYearLength = 4;
constexpr int kMaxDay = 31;
constexpr int kMaxMonth = 12;

// The help text asks for dd/mm/yyyy, so users type separators between the
// parts; these are the ones people use in dates.
bool IsDateSeparator(const QKeyEvent& key) {
    static const QString kSeparators = QStringLiteral("/.- ");
    constexpr auto kCommandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return (key.modifiers() & kCommandKeys) == 0 && key.text().size() == 1 &&
           kSeparators.contains(key.text());
}

constexpr ControlSpec kControls[] = {
    {CBirthNum::kDay, ControlKind::Edit, "", {24, 29, 21, 14}, kDigitsOnly, "Day"},
    {CBirthNum::kMonth, ControlKind::Edit, "", {79, 29, 21, 14}, kDigitsOnly, "Month"},
    {CBirthNum::kYear, ControlKind::Edit, "", {131, 29, 42, 14}, kDigitsOnly, "Year"},
    {CBirthNum::kAnalyseNow, ControlKind::DefaultButton, "Analyse &Now", {42, 50, 50, 14}},
    {CBirthNum::kHelp, ControlKind::Button, "&How does this work?", {7, 7, 78, 14}},
    {kNoId, ControlKind::Label, "&Day:", {7, 32, 16, 8}},
    {kNoId, ControlKind::Label, "&Month:", {56, 32, 23, 8}},
    {kNoId, ControlKind::Label, "&Year:", {113, 32, 18, 8}},
    {CBirthNum::kBirthText,
     ControlKind::TextBox,
     "",
     {7, 80, 154, 90},
     kNoFlags,
     "Birth Number interpretation"},
    {CBirthNum::kDestinyText,
     ControlKind::TextBox,
     "",
     {162, 80, 155, 90},
     kNoFlags,
     "Destiny Number interpretation"},
    {CBirthNum::kSaveToFile, ControlKind::Button, "S&ave To File", {96, 7, 77, 14}},
    {kNoId, ControlKind::Label, "Birth Number:", {7, 67, 43, 8}},
    {CBirthNum::kBirthNumber,
     ControlKind::ReadOnlyField,
     "",
     {51, 67, 90, 12},
     kNoFlags,
     "Birth Number"},
    {kNoId, ControlKind::Label, "Destiny Number:", {164, 67, 54, 8}},
    {CBirthNum::kDestinyNumber,
     ControlKind::ReadOnlyField,
     "",
     {217, 67, 90, 12},
     kNoFlags,
     "Destiny Number"},
    LogoRow(),
};

const ReportLayout kReport = {
    .required_field = CBirthNum::kBirthText,
    // A braced list is read left to right: the fields in the report's order.
    .compose =
        [](const FieldReader& field) {
            return BirthReportBody({.day = field(CBirthNum::kDay),
                                    .month = field(CBirthNum::kMonth),
                                    .year = field(CBirthNum::kYear),
                                    .birth_number = field(CBirthNum::kBirthNumber),
                                    .destiny_number = field(CBirthNum::kDestinyNumber),
                                    .birth_text = field(CBirthNum::kBirthText),
                                    .destiny_text = field(CBirthNum::kDestinyText)});
        },
    .create_failure_icon = MessageIcon::Warning,
};

}  // namespace

const PageLayout CBirthNum::kLayout = {"&Birth/Destiny Number", kControls, kPageSize};

CBirthNum::CBirthNum(Services& services)
    : AnalysisPage(kLayout, services,
                   {.first_field = kDay,
                    .cleared_fields = {kDay, kMonth, kYear, kBirthNumber, kDestinyNumber,
                                       kDestinyText, kBirthText},
                    .help_button = kHelp,
                    .help_text = text::kBirthDateFormat,
                    .save_button = kSaveToFile,
                    .report = &kReport}) {
    static constexpr HandlerEntry<CBirthNum> kHandlers[] = {
        {kAnalyseNow, ControlEvent::Clicked, &CBirthNum::OnAnalyseNow},
        {kDay, ControlEvent::FocusLost, &CBirthNum::OnDayLeft},
        {kMonth, ControlEvent::FocusLost, &CBirthNum::OnMonthLeft},
        {kDay, ControlEvent::TextChanged, &CBirthNum::OnDayChanged},
        {kMonth, ControlEvent::TextChanged, &CBirthNum::OnMonthChanged},
        {kYear, ControlEvent::TextChanged, &CBirthNum::OnYearChanged},
        {kYear, ControlEvent::FocusLost, &CBirthNum::OnYearLeft},
    };
    SetHandlers(kHandlers);
}

void CBirthNum::DoDataExchange() {
    LimitText(kDay, kDayLength);
    LimitText(kMonth, kMonthLength);
    LimitText(kYear, kYearLength);
}

// A separator ends the day or the month as a full field does. In an empty
// field it is refused, as before: after two digits have already moved the
// focus on, the separator the user types next must not skip a field.
bool CBirthNum::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        IsDateSeparator(*static_cast<const QKeyEvent*>(event))) {
        for (const auto& [id, next] : {std::pair{kDay, kMonth}, {kMonth, kYear}}) {
            if (watched == GetDlgItem(id) && !GetDlgItemText(id).empty()) {
                GotoDlgCtrl(next);
                return true;
            }
        }
    }
    return AnalysisPage::eventFilter(watched, event);
}

void CBirthNum::OnAnalyseNow() {
    const std::string day = GetDlgItemText(kDay);
    const std::string month = GetDlgItemText(kMonth);
    const std::string year = GetDlgItemText(kYear);
    // An empty field only gets the focus: the user sees at once what is missing.
    for (const auto& [text, id] : {std::pair{&day, kDay}, {&month, kMonth}, {&year, kYear}}) {
        if (text->empty()) {
            GotoDlgCtrl(id);
            return;
        }
    }
    const std::int32_t day_value = TextToInt(day);
    const std::int32_t month_value = TextToInt(month);
    const std::int32_t year_value = TextToInt(year);
    const std::int32_t destiny = DestinyNumber(day_value, month_value, year_value);
    SetDlgItemText(kBirthNumber, day);  // as typed: 07 stays 07
    SetDlgItemText(kDestinyNumber, std::to_string(destiny));
    SetDlgItemWorking(kDestinyNumber, DestinyNumberWorking(day_value, month_value, year_value));
    SetDlgItemText(kBirthText, LoadText(BirthTextId(day_value)));
    SetDlgItemText(kDestinyText, LoadText(DigitTextId(destiny)));
}

void CBirthNum::MoveOnWhenFull(int id, std::size_t length, int next) {
    if (GetDlgItemText(id).size() == length) {
        GotoDlgCtrl(next);
    }
}

void CBirthNum::OnDayChanged() {
    MoveOnWhenFull(kDay, kDayLength, kMonth);
}

void CBirthNum::OnMonthChanged() {
    MoveOnWhenFull(kMonth, kMonthLength, kYear);
}

void CBirthNum::OnYearChanged() {
    MoveOnWhenFull(kYear, kYearLength, kAnalyseNow);
}

void CBirthNum::CheckRange(int id, int max) {
    const std::int32_t value = TextToInt(GetDlgItemText(id));
    if (value < 0 || value > max) {
        SetDlgItemText(id, "");
        GotoDlgCtrl(id);
    }
}

void CBirthNum::OnDayLeft() {
    CheckRange(kDay, kMaxDay);
}

void CBirthNum::OnMonthLeft() {
    CheckRange(kMonth, kMaxMonth);
}

void CBirthNum::OnYearLeft() {
    const std::size_t length = GetDlgItemText(kYear).size();
    if (length != 0 && length != kYearLength) {
        services().messages.Show(LoadText(text::kBirthDateFormat), MessageIcon::Warning);
        GotoDlgCtrl(kYear);
    }
}

}  // namespace morvane
