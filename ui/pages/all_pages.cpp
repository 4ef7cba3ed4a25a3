// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/all_pages.h"

#include <QPushButton>
#include <string>

#include "catalogue/catalogue.h"
#include "ui/artwork/artwork.h"

namespace morvane {

CAllPages::CAllPages(std::string_view caption, QWidget* parent, int first_page, Services& services)
    : CPropertySheet(caption, parent, first_page),
      about_us_(services),
      char_vals_(services),
      birth_num_(services),
      show_number_(services),
      name_page_(services),
      icon_(ButterflyIcon()) {
    setWindowIcon(icon_);
    // The tabs appear in the order they are added.
    CPropertyPage* const pages[] = {&name_page_, &birth_num_, &show_number_, &char_vals_,
                                    &about_us_};
    for (CPropertyPage* page : pages) {
        AddPage(page);
    }
}

void CAllPages::OnInitDialog() {
    ClearOkDefault();
}

void CAllPages::OnShowWindow() {
    ClearOkDefault();
}

void CAllPages::ClearOkDefault() {
    // Enter in a field must analyse, never close the window through OK.
    OkButton()->setDefault(false);
}

std::string MainCaption() {
    return ProductAndVersion(" ");
}

}  // namespace morvane
