// The badge editor.
#include "ui/mainframe/CTesselApp.h"

int main(int argc, char** argv)
{
    // The window images are compiled into the static interface library.
    Q_INIT_RESOURCE(resources);
    tessel::CTesselApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return app.exec();
}
