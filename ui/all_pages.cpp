#include "ui/all_pages.h"

#include <QPushButton>
#include <string>

#include "catalogue/catalogue.h"
#include "ui/artwork.h"
#include "ui/services.h"

namespace morvane {

CAllPages::CAllPages(std::string_view caption, QWidget* parent, int first_page, Services& services)
    : CPropertySheet(caption, parent, first_page), icon_(ButterflyIcon()) {
    setWindowIcon(icon_);
    CPropertyPage* const pages[] = {&name_page_, &birth_num_, &show_number_, &char_vals_,
                                    &about_us_};
    for (CPropertyPage* page : pages) {
        page->SetServices(&services);
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

QString MainCaption() {
    const std::string caption = std::string(LoadText(text::kProductName)) + ' ' +
                                std::string(LoadText(text::kVersionLabel));
    return QString::fromStdString(caption);
}

}  // namespace morvane
