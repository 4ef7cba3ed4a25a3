// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// About Us: who made the program, its version, and its web page.

#include "ui/framework/property_page.h"

namespace morvane {

struct Services;

class CAboutUs : public CPropertyPage {
  public:
    enum ControlId : int {
        kPicture = 166,
        kFirstParagraph = 1049,
        kWebButton = 1059,
        kVersionButton = 1060,
    };

    // Its tab's caption, controls and size: all the window needs before it is made.
    static const PageLayout kLayout;

    explicit CAboutUs(Services& services);

  private:
    void OnWorldWideWeb();
    void OnVersion();

    Services& services_;
};

}  // namespace morvane
