// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Character Values: the value of every letter, as the name number counts it.

#include "ui/framework/property_page.h"

namespace morvane {

class CCharVals : public CPropertyPage {
  public:
    // Its tab's caption, controls and size: all the window needs before it is made.
    static const PageLayout kLayout;

    CCharVals();
};

}  // namespace morvane
