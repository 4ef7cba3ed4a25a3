// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/all_pages.h"

#include <QPushButton>
#include <string>

#include "catalogue/catalogue.h"
#include "ui/artwork/artwork.h"
#include "ui/desktop/accessible_tab_bar.h"
#include "ui/desktop/placement.h"
#include "ui/desktop/small_screen.h"
#include "ui/framework/controls.h"
#include "ui/pages/page_frame.h"

namespace morvane {

CAllPages::CAllPages(std::string_view caption, QWidget* parent, int first_page, Services& services)
    : CPropertySheet(caption, parent, first_page), icon_(ButterflyIcon()) {
    InstallAccessibleTabBar();
    RegisterPicture(kLogo, [](qreal device_pixel_ratio) { return LogoPixmap(device_pixel_ratio); });
    setWindowIcon(icon_);
    // The tabs appear in the order they are added, that of Tabs.
    Services* const with = &services;
    AddPage(CMorvaneTab::kLayout, [with] { return new CMorvaneTab(*with); });
    AddPage(CBirthNum::kLayout, [with] { return new CBirthNum(*with); });
    AddPage(CShowNumber::kLayout, [with] { return new CShowNumber(*with); });
    AddPage(CCharVals::kLayout, [] { return new CCharVals(); });
    AddPage(CAboutUs::kLayout, [with] { return new CAboutUs(*with); });
    // Centred in the screen's free area; on a screen too small for it, the
    // pages scroll while the tabs and the buttons stay in view.
    KeepPlaced(this, [this](const QRect& available, const QMargins& frame) {
        FitIn(this, TabControl(), available, frame);
    });
}

void CAllPages::OnInitDialog() {
    ClearOkDefault();
}

void CAllPages::OnShowWindow() {
    ClearOkDefault();
}

QWidget* CAllPages::RoomFor(CPropertyPage* page) {
    return ScrollingRoom(page);
}

void CAllPages::ClearOkDefault() {
    // Enter in a field must analyse, never close the window through OK.
    OkButton()->setDefault(false);
}

std::string MainCaption() {
    return ProductAndVersion(" ");
}

}  // namespace morvane
