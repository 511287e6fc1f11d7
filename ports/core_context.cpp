#include "core_context.h"

#include "silent_services.h"

namespace gw {
namespace {

class NullSettings final : public SettingsStore {
public:
    bool readInt(const char*, const char*, int&) override { return false; }
    void writeInt(const char*, const char*, int) override {}
    bool readText(const char*, const char*, std::string&) override { return false; }
    void writeText(const char*, const char*, const std::string&) override {}
    bool readColour(const char*, const char*, uint32_t&) override { return false; }
    void writeColour(const char*, const char*, uint32_t) override {}
    void deleteValue(const char*, const char*) override {}
    void deleteSection(const char*) override {}
};

}  // namespace

CoreContext& core() {
    static CoreContext context;
    return context;
}

MainWindowServices& ui() {
    static SilentServices none;
    return core().ui ? *core().ui : none;
}

SettingsStore& settings() {
    static NullSettings none;
    return core().settings ? *core().settings : none;
}

int sendToolEvent(int code) {
    return core().tools ? core().tools->sendEvent(code) : 0;
}

}  // namespace gw
