// The program's entry: build the application and its window, run, tear down.
#include <windows.h>
#include <objbase.h>

#include "shell/application.h"
#include "shell/system_libraries.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showMode) {
    gw::syslib::hardenLibrarySearch();
    // Screen readers reach the views' accessible objects through COM: the thread that
    // owns the windows lives in an apartment.
    const HRESULT com = CoInitialize(nullptr);
    int result = 0;
    {
        gw::Application app(instance, previousInstance, commandLine, showMode);
        if (app.initialise() && app.createMainWindow()) {
            app.createPluginManager();
            app.createBars();
            app.run();
            result = 1;
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return result;
}
