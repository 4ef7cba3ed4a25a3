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
    ~CAllPages() override;
    CAllPages(const CAllPages&) = delete;
    CAllPages& operator=(const CAllPages&) = delete;
    CAllPages(CAllPages&&) = delete;
    CAllPages& operator=(CAllPages&&) = delete;

    CMorvaneTab& NamePage() { return name_page_; }
    CBirthNum& BirthPage() { return birth_num_; }
    CShowNumber& NumberPage() { return show_number_; }
    CCharVals& CharValsPage() { return char_vals_; }
    CAboutUs& AboutPage() { return about_us_; }

  protected:
    void OnInitDialog() override;
    void OnShowWindow() override;

  private:
    void ClearOkDefault();

    // Declared in this order so they are built in it; the tabs are added
    // in the order the user sees them.
    CAboutUs about_us_;
    CCharVals char_vals_;
    CBirthNum birth_num_;
    CShowNumber show_number_;
    CMorvaneTab name_page_;
    QIcon icon_;
    QObject* focus_watch_ = nullptr;
};

// "Morvane Beta 2.0": product name, one space, version label.
std::string MainCaption();

}  // namespace morvane
