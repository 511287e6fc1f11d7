// What the frame asks of its toolbar. The toolbar window implements it; while the
// program has none the frame simply does not call it.
#pragma once

namespace gw {

class FrameToolbar {
public:
    virtual ~FrameToolbar() = default;
    virtual void applyStates(int stringId) = 0;
    virtual void enable(int command) = 0;
    virtual void disable(int command) = 0;
    virtual void check(int command) = 0;
    virtual void uncheck(int command) = 0;
    // Swaps a slot's command for its alternate (Save and Save As share a slot).
    virtual void exchange(int currentCommand, int newCommand) = 0;
    virtual void show(int showMode) = 0;
    virtual int height() const = 0;
    virtual void resize(int clientWidth, int clientHeight) = 0;
    // The frame moved to a monitor of another DPI: pictures and font follow it.
    virtual void dpiChanged(int /*fromDpi*/, int /*toDpi*/) {}
    // Tooltip and drop-down notifications addressed to the toolbar.
    virtual bool handleNotify(void* header, long long& result) = 0;
};

}  // namespace gw
