#include "prefs/tools_page.h"

#include "plugins/host/plugin_manager.h"
#include "resources/resource_ids.h"
#include "resources/string_ids.h"

namespace gw {

ToolsPage::ToolsPage(PreferenceContext& context)
    : PreferencePage(context, GW_PAGE_TOOL, IDS_PAGE_TOOLS, "pref_tools.htm") {}

void ToolsPage::init() {
    HWND list = item(IDC_TOOL_LIST);
    // A tool that never registered a name cannot be told apart in the list; it is
    // left out.
    if (context_.tools)
        for (HostedTool* tool : context_.tools->tools()) {
            if (!tool->hasName) continue;
            const LRESULT index =
                SendMessageA(list, LB_INSERTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(tool->name.c_str()));
            SendMessageA(list, LB_SETITEMDATA, WPARAM(index), reinterpret_cast<LPARAM>(tool));
        }
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0) {
        for (int id : {IDC_TOOL_LIST, IDC_TOOL_OPTIONS, IDC_TOOL_ENABLE}) ShowWindow(item(id), SW_HIDE);
        return;
    }
    ShowWindow(item(IDC_TOOL_NONE), SW_HIDE);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    showState(selectedTool());
    SetFocus(list);
}

HostedTool* ToolsPage::selectedTool() const {
    HWND list = item(IDC_TOOL_LIST);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index < 0) return nullptr;
    return reinterpret_cast<HostedTool*>(SendMessageA(list, LB_GETITEMDATA, WPARAM(index), 0));
}

void ToolsPage::showState(const HostedTool* tool) {
    const bool enabled = tool && tool->enabled;
    enable(IDC_TOOL_OPTIONS, enabled);
    SetDlgItemTextA(page_, IDC_TOOL_ENABLE, enabled ? "Disable" : "Enable");
}

void ToolsPage::command(int id, int code) {
    HostedTool* tool = selectedTool();
    if (!tool || !context_.tools) return;
    if (id == IDC_TOOL_LIST && code == LBN_SELCHANGE) {
        showState(tool);
    } else if (id == IDC_TOOL_OPTIONS && code == BN_CLICKED) {
        // The tool's dialog, or the no-preferences message, belongs to the main
        // window: the sheet waits for it, or it could be closed underneath.
        HWND sheet = GetParent(page_);
        EnableWindow(sheet, FALSE);
        context_.tools->toolSetup(tool);
        EnableWindow(sheet, TRUE);
        SetFocus(page_);
    } else if (id == IDC_TOOL_ENABLE && code == BN_CLICKED) {
        context_.tools->toggleTool(tool);
        showState(tool);
    }
}

}  // namespace gw
