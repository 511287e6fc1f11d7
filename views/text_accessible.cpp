#include "views/text_accessible.h"

#include <utility>

#include "views/accessible_base.h"

namespace gw {

class TextItemsAccessible : public AccessibleBase {
public:
    TextItemsAccessible(HWND hwnd, long role, std::function<std::string()> name,
                        std::function<std::vector<TextItem>()> items)
        : AccessibleBase(hwnd), role_(role), name_(std::move(name)), items_(std::move(items)) {}

    void forget() {
        name_ = nullptr;
        items_ = nullptr;
        disconnect();
    }

protected:
    std::vector<TextItem> items() const { return items_ ? items_() : std::vector<TextItem>(); }

    long childCount() override { return long(items().size()); }

    IDispatch* childObject(long child) override {
        const auto all = items();
        if (child < 1 || child > long(all.size()) || !all[size_t(child - 1)].window) return nullptr;
        IDispatch* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(all[size_t(child - 1)].window, DWORD(OBJID_WINDOW),
                                              __uuidof(IDispatch), reinterpret_cast<void**>(&object))))
            return nullptr;
        return object;
    }

    long role(long child) override { return child == 0 ? role_ : ROLE_SYSTEM_STATICTEXT; }

    std::string name(long child) override {
        if (child == 0) return name_ ? name_() : std::string();
        const auto all = items();
        return child <= long(all.size()) ? all[size_t(child - 1)].text : std::string();
    }

    long state(long child) override {
        return child == 0 ? AccessibleBase::state(0) | STATE_SYSTEM_READONLY : STATE_SYSTEM_READONLY;
    }

    bool location(long child, RECT& screen) override {
        if (child == 0) return AccessibleBase::location(child, screen);
        const auto all = items();
        if (child > long(all.size())) return false;
        const TextItem& item = all[size_t(child - 1)];
        if (item.window) return GetWindowRect(item.window, &screen) != 0;
        return clientToScreen(item.client, screen);
    }

    long childAt(POINT p) override {
        const auto all = items();
        ScreenToClient(hwnd(), &p);
        for (size_t i = 0; i < all.size(); ++i)
            if (PtInRect(&all[i].client, p)) return long(i + 1);
        return 0;
    }

    long focusedChild() override { return -1; }  // text takes no keyboard

private:
    long role_;
    std::function<std::string()> name_;
    std::function<std::vector<TextItem>()> items_;
};

TextAccessibility::TextAccessibility(HWND hwnd, long role, std::function<std::string()> name,
                                     std::function<std::vector<TextItem>()> items)
    : hwnd_(hwnd), role_(role), name_(std::move(name)), items_(std::move(items)) {}

TextAccessibility::~TextAccessibility() {
    if (object_) {
        object_->forget();
        object_->Release();
    }
}

bool TextAccessibility::handles(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != WM_GETOBJECT || static_cast<DWORD>(lp) != static_cast<DWORD>(OBJID_CLIENT)) return false;
    if (!object_) object_ = new TextItemsAccessible(hwnd_, role_, name_, items_);
    result = object_->answerGetObject(wp, lp);
    return result != 0;
}

void TextAccessibility::nameChanged() const {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace gw
