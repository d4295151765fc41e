#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/project.h"
#include "shell/menu_model.h"
#include "shell/program_settings.h"
#include "shell/prompter.h"

namespace quavis {

class SettingsStore;

inline constexpr const char* ApplicationTitle = "QUAVIS";
inline constexpr const char* ApplicationHelpFile = "QUAVIS-Help.HLP";
inline constexpr const char* SaveChangesQuestion = "Do you want to save any changes?";
inline constexpr const char* ProjectFileFilter = "QUAVIS 3.0.6 (*.vqd);;All Files (*)";
// Child windows the Window menu lists at most.
inline constexpr int WindowListSize = 50;
// Position of the first recent-file slot in the File menu (after "Save &As..." and N1).
inline constexpr int PrevFileMenuPosition = 5;
// Position of the first window-list item in the Window menu (after "&Cascade", "&Arrange Icons", N3).
inline constexpr int WindowListMenuPosition = 3;

// The forms the activate handlers of RefreshOpenForms reload, in the order they are reloaded.
const std::vector<std::string>& RefreshedForms();

// What a menu item asks of the windows of later parts: the item's component name, and the child form it
// opens (its class name, empty for a command the item stands for). Show is false for the shape form while
// the model's shape has no form page: it is created then, but not shown.
struct TDispatchRequest {
    std::string Item;
    std::string Form;
    bool Show = true;
};

// What the command logic needs from the window that hosts it. Every hook may be left empty: headless,
// there are no child windows and nothing to show.
struct TMainFormHooks {
    // Runs the deactivate handler of the active child window.
    std::function<void()> CommitActiveChild;
    // Closes every child window, each through its own close handler.
    std::function<void()> CloseAllChildren;
    // The child windows, by index in the frame's order.
    std::function<int()> ChildCount;
    std::function<std::string(int index)> ChildCaption;
    std::function<void(int index)> ShowChild;
    std::function<void()> Cascade;
    std::function<void()> ArrangeIcons;
    // Closes the main window (which runs FormCloseQuery and, when allowed, FormClose).
    std::function<void()> CloseMainWindow;
    // Runs the activate handler of an open form (RefreshOpenForms).
    std::function<void(const std::string& form)> ActivateForm;
    // The single place where the forms, tables' windows, views and commands of other parts are reached.
    std::function<void(const TDispatchRequest& request)> Dispatch;
    // The title or a menu state changed: the window brings its title and menus up to date.
    std::function<void()> StateChanged;
};

// The main window's command flow without the toolkit: the project, the menu bar as data, the settings and
// recent files, and every command of the File, Data, Computation, Window and Help menus. The window shows
// the menu bar, forwards the menus' opening and the items' clicks, and fills in the hooks. No error
// escapes a command: it reaches the user through the prompter.
class TMainFormLogic {
public:
    TMainFormLogic(Prompter& prompter, SettingsStore& store);
    ~TMainFormLogic();
    TMainFormLogic(const TMainFormLogic&) = delete;
    TMainFormLogic& operator=(const TMainFormLogic&) = delete;

    TMainFormHooks Hooks;

    TProject& Project() { return m_project; }
    TProgramData& ProgramData() { return m_project.ProgramData(); }
    TProgramSettings& Settings() { return m_settings; }
    Prompter& GetPrompter() { return m_prompter; }
    TMenuBar& Menu() { return m_menu; }
    const TMenuBar& Menu() const { return m_menu; }
    const std::string& Title() const { return m_title; }
    bool ResultsLoaded() const { return m_project.ResultGraphs().ResultsLoaded; }
    // Set by the 3D view command.
    std::string ViewerPath;

    // Window life cycle.
    void FormCreate();
    // `arguments`: the command-line arguments after the program name.
    void FormShow(const std::vector<std::string>& arguments);
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    // The main window was closed through Exit while no CloseMainWindow hook is set.
    bool Closed() const { return m_closed; }

    // The menus: the window calls OpenMenu when a menu opens and ClickItem when an item is chosen in it.
    // A shortcut runs the open handlers of every menu above the item first, then the item when it is
    // still enabled. Unknown names are ignored.
    void OpenMenu(const std::string& name);
    void ClickItem(const std::string& name);
    void TriggerShortcut(const std::string& name);

    // File commands. The two saves return whether the project file was written.
    void FileNewClick();
    void FileOpenClick();
    bool FileSaveClick();
    bool FileSaveAsClick();
    void FileExitClick();
    void OpenFileName(const std::string& path);
    // The save-changes question; true means the caller may go on.
    bool QuerySaveChanges();
    // Dropped files: only the first opens. Always handled.
    bool FilesDropped(const std::vector<std::string>& paths);

    // The open handlers of the menus.
    void FileMenuClick();
    void DataMenuClick();
    void ComputationMenuClick();
    void GraphicsMenuClick();
    void ArrangeMenuClick();
    void HelpMenuClick();
    void OptionsUnitsClick();
    void HarmonicLoadingData1Click();

    // A recent-file slot (its position in the File menu) and a window-list item (its tag).
    void MyFilePopupHandler(int itemPosition);
    void WindowItemClick(int tag);

    void CommitActiveChild();
    void CloseAllChildren();
    void SyncLoadingMenu();
    void SyncPileItems();
    void RefreshOpenForms();
    bool IsModified() const { return m_project.IsModified(); }
    void SetModified(bool value) { m_project.SetModified(value); }

    // The open flags of the child forms (class names); the forms set them when they are created and
    // clear them when they close.
    void SetFormOpen(const std::string& form, bool open);
    bool IsFormOpen(const std::string& form) const { return m_openForms.count(form) != 0; }

private:
    // Runs a command; an error it raises is shown and the command ends (a boolean command with false).
    void Guarded(const std::function<void()>& action);
    bool GuardedBool(const std::function<bool()>& action);

    void BuildMenuBar();
    void RegisterHandlers();
    void SetTitle();
    void StateChanged();
    // Reads a project file into the model, reporting the reader's message, and marks its loading type.
    void ReadProject(const std::string& path);
    void MarkLoadingItems();
    void DataItemClick(const std::string& name);
    void OpenForm(const std::string& item, const std::string& form, bool show = true);
    void ShowTable(TGridTable& table);
    void SetLoadingType(int loadingType);
    void UnitSystemChanged();
    void SetEnabled(const std::string& name, bool enabled);
    void SetChecked(const std::string& name, bool checked);

    Prompter& m_prompter;
    TProgramSettings m_settings;
    TProject m_project;
    TMenuBar m_menu;
    std::string m_title;
    std::set<std::string> m_openForms;
    std::map<std::string, std::function<void()>> m_openHandlers;
    std::map<std::string, std::function<void()>> m_clickHandlers;
    std::string m_openDialogFileName;
    bool m_closed = false;
    bool m_created = false;
};

} // namespace quavis
