#include "views/accessible_base.h"

#include <new>

namespace gw {
namespace {

// Every method: no exception may reach the reader, which lives in another module
// (often another process).
template <typename F>
HRESULT guarded(F&& f) {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

void setLong(VARIANT* v, long value) {
    VariantInit(v);
    v->vt = VT_I4;
    v->lVal = value;
}

}  // namespace

BSTR makeBstr(const std::string& text) {
    if (text.empty()) return nullptr;
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    if (n <= 0) return nullptr;
    BSTR b = SysAllocStringLen(nullptr, UINT(n));
    if (b) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), b, n);
    return b;
}

LRESULT AccessibleBase::answerGetObject(WPARAM wp, LPARAM lp) {
    // The object id arrives as a DWORD; compare it as one on both targets.
    if (!hwnd_ || static_cast<DWORD>(lp) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    const LRESULT r = LresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(this));
    return r < 0 ? 0 : r;  // an error result is no object: let the system answer
}

HRESULT AccessibleBase::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleBase::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG AccessibleBase::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return ULONG(left);
}

HRESULT AccessibleBase::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT AccessibleBase::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT AccessibleBase::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT AccessibleBase::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleBase::checkChild(const VARIANT& child, long& id) const {
    if (!hwnd_ || !IsWindow(hwnd_)) return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    id = child.lVal;
    return id >= 0 && id <= const_cast<AccessibleBase*>(this)->childCount() ? S_OK : E_INVALIDARG;
}

HRESULT AccessibleBase::giveText(const VARIANT& child, BSTR* out, std::string (AccessibleBase::*get)(long)) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return guarded([&] {
        long id;
        HRESULT hr = checkChild(child, id);
        if (FAILED(hr)) return hr;
        *out = makeBstr((this->*get)(id));
        return *out ? S_OK : S_FALSE;
    });
}

HRESULT AccessibleBase::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return guarded([&] {
        if (!hwnd_ || !IsWindow(hwnd_)) return RPC_E_DISCONNECTED;
        return AccessibleObjectFromWindow(hwnd_, DWORD(OBJID_WINDOW), __uuidof(IDispatch),
                                          reinterpret_cast<void**>(parent));
    });
}

HRESULT AccessibleBase::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    return guarded([&] {
        if (!hwnd_ || !IsWindow(hwnd_)) return RPC_E_DISCONNECTED;
        *count = childCount();
        return S_OK;
    });
}

HRESULT AccessibleBase::get_accChild(VARIANT child, IDispatch** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return guarded([&] {
        long id;
        const HRESULT hr = checkChild(child, id);
        if (FAILED(hr)) return hr;
        *out = id > 0 ? childObject(id) : nullptr;
        return *out ? S_OK : S_FALSE;  // simple elements: ask the parent about them
    });
}

HRESULT AccessibleBase::get_accName(VARIANT child, BSTR* out) { return giveText(child, out, &AccessibleBase::nameOf); }
HRESULT AccessibleBase::get_accValue(VARIANT child, BSTR* out) { return giveText(child, out, &AccessibleBase::valueOf); }
HRESULT AccessibleBase::get_accDescription(VARIANT child, BSTR* out) {
    return giveText(child, out, &AccessibleBase::descriptionOf);
}
HRESULT AccessibleBase::get_accDefaultAction(VARIANT child, BSTR* out) {
    return giveText(child, out, &AccessibleBase::defaultActionOf);
}

HRESULT AccessibleBase::giveNumber(const VARIANT& child, VARIANT* out, long (AccessibleBase::*get)(long)) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return guarded([&] {
        long id;
        const HRESULT hr = checkChild(child, id);
        if (FAILED(hr)) return hr;
        setLong(out, (this->*get)(id));
        return S_OK;
    });
}

HRESULT AccessibleBase::get_accRole(VARIANT child, VARIANT* out) { return giveNumber(child, out, &AccessibleBase::roleOf); }
HRESULT AccessibleBase::get_accState(VARIANT child, VARIANT* out) {
    return giveNumber(child, out, &AccessibleBase::stateOf);
}

long AccessibleBase::state(long child) {
    if (child != 0) return 0;
    long s = 0;
    if (!IsWindowVisible(hwnd())) s |= STATE_SYSTEM_INVISIBLE;
    return s;
}

HRESULT AccessibleBase::get_accHelp(VARIANT, BSTR* out) {
    if (out) *out = nullptr;
    return S_FALSE;
}
HRESULT AccessibleBase::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = -1;
    return S_FALSE;
}
HRESULT AccessibleBase::get_accKeyboardShortcut(VARIANT, BSTR* out) {
    if (out) *out = nullptr;
    return S_FALSE;
}

long AccessibleBase::focusedChild() { return GetFocus() == hwnd() ? 0 : -1; }

HRESULT AccessibleBase::get_accFocus(VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return guarded([&] {
        if (!hwnd_ || !IsWindow(hwnd_)) return RPC_E_DISCONNECTED;
        const long id = focusedChild();
        if (id < 0) return S_FALSE;
        setLong(out, id);
        return S_OK;
    });
}

HRESULT AccessibleBase::get_accSelection(VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return hwnd_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleBase::accSelect(long flags, VARIANT child) {
    return guarded([&] {
        long id;
        const HRESULT hr = checkChild(child, id);
        if (FAILED(hr)) return hr;
        return select(id, flags) ? S_OK : S_FALSE;
    });
}

bool AccessibleBase::clientToScreen(RECT client, RECT& screen) const {
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    if (MapWindowPoints(hwnd_, nullptr, corners, 2) == 0 && GetLastError() != 0) return false;
    screen = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return true;
}

bool AccessibleBase::location(long, RECT& screen) { return GetWindowRect(hwnd(), &screen) != 0; }

HRESULT AccessibleBase::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    return guarded([&] {
        long id;
        const HRESULT hr = checkChild(child, id);
        if (FAILED(hr)) return hr;
        RECT r{};
        if (!location(id, r)) return S_FALSE;
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    });
}

long AccessibleBase::navigate(long child, long direction) {
    const long count = childCount();
    switch (direction) {
        case NAVDIR_FIRSTCHILD: return child == 0 && count > 0 ? 1 : 0;
        case NAVDIR_LASTCHILD: return child == 0 && count > 0 ? count : 0;
        case NAVDIR_NEXT: return child > 0 && child < count ? child + 1 : 0;
        case NAVDIR_PREVIOUS: return child > 1 ? child - 1 : 0;
        default: return 0;
    }
}

HRESULT AccessibleBase::accNavigate(long direction, VARIANT start, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return guarded([&] {
        long id;
        const HRESULT hr = checkChild(start, id);
        if (FAILED(hr)) return hr;
        const long to = navigate(id, direction);
        if (to <= 0) return S_FALSE;
        setLong(out, to);
        return S_OK;
    });
}

HRESULT AccessibleBase::accHitTest(long x, long y, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return guarded([&] {
        if (!hwnd_ || !IsWindow(hwnd_)) return RPC_E_DISCONNECTED;
        RECT own{};
        GetWindowRect(hwnd_, &own);
        const POINT p{x, y};
        if (!PtInRect(&own, p)) return S_FALSE;
        setLong(out, childAt(p));
        return S_OK;
    });
}

HRESULT AccessibleBase::accDoDefaultAction(VARIANT child) {
    return guarded([&] {
        long id;
        const HRESULT hr = checkChild(child, id);
        if (FAILED(hr)) return hr;
        return doDefaultAction(id) ? S_OK : DISP_E_MEMBERNOTFOUND;
    });
}

HRESULT AccessibleBase::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT AccessibleBase::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace gw
