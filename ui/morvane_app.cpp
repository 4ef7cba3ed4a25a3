#include "ui/morvane_app.h"

#include "ui/all_pages.h"
#include "ui/paint_marker.h"
#include "ui/qt_services.h"

namespace morvane {

bool CMorvaneApp::InitInstance() {
    QtServices services;
    const std::string caption = MainCaption().toStdString();
    CAllPages sheet(caption, nullptr, 0, services.Get());
    services.SetOwner(&sheet);
    InstallPaintMarker(&sheet);  // only when start-up is being timed
    sheet.exec();
    // The window was the whole program: no event loop after it.
    return false;
}

}  // namespace morvane
