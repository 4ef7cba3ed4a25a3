// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Birth/Destiny Number: a date of birth typed as day, month and year gives the
// birth number (the day) and the destiny number, each with its paragraph.

#include "ui/pages/analysis_page.h"

namespace morvane {

struct Services;

class CBirthNum : public AnalysisPage {
  public:
    enum ControlId : int {
        kHelp = 1030,
        kDay = 1032,
        kMonth = 1033,
        kYear = 1034,
        kAnalyseNow = 1036,
        kBirthText = 1037,
        kDestinyText = 1039,
        kSaveToFile = 1041,
        kBirthNumber = 1046,
        kDestinyNumber = 1047,
    };

    // Its tab's caption, controls and size: all the window needs before it is made.
    static const PageLayout kLayout;

    explicit CBirthNum(Services& services);

  protected:
    void DoDataExchange() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnAnalyseNow();
    void OnDayChanged();
    void OnMonthChanged();
    void OnYearChanged();
    void OnDayLeft();
    void OnMonthLeft();
    void OnYearLeft();
    // Empties a field whose value lies outside 0..max and gives it the focus back.
    void CheckRange(int id, int max);
    // Moves on to `next` once field `id` holds `length` characters.
    void MoveOnWhenFull(int id, std::size_t length, int next);
};

}  // namespace morvane
