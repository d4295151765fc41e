#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "shell/library_loader.h"
#include "shell/main_form_logic.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace quavis {

class Prompter;
class ProcessLauncher;
class SettingsStore;
class TAboutBoxWindow;
class TAnalysisRun;
class TChildForm;
class TDlgRunAnalysisWindow;
class TExternalPrograms;
class TMainForm;

// What the main window works with. Anything left empty is the real thing: message boxes and file
// dialogs, the user's settings, QProcess and the desktop, the executable's folder, dlopen.
struct TMainFormServices {
    Prompter* prompter = nullptr;
    SettingsStore* settings = nullptr;
    ProcessLauncher* launcher = nullptr;
    std::string programFolder;
    LibraryLoaderFactory libraries;
    // The command-line arguments after the program name.
    std::vector<std::string> arguments;
};

// Makes the child window of one form class (a widget that is also a TChildForm). The windows of the
// input forms, views and plot windows register here; a request for a form without a maker does nothing.
using TChildFormMaker = std::function<QWidget*(TMainForm& form, const TDispatchRequest& request)>;
std::map<std::string, TChildFormMaker>& ChildFormMakers();

// The program's main window: a multi-document frame whose menu bar is built from the core's menu model
// and whose commands are the core's TMainFormLogic. The window only shows the model, forwards the menus'
// opening, the items' clicks and shortcuts, dropped files and its life cycle, and hosts the child windows.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(TMainFormServices services = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    TMainFormLogic& Logic() { return *m_logic; }
    // The message boxes of the program (scripted in tests): the child forms report through it.
    Prompter& GetPrompter() { return *m_prompter; }
    TAnalysisRun& Run() { return *m_run; }
    TExternalPrograms& External() { return *m_external; }
    QMdiArea* MdiArea() const { return m_mdi; }
    TAboutBoxWindow* AboutBox() const { return m_aboutBox; }
    TDlgRunAnalysisWindow* RunDialog() const { return m_runDialog; }
    const std::string& ProgramFolder() const { return m_programFolder; }

    // The action (or a submenu's menu action) of a menu item by component name; nullptr if unknown.
    QAction* Action(const std::string& name) const;
    QMenu* Menu(const std::string& name) const;

    // The single place where menu items reach the commands and windows of other parts.
    void Dispatch(const TDispatchRequest& request);
    // Shows a child window in the frame and keeps the form's open flag while it exists.
    QMdiSubWindow* AddChild(QWidget* widget);
    // The child window of that form class, or nullptr.
    QMdiSubWindow* FindChild(const std::string& formClass) const;

    // Brings title and menus up to the core's state.
    void SyncFromModel();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void AddItems(QMenu* menu, const TMenuItem& parent);
    void SyncItem(const TMenuItem& item);
    void InstallHooks();
    void SubWindowActivated(QMdiSubWindow* window);
    void ArrangeIcons();
    void OpenOptions(const TDispatchRequest& request);
    static TChildForm* ChildOf(QMdiSubWindow* window);

    std::string m_programFolder;
    std::vector<std::string> m_arguments;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<SettingsStore> m_ownSettings;
    std::unique_ptr<ProcessLauncher> m_ownLauncher;
    Prompter* m_prompter = nullptr;
    ProcessLauncher* m_launcher = nullptr;
    std::unique_ptr<TMainFormLogic> m_logic;
    std::unique_ptr<TExternalPrograms> m_external;
    std::unique_ptr<TAnalysisRun> m_run;

    QMdiArea* m_mdi = nullptr;
    TAboutBoxWindow* m_aboutBox = nullptr;
    TDlgRunAnalysisWindow* m_runDialog = nullptr;
    std::map<std::string, QAction*> m_actions;
    std::map<std::string, QMenu*> m_menus;
    QPointer<QMdiSubWindow> m_current;
    bool m_shown = false;
    bool m_running = false;
    bool m_closing = false;
};

} // namespace quavis
