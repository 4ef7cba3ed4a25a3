// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Name Interpretation: a name becomes its name number and paragraph.

#include "ui/pages/analysis_page.h"

namespace morvane {

struct Services;

class CMorvaneTab : public AnalysisPage {
  public:
    enum ControlId : int {
        kName = 1000,
        kNumber = 1001,
        kInterpretation = 1002,
        kAnalyseNow = 1003,
        kHelp = 1006,
        kPicture = 1020,
        kSaveToFile = 1040,
    };

    // Its tab's caption, controls and size: all the window needs before it is made.
    static const PageLayout kLayout;

    explicit CMorvaneTab(Services& services);

  private:
    void OnAnalyseNow();
};

}  // namespace morvane
