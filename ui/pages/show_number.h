// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Interpret Number: any typed number shows its paragraph directly.

#include "ui/pages/analysis_page.h"

namespace morvane {

struct Services;

class CShowNumber : public AnalysisPage {
  public:
    enum ControlId : int {
        kHelp = 1025,
        kLabel = 1026,
        kNumber = 1027,
        kAnalyseNow = 1028,
        kInterpretation = 1029,
        kSaveToFile = 1042,
    };

    // Its tab's caption, controls and size: all the window needs before it is made.
    static const PageLayout kLayout;

    explicit CShowNumber(Services& services);

  private:
    void OnAnalyseNow();
};

}  // namespace morvane
