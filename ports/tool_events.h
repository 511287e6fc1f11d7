// Where the core sends tool events (the plug-in manager in the program).
#pragma once

namespace gw {

class ToolEventSink {
public:
    virtual ~ToolEventSink() = default;
    // 1 when any tool handled the event, else 0; no sender acts on it.
    virtual int sendEvent(int code) = 0;
};

}  // namespace gw
