#include "report/report_file.h"
#include "ui/morvane_app.h"

int main(int argc, char** argv) {
    morvane::IgnoreWriteSignals();
    morvane::CMorvaneApp app;
    return app.Run(argc, argv);
}
