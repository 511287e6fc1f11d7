// The program's entry: build the application and its window, run, tear down.
#include <windows.h>

#include "shell/application.h"
#include "shell/system_libraries.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showMode) {
    gw::syslib::hardenLibrarySearch();
    gw::Application app(instance, previousInstance, commandLine, showMode);
    if (!app.initialise()) return 0;
    if (!app.createMainWindow()) return 0;
    app.createPluginManager();
    app.createBars();
    app.run();
    return 1;
}
