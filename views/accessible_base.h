// The COM side of an accessible object for one of our custom-drawn windows: reference
// counting, IDispatch stubs, checking which child is asked about, strings to BSTRs,
// exceptions kept out of the caller, and the answer after the window is gone
// (RPC_E_DISCONNECTED). A window kind derives and answers the questions in words.
//
// Children are "simple elements" (no object of their own), numbered from 1; 0 is the
// window's own client area (CHILDID_SELF).
#pragma once
#include <windows.h>
#include <oleacc.h>

#include <string>

namespace gw {

class AccessibleBase : public IAccessible {
public:
    explicit AccessibleBase(HWND hwnd) : hwnd_(hwnd) {}
    AccessibleBase(const AccessibleBase&) = delete;
    AccessibleBase& operator=(const AccessibleBase&) = delete;

    // The window is going away: every question from now on answers RPC_E_DISCONNECTED.
    // Readers may hold the object for longer than the window lives.
    void disconnect() { hwnd_ = nullptr; }
    HWND hwnd() const { return hwnd_; }
    // The reply to WM_GETOBJECT for the client area (0 for any other object id, which
    // the caller then passes on to DefWindowProc).
    LRESULT answerGetObject(WPARAM wp, LPARAM lp);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch (no type information: readers call IAccessible directly)
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

protected:
    virtual ~AccessibleBase() = default;

    // What a window kind answers; `child` is already checked (0 .. childCount()).
    virtual long childCount() { return 0; }
    // A child that is a window of its own (a real control): its object, AddRef'd.
    virtual IDispatch* childObject(long) { return nullptr; }
    virtual long role(long child) = 0;
    virtual std::string name(long child) = 0;
    virtual std::string value(long) { return {}; }
    virtual std::string description(long) { return {}; }
    virtual long state(long child);
    // In screen pixels; the default is the window's own rectangle.
    virtual bool location(long child, RECT& screen);
    // The child that has the keyboard: -1 none, 0 the window itself.
    virtual long focusedChild();
    // The child under a screen point (0 the window itself).
    virtual long childAt(POINT) { return 0; }
    virtual std::string defaultAction(long) { return {}; }
    virtual bool doDefaultAction(long) { return false; }
    virtual bool select(long, long) { return false; }
    // Next/previous/first/last child for accNavigate; 0 when there is none.
    virtual long navigate(long child, long direction);

    // A child's rectangle given in the window's client pixels, moved to the screen.
    bool clientToScreen(RECT client, RECT& screen) const;

private:
    HRESULT checkChild(const VARIANT& child, long& id) const;
    HRESULT giveText(const VARIANT& child, BSTR* out, std::string (AccessibleBase::*get)(long));
    HRESULT giveNumber(const VARIANT& child, VARIANT* out, long (AccessibleBase::*get)(long));
    long roleOf(long child) { return role(child); }
    long stateOf(long child) { return state(child); }
    std::string nameOf(long child) { return name(child); }
    std::string valueOf(long child) { return value(child); }
    std::string descriptionOf(long child) { return description(child); }
    std::string defaultActionOf(long child) { return defaultAction(child); }

    LONG references_ = 1;
    HWND hwnd_;
};

// A BSTR of an ANSI (system code page) text; null when the text is empty.
BSTR makeBstr(const std::string& text);

}  // namespace gw
