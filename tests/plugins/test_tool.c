/*
 * A tool for the host's tests, written against tool_api.h alone. One source,
 * built many times with different definitions:
 *   TOOL_ID            number that tags everything this tool records
 *   TOOL_NAME          registered name (TOOL_LONG_NAME: 64 characters, no NUL)
 *   TOOL_VERSION       interface version it registers with (default 2)
 *   TOOL_VERSION_PROBE first registers with versions 3, -1, 0 and 1
 *   TOOL_EVENTS        events it subscribes to at init (comma list)
 *   TOOL_SUBSCRIBE_TWICE  subscribes to each of them twice
 *   TOOL_RESUBSCRIBE_ON   on that event, subscribes to it once more
 *   TOOL_HANDLED_CODE  the one event it reports as handled
 *   TOOL_DISABLE_ON    on that event, it disables itself
 *   TOOL_SETUP_RESULT  exports a setup entry returning this
 *   TOOL_HAS_ENABLE    exports an enable entry
 *   TOOL_NO_INIT, TOOL_NO_HANDLER, TOOL_NO_FINISH  leave that entry point out
 *
 * It records what happens through the host's own setting services, in the
 * section "TestLog": "count" and one value per record ("0", "1", ...), each
 * TOOL_ID * 1000 + what:
 *   0..29 the event received, 900 init, 950 + accepted for each RegisterTool,
 *   980 + state for enable, 990 finish, 991 setup.
 */
#include <stdio.h>
#include <string.h>

#include "tool_api.h"

#ifndef TOOL_VERSION
#define TOOL_VERSION 2
#endif

static ToolHost* host; /* kept only once registration was accepted */

static void record(ToolHost* h, int32_t what) {
    int32_t count = 0;
    char name[16];
    if (!h) return;
    h->services->ReadSetting(h, "TestLog", "count", &count);
    sprintf(name, "%d", (int)count);
    h->services->WriteSetting(h, "TestLog", name, TOOL_ID * 1000 + what);
    h->services->WriteSetting(h, "TestLog", "count", count + 1);
}

#ifndef TOOL_NO_INIT
TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Init(ToolHost* h) {
    ToolInfo info;
    int32_t accepted;
    record(h, 900);
    memset(&info, 0, sizeof info);
#ifdef TOOL_VERSION_PROBE
    {
        static const int32_t versions[] = {3, -1, 0, 1};
        size_t i;
        strcpy(info.name, "probe");
        for (i = 0; i < sizeof versions / sizeof versions[0]; ++i) {
            info.version = versions[i];
            record(h, 950 + h->services->RegisterTool(h, &info));
        }
    }
#endif
#ifdef TOOL_LONG_NAME
    memset(info.name, 'x', sizeof info.name);
#else
    strncpy(info.name, TOOL_NAME, sizeof info.name - 1);
    info.name[sizeof info.name - 1] = '\0';
#endif
    info.version = TOOL_VERSION;
    accepted = h->services->RegisterTool(h, &info);
    record(h, 950 + accepted);
    if (!accepted) return 0;
    host = h;
#ifdef TOOL_EVENTS
    {
        static const int32_t events[] = {TOOL_EVENTS};
        size_t i;
        for (i = 0; i < sizeof events / sizeof events[0]; ++i) {
            host->services->SubscribeEvent(host, events[i]);
#ifdef TOOL_SUBSCRIBE_TWICE
            host->services->SubscribeEvent(host, events[i]);
#endif
        }
    }
#endif
    return 1;
}
#endif

#ifndef TOOL_NO_HANDLER
TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_HandleEvent(int32_t code) {
    record(host, code);
#ifdef TOOL_RESUBSCRIBE_ON
    if (code == TOOL_RESUBSCRIBE_ON) host->services->SubscribeEvent(host, code);
#endif
#ifdef TOOL_DISABLE_ON
    if (code == TOOL_DISABLE_ON) host->services->DisableTool(host);
#endif
#ifdef TOOL_HANDLED_CODE
    return code == TOOL_HANDLED_CODE;
#else
    return 0;
#endif
}
#endif

#ifndef TOOL_NO_FINISH
TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Finish(void) {
    record(host, 990);
    host = NULL;
}
#endif

#ifdef TOOL_SETUP_RESULT
TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Setup(void) {
    record(host, 991);
    return TOOL_SETUP_RESULT;
}
#endif

#ifdef TOOL_HAS_ENABLE
TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Enable(int32_t enabled) {
    record(host, 980 + enabled);
}
#endif
