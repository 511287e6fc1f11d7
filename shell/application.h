// The one Application: settings root, arguments, program folder, window geometry,
// plug-in manager, the registered edit and undo handlers, and the main window.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/window_geometry.h"

namespace gw {

class PluginManager;

class EditTarget;
class HostWindowPort;
class MainWindow;
class PuzzleDocument;
class RecoveryStore;
class SettingsStore;
class RegistrySettings;
class ToolEventSink;

constexpr char ApplicationWindowClass[] = "ApplicationWindow";
constexpr char ContainerWindowClass[] = "ContainerWindowClass";
constexpr char PaneWindowClass[] = "PaneClass";
constexpr char CanvasWindowClass[] = "CanvasClass";
constexpr char PopupWindowClass[] = "PopupClass";

class Application {
public:
    // Opens the settings root, splits the command line, records the program folder.
    Application(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showMode);
    // Writes the geometry, finishes the plug-ins, destroys the main window and
    // closes the settings root, in that order.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The process-wide instance (null outside a run).
    static Application* current();

    // Loads the program name, computes the window geometry and registers the
    // window classes; false when a class could not be registered.
    bool initialise(int nameStringId = 1, int iconId = 1, int defaultWidth = DefaultWindowWidth,
                    int defaultHeight = DefaultWindowHeight);
    // The main window with its menu, then the plug-ins, then the bars and container.
    bool createMainWindow();
    void createPluginManager();
    // The loaded tools, for the Tools page; null before the manager is made.
    PluginManager* pluginManager() const;
    void createBars();

    // Shows the window, processes the command line and runs the loop; the document
    // is destroyed when the loop ends.
    void run();
    // The steps of run, separately for tests that drive the program in-process.
    void showMainWindow();
    void processCommandLine();
    void runLoop();
    // After the loop: closes a puzzle that is still open, with the unsaved-changes question.
    void closeLeftOpenPuzzle();
    void destroyDocument();

    // Sends QuitRequested and posts the quit message.
    void quit();
    // Applies the title rule and sets the main window's text.
    void setTitle(const std::string& text);
    void storeGeometry(int x, int y, int width, int height);

    // The handlers Edit menu commands go to; null clears.
    void setEditHandler(EditTarget* handler) { editHandler_ = handler; }
    void setUndoHandler(EditTarget* handler) { undoHandler_ = handler; }
    EditTarget* editHandler() const { return editHandler_; }
    EditTarget* undoHandler() const { return undoHandler_; }

    // The notepad registers itself while active so the loop routes its keys to it.
    void setActiveModeless(HWND dialog) { activeModeless_ = dialog; }
    HWND activeModeless() const { return activeModeless_; }

    HINSTANCE instance() const { return instance_; }
    // Where menus, dialogs, icons and accelerators come from: the program itself,
    // unless a host (a test) points it at the program file loaded as data.
    HINSTANCE resources() const { return resources_ ? resources_ : instance_; }
    void setResourceModule(HINSTANCE module) { resources_ = module; }
    int showMode() const { return showMode_; }
    const std::vector<std::string>& arguments() const { return args_; }
    const std::string& programName() const { return programName_; }
    const std::string& programFolder() const { return programFolder_; }
    const WindowGeometry& geometry() const { return geometry_; }
    MainWindow* mainWindow() const { return mainWindow_.get(); }
    PuzzleDocument* document() const { return document_.get(); }
    SettingsStore* settingsStore() const;
    HACCEL accelerators() const { return accelerators_; }

    // Handles one fetched message as the loop does: the active modeless dialog
    // first, then the accelerators, then translate and dispatch.
    void routeMessage(MSG& msg);

private:
    bool registerClasses(int iconId);
    void unregisterClasses();

    std::unique_ptr<RegistrySettings> settings_;
    HINSTANCE previousInstance_ = nullptr;
    int showMode_ = SW_SHOWNORMAL;
    HWND activeModeless_ = nullptr;
    std::vector<std::string> args_;
    std::string programName_;
    HINSTANCE instance_ = nullptr;
    HINSTANCE resources_ = nullptr;
    WindowGeometry geometry_;
    std::unique_ptr<HostWindowPort> windowPort_;  // what the tools see of the program
    std::unique_ptr<ToolEventSink> plugins_;
    std::string programFolder_;
    EditTarget* editHandler_ = nullptr;
    EditTarget* undoHandler_ = nullptr;
    std::unique_ptr<MainWindow> mainWindow_;

    std::unique_ptr<RecoveryStore> recovery_;  // declared first: the document points to it
    std::unique_ptr<PuzzleDocument> document_;
    HACCEL accelerators_ = nullptr;
    bool classesRegistered_ = false;
};

// The title rule: a text whose fourth character from the end is a period loses its
// last four characters; at most 255 characters are kept.
std::string titleForWindow(const std::string& text);

}  // namespace gw
