#include "timer_accessible.h"

#include <string>

#include "timer_buttons.h"
#include "timer_text.h"
#include "timer_tool.h"

namespace ovtimer {
namespace {

// No exception may cross into the reader's call.
template <class F>
HRESULT guarded(F&& f) {
    try {
        return f();
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT toBstr(const std::string& text, BSTR* out) {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (!result) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), result, length);
    *out = result;
    return S_OK;
}

void setLong(VARIANT* v, long value) {
    VariantInit(v);
    v->vt = VT_I4;
    v->lVal = value;
}

// The time on display, advanced to this moment without touching the clock: asking
// must not write the puzzle's time or stop the clock at the limit.
uint32_t liveElapsed(const ClockState& clock) {
    uint64_t elapsed = clock.elapsed;
    if (!clock.stopped) {
        const int64_t now = wallClockNow();
        if (now > clock.lastTick) elapsed += static_cast<uint64_t>(now - clock.lastTick);
    }
    return elapsed > MaxElapsed ? MaxElapsed : static_cast<uint32_t>(elapsed);
}

}  // namespace

long TimerAccessible::childIndex(const VARIANT& child) {
    if (child.vt != VT_I4) return -1;
    return child.lVal >= CHILDID_SELF && child.lVal <= TimerButtonCount ? child.lVal : -1;
}

HWND TimerAccessible::buttonWindow(long index) const {
    return index >= 1 && index <= TimerButtonCount ? GetDlgItem(window_, TimerButtons[index - 1].id) : nullptr;
}

HRESULT TimerAccessible::checked(const VARIANT& child) const {
    if (!window_ || !IsWindow(window_)) return CO_E_OBJNOTCONNECTED;
    return childIndex(child) < 0 ? E_INVALIDARG : S_OK;
}

// ---------------------------------------------------------------- IUnknown, IDispatch

HRESULT TimerAccessible::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG TimerAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG TimerAccessible::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT TimerAccessible::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return E_NOTIMPL;
}
HRESULT TimerAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
HRESULT TimerAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT TimerAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// ---------------------------------------------------------------- tree

HRESULT TimerAccessible::get_accParent(IDispatch** parent) {
    return guarded([&] {
        if (!parent) return E_INVALIDARG;
        *parent = nullptr;
        if (!window_) return CO_E_OBJNOTCONNECTED;
        return CreateStdAccessibleObject(window_, OBJID_WINDOW, __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    });
}

HRESULT TimerAccessible::get_accChildCount(long* count) {
    if (!count) return E_INVALIDARG;
    *count = 0;
    if (!window_) return CO_E_OBJNOTCONNECTED;
    *count = TimerButtonCount;
    return S_OK;
}

HRESULT TimerAccessible::get_accChild(VARIANT child, IDispatch** out) {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    const HRESULT hr = checked(child);
    if (FAILED(hr)) return hr;
    // The buttons are simple elements of this object.
    return childIndex(child) == CHILDID_SELF ? E_INVALIDARG : S_FALSE;
}

HRESULT TimerAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end) return E_INVALIDARG;
    VariantInit(end);
    const HRESULT hr = checked(start);
    if (FAILED(hr)) return hr;
    const long from = childIndex(start);
    long to = 0;
    if (from == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD) to = 1;
        if (direction == NAVDIR_LASTCHILD) to = TimerButtonCount;
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT) {
        to = from + 1;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT) {
        to = from - 1;
    }
    if (to < 1 || to > TimerButtonCount) return S_FALSE;
    setLong(end, to);
    return S_OK;
}

HRESULT TimerAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_INVALIDARG;
    VariantInit(child);
    if (!window_) return CO_E_OBJNOTCONNECTED;
    const POINT p = {x, y};
    for (long i = 1; i <= TimerButtonCount; ++i) {
        RECT r;
        HWND button = buttonWindow(i);
        if (button && GetWindowRect(button, &r) && PtInRect(&r, p)) {
            setLong(child, i);
            return S_OK;
        }
    }
    RECT r;
    if (!GetWindowRect(window_, &r) || !PtInRect(&r, p)) return S_FALSE;
    setLong(child, CHILDID_SELF);
    return S_OK;
}

HRESULT TimerAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_INVALIDARG;
    *left = *top = *width = *height = 0;
    const HRESULT hr = checked(child);
    if (FAILED(hr)) return hr;
    const long index = childIndex(child);
    HWND target = index == CHILDID_SELF ? window_ : buttonWindow(index);
    RECT r;
    if (!target || !GetWindowRect(target, &r)) return S_FALSE;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

// ---------------------------------------------------------------- what is said

HRESULT TimerAccessible::get_accName(VARIANT child, BSTR* name) {
    return guarded([&] {
        if (!name) return E_INVALIDARG;
        *name = nullptr;
        const HRESULT hr = checked(child);
        if (FAILED(hr)) return hr;
        const long index = childIndex(child);
        return toBstr(index == CHILDID_SELF ? "Timer" : TimerButtons[index - 1].tip, name);
    });
}

HRESULT TimerAccessible::get_accValue(VARIANT child, BSTR* value) {
    return guarded([&] {
        if (!value) return E_INVALIDARG;
        *value = nullptr;
        const HRESULT hr = checked(child);
        if (FAILED(hr)) return hr;
        if (childIndex(child) != CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
        const ClockState& clock = tool_.clock;
        return toBstr(spokenDisplay(tool_.scoreShown, tool_.currentScore, liveElapsed(clock), clock.stopped), value);
    });
}

HRESULT TimerAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_INVALIDARG;
    VariantInit(role);
    const HRESULT hr = checked(child);
    if (FAILED(hr)) return hr;
    setLong(role, childIndex(child) == CHILDID_SELF ? ROLE_SYSTEM_CLOCK : ROLE_SYSTEM_PUSHBUTTON);
    return S_OK;
}

HRESULT TimerAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_INVALIDARG;
    VariantInit(state);
    const HRESULT hr = checked(child);
    if (FAILED(hr)) return hr;
    const long index = childIndex(child);
    long bits = IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (index == CHILDID_SELF) {
        bits |= STATE_SYSTEM_READONLY;
    } else if (TimerButtons[index - 1].id == IDC_TIMER_SWITCH && !tool_.clock.stopped) {
        bits |= STATE_SYSTEM_PRESSED;  // the On/Off switch is a toggle: pressed while counting
    }
    setLong(state, bits);
    return S_OK;
}

HRESULT TimerAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return guarded([&] {
        if (!action) return E_INVALIDARG;
        *action = nullptr;
        const HRESULT hr = checked(child);
        if (FAILED(hr)) return hr;
        if (childIndex(child) == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
        return toBstr("Press", action);
    });
}

HRESULT TimerAccessible::accDoDefaultAction(VARIANT child) {
    const HRESULT hr = checked(child);
    if (FAILED(hr)) return hr;
    const long index = childIndex(child);
    HWND button = buttonWindow(index);
    if (index == CHILDID_SELF || !button) return DISP_E_MEMBERNOTFOUND;
    if (!IsWindowEnabled(button) || !IsWindowVisible(window_)) return E_FAIL;
    // Posted, as a click would come: the command may open a dialog or a question,
    // and the reader's call must not wait for it to close.
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(TimerButtons[index - 1].id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return S_OK;
}

// ---------------------------------------------------------------- nothing to say

HRESULT TimerAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (description) *description = nullptr;
    return FAILED(checked(child)) ? checked(child) : S_FALSE;
}
HRESULT TimerAccessible::get_accHelp(VARIANT child, BSTR* help) {
    if (help) *help = nullptr;
    return FAILED(checked(child)) ? checked(child) : S_FALSE;
}
HRESULT TimerAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = -1;
    return S_FALSE;
}
HRESULT TimerAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (shortcut) *shortcut = nullptr;
    return FAILED(checked(child)) ? checked(child) : S_FALSE;
}
HRESULT TimerAccessible::get_accFocus(VARIANT* focus) {
    // The timer hands the keyboard straight back to the main window.
    if (!focus) return E_INVALIDARG;
    VariantInit(focus);
    return window_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}
HRESULT TimerAccessible::get_accSelection(VARIANT* selection) {
    if (!selection) return E_INVALIDARG;
    VariantInit(selection);
    return window_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}
HRESULT TimerAccessible::accSelect(long, VARIANT) { return window_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED; }
HRESULT TimerAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT TimerAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace ovtimer
