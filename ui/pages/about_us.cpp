// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/about_us.h"

#include "app/services.h"
#include "catalogue/catalogue.h"
#include "ui/pages/page_frame.h"

namespace morvane {
namespace {

// The paragraphs are the program's own words, double spaces and all.
constexpr ControlSpec kControls[] = {
    {CAboutUs::kFirstParagraph,
     ControlKind::Label,
     "This  system is  based on the  belief that  numbers hold certain  power and  are an  "
     "expression  of  principles of nature.  Faith in  this concept is an  essential quisite "
     "for numerology to work for you. Otherwise, please don't try any of  these methods.",
     {15, 17, 174, 44}},
    {kNoId,
     ControlKind::Label,
     "The information is complied from various sources freely accessible on the internet. We  "
     "are  not responsible for any  direct or  consequential  action  arising out of or in "
     "relation to the information provided.",
     {14, 63, 171, 34}},
    {kNoId,
     ControlKind::Label,
     "We do not intend to  infringe anyones copyrights. This is a non-commercial application.",
     {15, 102, 170, 20}},
    LogoRow(CAboutUs::kPicture),
    {CAboutUs::kWebButton, ControlKind::Button, "Morvane on World Wide Web", {15, 151, 170, 16}},
    {CAboutUs::kVersionButton, ControlKind::Button, "Version and Release Date", {16, 131, 168, 14}},
};

}  // namespace

const PageLayout CAboutUs::kLayout = {"&About Us", kControls, kPageSize};

CAboutUs::CAboutUs(Services& services) : CPropertyPage(kLayout), services_(services) {
    static constexpr HandlerEntry<CAboutUs> kHandlers[] = {
        {kWebButton, ControlEvent::Clicked, &CAboutUs::OnWorldWideWeb},
        {kVersionButton, ControlEvent::Clicked, &CAboutUs::OnVersion},
    };
    SetHandlers(kHandlers);
}

void CAboutUs::OnWorldWideWeb() {
    // The browser program runs on its own; only a failure to start it is told.
    switch (services_.launcher.Launch(LoadText(text::kBrowserProgram), LoadText(text::kHomePage))) {
        case LaunchResult::NotFound:
            services_.messages.Show(LoadText(text::kBrowserNotFound), MessageIcon::Information);
            break;
        case LaunchResult::NoMemory:
            services_.messages.Show(LoadText(text::kBrowserNoMemory), MessageIcon::Information);
            break;
        case LaunchResult::Started:
        case LaunchResult::Failed:
            break;
    }
}

void CAboutUs::OnVersion() {
    services_.messages.Show(LoadText(text::kVersionAndDate), MessageIcon::Information);
}

}  // namespace morvane
