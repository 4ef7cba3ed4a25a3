// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: five pages in a tabbed sheet, with the butterfly icon.

#include <QIcon>
#include <string>
#include <string_view>

#include "ui/framework/property_sheet.h"
#include "ui/pages/about_us.h"
#include "ui/pages/birth_num.h"
#include "ui/pages/char_vals.h"
#include "ui/pages/morvane_tab.h"
#include "ui/pages/show_number.h"

namespace morvane {

struct Services;

class CAllPages : public CPropertySheet {
  public:
    CAllPages(std::string_view caption, QWidget* parent, int first_page, Services& services);

    // Each made when first asked for, if its tab was not selected before.
    CMorvaneTab& NamePage() { return static_cast<CMorvaneTab&>(*Page(kNameTab)); }
    CBirthNum& BirthPage() { return static_cast<CBirthNum&>(*Page(kBirthTab)); }
    CShowNumber& NumberPage() { return static_cast<CShowNumber&>(*Page(kNumberTab)); }
    CCharVals& CharValsPage() { return static_cast<CCharVals&>(*Page(kCharValsTab)); }
    CAboutUs& AboutPage() { return static_cast<CAboutUs&>(*Page(kAboutTab)); }

  protected:
    void OnInitDialog() override;
    void OnShowWindow() override;
    QWidget* RoomFor(CPropertyPage* page) override;

  private:
    enum Tabs : int { kNameTab, kBirthTab, kNumberTab, kCharValsTab, kAboutTab };

    void ClearOkDefault();

    QIcon icon_;
};

// "Morvane Beta 2.0": product name, one space, version label.
std::string MainCaption();

}  // namespace morvane
