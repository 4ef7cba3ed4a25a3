#include "ui/morvane_app.h"

int main(int argc, char** argv) {
    morvane::CMorvaneApp app;
    return app.Run(argc, argv);
}
