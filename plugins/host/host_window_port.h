// What the plug-in host needs from the front end: the handles tools use as the
// owner of their windows and to register window classes. Set by the shell; while
// none is set both are null.
#pragma once

namespace gw {

class HostWindowPort {
public:
    virtual ~HostWindowPort() = default;
    // The program's top-level window (HWND on Windows), or null while there is none.
    virtual void* mainWindow() = 0;
    // The module instance the program was started with (HINSTANCE on Windows).
    virtual void* instance() = 0;
};

}  // namespace gw
