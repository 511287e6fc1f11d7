#include "shell/application.h"

#include <shellapi.h>

#include "doc/document_commands.h"
#include "doc/puzzle_document.h"
#include "doc/recovery.h"
#include "plugins/host/host_window_port.h"
#include "plugins/host/plugin_manager.h"
#include "ports/core_context.h"
#include "resources/resource_ids.h"
#include "shell/screen_dpi.h"
#include "resources/string_table.h"
#include "shell/command_line.h"
#include "shell/main_window.h"
#include "shell/registry_settings.h"
#include "shell/system_libraries.h"
#include "ports/settings_names.h"
#include "views/status_bar.h"

namespace gw {
namespace {

Application* g_application = nullptr;

std::string moduleFileName(HINSTANCE instance) {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(instance, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : MAX_PATH - 1);
}

// Lets tools reach the main window and the instance without knowing the shell.
class ShellWindowPort final : public HostWindowPort {
public:
    explicit ShellWindowPort(Application& app) : app_(app) {}
    void* mainWindow() override { return app_.mainWindow() ? app_.mainWindow()->hwnd() : nullptr; }
    void* instance() override { return app_.instance(); }

private:
    Application& app_;
};

}  // namespace

std::string titleForWindow(const std::string& text) {
    std::string title = text;
    if (title.size() >= 4 && title[title.size() - 4] == '.') title.resize(title.size() - 4);
    if (title.size() > 255) title.resize(255);
    return title;
}

Application* Application::current() { return g_application; }

Application::Application(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showMode)
    : previousInstance_(previousInstance), showMode_(showMode), instance_(instance) {
    g_application = this;
    settings_ = std::make_unique<RegistrySettings>();
    core().settings = settings_.get();
    std::string program = moduleFileName(instance);
    args_ = splitCommandLine(program, commandLine);
    size_t cut = program.find_last_of('\\');
    programFolder_ = cut == std::string::npos ? program : program.substr(0, cut);
}

Application::~Application() {
    if (document_) destroyDocument();
    SettingsStore& store = settings();
    store.writeInt(settings_names::Geometry, settings_names::X, geometry_.x);
    store.writeInt(settings_names::Geometry, settings_names::Y, geometry_.y);
    store.writeInt(settings_names::Geometry, settings_names::Width, geometry_.width);
    store.writeInt(settings_names::Geometry, settings_names::Height, geometry_.height);
    if (settings_) settings_->flush();
    args_.clear();
    programName_.clear();
    if (mainWindow_) {
        // The manager sends Shutdown before it finishes and unloads the tools.
        if (auto* manager = dynamic_cast<PluginManager*>(plugins_.get())) manager->shutdown();
        plugins_.reset();
        if (core().ui == mainWindow_.get()) core().ui = nullptr;
        mainWindow_.reset();
    } else {
        plugins_.reset();
    }
    windowPort_.reset();
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    unregisterClasses();
    programFolder_.clear();
    if (core().settings == settings_.get()) core().settings = nullptr;
    settings_.reset();
    if (g_application == this) g_application = nullptr;
}

SettingsStore* Application::settingsStore() const { return settings_.get(); }

bool Application::initialise(int nameStringId, int iconId, int defaultWidth, int defaultHeight) {
    programName_ = stringText(nameStringId);
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    geometry_ = computeWindowGeometry(DesktopRect{desktop.left, desktop.top, desktop.right, desktop.bottom},
                                      settings(), dpiScaled(defaultWidth), dpiScaled(defaultHeight));
    if (previousInstance_) return true;
    return registerClasses(iconId);
}

bool Application::registerClasses(int iconId) {
    struct ClassInfo {
        const char* name;
        UINT style;
        bool icon;
        bool arrow;
        int background;
        int extra;
    };
    const ClassInfo classes[] = {
        {ApplicationWindowClass, 0, true, true, COLOR_BTNFACE + 1, 0},
        {ContainerWindowClass, 0, false, true, COLOR_BTNFACE + 1, 4},
        {PaneWindowClass, 0, false, false, COLOR_BTNFACE + 1, 4},
        {CanvasWindowClass, 0, false, false, -1, 4},
        {PopupWindowClass, CS_NOCLOSE, false, false, -1, 4},
    };
    ATOM last = 0;
    for (const ClassInfo& c : classes) {
        WNDCLASSA wc = {};
        wc.style = c.style;
        wc.lpfnWndProc = DefWindowProcA;
        wc.cbWndExtra = c.extra;
        wc.hInstance = instance_;
        wc.hIcon = c.icon ? LoadIconA(resources(), MAKEINTRESOURCEA(iconId)) : nullptr;
        wc.hCursor = c.arrow ? LoadCursorA(nullptr, IDC_ARROW) : nullptr;
        wc.hbrBackground = c.background < 0 ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                            : reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(c.background));
        wc.lpszClassName = c.name;
        last = RegisterClassA(&wc);
    }
    classesRegistered_ = last != 0;
    return classesRegistered_;
}

void Application::unregisterClasses() {
    if (!classesRegistered_) return;
    for (const char* name : {ApplicationWindowClass, ContainerWindowClass, PaneWindowClass, CanvasWindowClass,
                             PopupWindowClass})
        UnregisterClassA(name, instance_);
    classesRegistered_ = false;
}

bool Application::createMainWindow() {
    mainWindow_ = MainWindow::create(*this, geometry_, GW_MENU_INIT);
    if (!mainWindow_) return false;
    core().ui = mainWindow_.get();
    return true;
}

void Application::createPluginManager() {
    if (!windowPort_) windowPort_ = std::make_unique<ShellWindowPort>(*this);
    plugins_ = std::make_unique<PluginManager>(programFolder_, windowPort_.get());
}

PluginManager* Application::pluginManager() const { return dynamic_cast<PluginManager*>(plugins_.get()); }

void Application::createBars() {
    if (mainWindow_) mainWindow_->createBars();
}

void Application::run() {
    showMainWindow();
    processCommandLine();
    runLoop();
    closeLeftOpenPuzzle();
    destroyDocument();
}

void Application::closeLeftOpenPuzzle() {
    // A quit that did not come through Exit (a tool, a stray message) finds the puzzle
    // still open: it is closed as Exit would, and a cancelled close keeps the program running.
    while (document_ && document_->isOpen && !closeCurrentPuzzle(*document_)) runLoop();
}

void Application::showMainWindow() {
    if (!mainWindow_) return;
    int maximized = 0;
    settings().readInt(settings_names::Geometry, settings_names::Maximized, maximized);
    setTitle(programName_);
    sendToolEvent(MainWindowFirstShown);
    HWND hwnd = mainWindow_->hwnd();
    if (maximized != 0 && !IsIconic(hwnd))
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    else
        ShowWindow(hwnd, showMode_);
    UpdateWindow(hwnd);
}

namespace {
// A name relative to the current folder is made whole at once: the Open dialog may
// change that folder later, and saves, the backup and the plug-ins need the file's
// own place.
std::string fullPathOf(const std::string& name) {
    char full[MAX_PATH] = {};
    DWORD n = GetFullPathNameA(name.c_str(), MAX_PATH, full, nullptr);
    return n > 0 && n < MAX_PATH ? std::string(full, n) : name;
}

// Copies of unsaved changes live with the user's local data, never beside the puzzle
// (a puzzle's folder may be read-only, shared or synchronised). "" turns them off.
std::string recoveryFolder() {
    char base[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("LOCALAPPDATA", base, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return "";
    std::string folder = std::string(base, n) + "\\Gridwell";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\Recovery";
    CreateDirectoryA(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? folder : "";
}
}  // namespace

void Application::processCommandLine() {
    if (mainWindow_ && mainWindow_->statusBar()) {
        mainWindow_->statusBar()->setDefaultText(StatusBar::HelpPart, stringText(IDS_READY));
        mainWindow_->statusBar()->clearText(StatusBar::HelpPart);
    }
    std::string file;
    if (args_.size() == 2) {
        // A longer name is handed on whole: the document refuses it with its own
        // message instead of opening whatever file the cut-short name would reach.
        file = fullPathOf(args_[1]);
    } else if (args_.size() > 2) {
        ui().warningById(IDS_BAD_ARGUMENTS);
    }
    recovery_ = std::make_unique<RecoveryStore>(recoveryFolder());
    document_ = std::make_unique<PuzzleDocument>();
    document_->recovery = recovery_.get();
    document_->diagramlessLoop = runDiagramlessLoop;
    document_->printPuzzle = [this](PuzzleDocument&) {
        if (mainWindow_) mainWindow_->dispatchCommand(CMD_PRINT, 0);
    };
    core().document = document_.get();
    if (!file.empty())
        openByPath(*document_, file);
    else if (mainWindow_)
        mainWindow_->dispatchCommand(CMD_OPEN, 0);

    if (mainWindow_) {
        SetTimer(mainWindow_->hwnd(), RecoveryTimer, RecoveryIntervalMs, nullptr);
        if (!accelerators_) accelerators_ = LoadAcceleratorsA(resources(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
        syslib::acceptDroppedFiles(mainWindow_->hwnd(), true);
    }
}

void Application::routeMessage(MSG& msg) {
    // F6 leaves the notepad for the next pane before the dialog takes the key.
    const bool paneKey = msg.message == WM_KEYDOWN && msg.wParam == VK_F6;
    if (paneKey && mainWindow_ && accelerators_ && TranslateAcceleratorA(mainWindow_->hwnd(), accelerators_, &msg))
        return;
    if (activeModeless_ && IsDialogMessageA(activeModeless_, &msg)) return;
    if (mainWindow_ && accelerators_ && TranslateAcceleratorA(mainWindow_->hwnd(), accelerators_, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void Application::runLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) routeMessage(msg);
}

void Application::destroyDocument() {
    if (document_ && document_->isOpen) {
        // The views and the tools hear of the close before the puzzle goes away.
        document_->isDirty = false;
        document_->close();
    }
    if (core().document == document_.get()) core().document = nullptr;
    document_.reset();
}

void Application::quit() {
    sendToolEvent(QuitRequested);
    PostQuitMessage(0);
}

void Application::setTitle(const std::string& text) {
    if (mainWindow_) SetWindowTextA(mainWindow_->hwnd(), titleForWindow(text).c_str());
}

void Application::storeGeometry(int x, int y, int width, int height) { geometry_ = {x, y, width, height}; }

}  // namespace gw
