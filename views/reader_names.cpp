#include "views/reader_names.h"

#include <oleacc.h>

namespace gw {
namespace {

// Spelled out here: mingw declares these GUIDs without defining them in a library.
constexpr CLSID AccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID AccPropServicesInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID NameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

}  // namespace

void nameForReaders(HWND control, const std::string& name, bool textIsShown) {
    if (!control) return;
    if (!textIsShown) SetWindowTextA(control, name.c_str());
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(AccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, AccPropServicesInterface,
                                reinterpret_cast<void**>(&services))) ||
        !services)
        return;  // no COM apartment or an old system: the control's text still names it
    const int n = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
    if (n > 0) {
        std::wstring wide(size_t(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, &wide[0], n);
        services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, NameProperty, wide.c_str());
    }
    services->Release();
}

}  // namespace gw
