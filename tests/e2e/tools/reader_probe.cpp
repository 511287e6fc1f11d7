// A stand-in for a screen reader, in its own process: asks the running program through
// oleacc what a reader asks, and prints the answers one per line for the e2e scripts.
//   reader_probe.exe focus              the focused object: role, name, value, description,
//                                       state, location (from the program's focus window)
//   reader_probe.exe class <class> [n]  the client object of the n-th (1-based) visible
//                                       window of a class inside the program: role, name, value
//   reader_probe.exe listen <ms>        WinEvents (focus, value, name changes) raised by the
//                                       program during <ms>, each with the object's name
// Exit 0 when the program's window was found and the object answered.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND frame() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (HWND f = FindWindowA("ApplicationWindow", nullptr)) return f;
        Sleep(100);
    }
    return nullptr;
}

std::string narrow(BSTR b) {
    if (!b) return "";
    const int n = WideCharToMultiByte(CP_ACP, 0, b, -1, nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n > 0 ? n : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, b, -1, &s[0], n, nullptr, nullptr);
    s.resize(std::strlen(s.c_str()));
    SysFreeString(b);
    return s;
}

void print(IAccessible* acc, VARIANT child, const char* prefix) {
    BSTR b = nullptr;
    VARIANT v;
    VariantInit(&v);
    if (SUCCEEDED(acc->get_accRole(child, &v)) && v.vt == VT_I4) std::printf("%srole=%ld\n", prefix, v.lVal);
    b = nullptr;
    acc->get_accName(child, &b);
    std::printf("%sname=%s\n", prefix, narrow(b).c_str());
    b = nullptr;
    acc->get_accValue(child, &b);
    std::printf("%svalue=%s\n", prefix, narrow(b).c_str());
    b = nullptr;
    acc->get_accDescription(child, &b);
    std::printf("%sdescription=%s\n", prefix, narrow(b).c_str());
    VariantInit(&v);
    if (SUCCEEDED(acc->get_accState(child, &v)) && v.vt == VT_I4) std::printf("%sstate=0x%lx\n", prefix, v.lVal);
    long l = 0, t = 0, w = 0, h = 0;
    if (SUCCEEDED(acc->accLocation(&l, &t, &w, &h, child)))
        std::printf("%slocation=%ld,%ld,%ld,%ld\n", prefix, l, t, w, h);
    std::fflush(stdout);
}

IAccessible* clientObject(HWND hwnd) {
    IAccessible* acc = nullptr;
    const HRESULT hr = AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&acc));
    if (FAILED(hr) || !acc) {
        std::printf("error=AccessibleObjectFromWindow 0x%lx\n", hr);
        return nullptr;
    }
    return acc;
}

int focus(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) || !info.hwndFocus) {
        std::printf("error=no focus window\n");
        return 1;
    }
    char cls[64] = {};
    GetClassNameA(info.hwndFocus, cls, sizeof cls);
    std::printf("window=%s\n", cls);
    IAccessible* acc = clientObject(info.hwndFocus);
    if (!acc) return 1;
    VARIANT child;
    VariantInit(&child);
    const HRESULT hr = acc->get_accFocus(&child);
    if (hr != S_OK || child.vt != VT_I4) {  // no child: the window object itself
        VariantInit(&child);
        child.vt = VT_I4;
        child.lVal = CHILDID_SELF;
    }
    std::printf("child=%ld\n", child.lVal);
    print(acc, child, "");
    acc->Release();
    return 0;
}

struct ClassSearch {
    const char* name;
    int wanted;
    HWND found;
};

BOOL CALLBACK findClass(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<ClassSearch*>(lp);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, s->name) == 0 && IsWindowVisible(hwnd) && --s->wanted == 0) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

int byClass(HWND top, const char* cls, int n) {
    ClassSearch s{cls, n, nullptr};
    EnumChildWindows(top, findClass, reinterpret_cast<LPARAM>(&s));
    if (!s.found) {
        std::printf("error=no window of class %s\n", cls);
        return 1;
    }
    IAccessible* acc = clientObject(s.found);
    if (!acc) return 1;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    print(acc, self, "");
    long count = 0;
    acc->get_accChildCount(&count);
    std::printf("children=%ld\n", count);
    for (long i = 1; i <= count && i <= 8; ++i) {
        VARIANT c;
        VariantInit(&c);
        c.vt = VT_I4;
        c.lVal = i;
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "child%ld.", i);
        print(acc, c, prefix);
    }
    acc->Release();
    return 0;
}

struct Heard {
    DWORD event;
    HWND hwnd;
    LONG child;
};
std::vector<Heard> heard;

// Asking for the name makes a COM call out of the callback, during which the next
// event can arrive: the events are noted here and asked about in order afterwards.
void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) heard.push_back({event, hwnd, child});
}

void report(const Heard& h) {
    const char* kind = h.event == EVENT_OBJECT_FOCUS         ? "focus"
                       : h.event == EVENT_OBJECT_VALUECHANGE ? "value"
                       : h.event == EVENT_OBJECT_NAMECHANGE  ? "namechange"
                                                             : nullptr;
    if (!kind) return;
    IAccessible* acc = nullptr;
    VARIANT c;
    VariantInit(&c);
    std::string name;
    if (SUCCEEDED(AccessibleObjectFromEvent(h.hwnd, DWORD(OBJID_CLIENT), DWORD(h.child), &acc, &c)) && acc) {
        BSTR b = nullptr;
        acc->get_accName(c, &b);
        name = narrow(b);
        acc->Release();
    }
    std::printf("event=%s child=%ld name=%s\n", kind, long(h.child), name.c_str());
    std::fflush(stdout);
}

int listen(HWND top, int ms) {
    DWORD pid = 0;
    GetWindowThreadProcessId(top, &pid);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, onEvent, pid, 0,
                                         WINEVENT_OUTOFCONTEXT);
    if (!hook) {
        std::printf("error=SetWinEventHook\n");
        return 1;
    }
    std::printf("listening\n");
    std::fflush(stdout);
    const DWORD end = GetTickCount() + DWORD(ms);
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        while (!heard.empty()) {
            const Heard h = heard.front();
            heard.erase(heard.begin());
            report(h);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    UnhookWinEvent(hook);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    CoInitialize(nullptr);
    HWND top = frame();
    if (!top) {
        std::printf("error=no program window\n");
        return 1;
    }
    const std::string what = argv[1];
    int rc = 2;
    if (what == "focus") rc = focus(top);
    else if (what == "class" && argc >= 3) rc = byClass(top, argv[2], argc >= 4 ? std::atoi(argv[3]) : 1);
    else if (what == "listen" && argc >= 3) rc = listen(top, std::atoi(argv[2]));
    CoUninitialize();
    return rc;
}
