#include "shell/main_form.h"

#include <chrono>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include "shell/about_box.h"
#include "shell/analysis_run.h"
#include "shell/analysis_run_worker.h"
#include "shell/child_form.h"
#include "shell/dlg_options_window.h"
#include "shell/dlg_run_analysis.h"
#include "shell/external_programs.h"
#include "shell/qt_process_launcher.h"
#include "shell/qt_prompter.h"
#include "shell/qt_settings_store.h"

namespace quavis {

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The commands of the Computation, View Geometry and Help menus that the external programs handle.
bool IsExternalCommand(const std::string& name)
{
    for (const char* command : {"CompInput", "CompKernel", "CompOutput", "N3DView1", "HelpContents", "Contents1", "About1"})
        if (name == command)
            return true;
    return false;
}

} // namespace

std::map<std::string, TChildFormMaker>& ChildFormMakers()
{
    static std::map<std::string, TChildFormMaker> makers;
    return makers;
}

TMainForm::TMainForm(TMainFormServices services, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    m_programFolder = services.programFolder.empty() ? QCoreApplication::applicationDirPath().toStdString()
                                                     : services.programFolder;
    m_arguments = std::move(services.arguments);

    if (services.prompter) {
        m_prompter = services.prompter;
    } else {
        m_ownPrompter = std::make_unique<TQtPrompter>(this);
        m_prompter = m_ownPrompter.get();
    }
    SettingsStore* settings = services.settings;
    if (!settings) {
        m_ownSettings = std::make_unique<TQtSettingsStore>();
        settings = m_ownSettings.get();
    }
    if (services.launcher) {
        m_launcher = services.launcher;
    } else {
        m_ownLauncher = std::make_unique<TQtProcessLauncher>();
        m_launcher = m_ownLauncher.get();
    }

    m_logic = std::make_unique<TMainFormLogic>(*m_prompter, *settings);
    const auto save = [this] { return m_logic->FileSaveClick(); };
    m_external = std::make_unique<TExternalPrograms>(
        *m_prompter, *m_launcher, m_logic->Project(), save, [this] { return m_logic->Settings().WordProcessorPath; },
        m_programFolder);
    m_run = std::make_unique<TAnalysisRun>(*m_prompter, m_logic->Project(), save, m_programFolder,
                                           services.libraries ? services.libraries : DynamicLibraryFactory());

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TMainForm::SubWindowActivated);

    InstallHooks();
    // Dropped files arrive as drop events on the window.
    setAcceptDrops(true);
    m_logic->FormCreate();
    BuildMenus();
    SyncFromModel();
    resize(900, 640);

    // Created with the main window, in this order; both live as long as it.
    m_aboutBox = new TAboutBoxWindow(this);
    m_runDialog = new TDlgRunAnalysisWindow(m_run->Dialog, this);
    // Then the quadratic loading form, hidden (nothing when its window is not linked in). Like every child
    // it closes when the first project replaces the model.
    Dispatch({"", "TfrmQuad", false});
}

TMainForm::~TMainForm()
{
    // The child windows refer to the logic: they go first.
    m_logic->Hooks = {};
    m_mdi->disconnect(this);
    // Closed windows whose deferred deletion has not run yet are no longer listed by the frame, but they
    // would still report their end to the logic, after it is gone: they go too.
    std::vector<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : m_mdi->findChildren<QMdiSubWindow*>())
        windows.emplace_back(window);
    for (const QPointer<QMdiSubWindow>& window : windows)
        delete window.data();
}

void TMainForm::InstallHooks()
{
    TMainFormHooks& hooks = m_logic->Hooks;
    hooks.CommitActiveChild = [this] {
        if (TChildForm* child = ChildOf(m_mdi->currentSubWindow()))
            child->FormDeactivate();
    };
    hooks.CloseAllChildren = [this] {
        m_mdi->closeAllSubWindows();
        m_current = nullptr;
    };
    hooks.ChildCount = [this] { return static_cast<int>(m_mdi->subWindowList().size()); };
    hooks.ChildCaption = [this](int index) {
        const auto windows = m_mdi->subWindowList();
        return index >= 0 && index < windows.size() ? windows[index]->windowTitle().toStdString() : std::string();
    };
    hooks.ShowChild = [this](int index) {
        const auto windows = m_mdi->subWindowList();
        if (index < 0 || index >= windows.size())
            return;
        QMdiSubWindow* window = windows[index];
        if (window->isMinimized())
            window->showNormal();
        window->show();
        m_mdi->setActiveSubWindow(window);
    };
    hooks.Cascade = [this] { m_mdi->cascadeSubWindows(); };
    hooks.ArrangeIcons = [this] { ArrangeIcons(); };
    hooks.CloseMainWindow = [this] { close(); };
    hooks.ActivateForm = [this](const std::string& form) {
        if (TChildForm* child = ChildOf(FindChild(form)))
            child->FormActivate();
    };
    hooks.Dispatch = [this](const TDispatchRequest& request) { Dispatch(request); };
    hooks.StateChanged = [this] { SyncFromModel(); };

    TAnalysisRunHooks& run = m_run->Hooks;
    run.SetWaitCursor = [] { QApplication::setOverrideCursor(Qt::WaitCursor); };
    run.RestoreCursor = [] { QApplication::restoreOverrideCursor(); };
    run.ShowDialog = [this] {
        m_runDialog->show();
        m_runDialog->raise();
        m_runDialog->repaint();
    };
    run.HideDialog = [this] { m_runDialog->hide(); };
    // The engine computes on a worker thread while this one keeps the windows painted and the bar moving;
    // user input waits, so that no command touches the files the engine is reading.
    run.CallEngine = [this](const std::function<void()>& call) {
        m_running = true;
        try {
            CallOnWorkerThread(
                call, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); },
                std::chrono::milliseconds(20));
        } catch (...) {
            m_running = false;
            throw;
        }
        m_running = false;
    };
}

// ---- Menus ----

void TMainForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->clear();
    m_actions.clear();
    m_menus.clear();
    for (const TMenuItem& top : m_logic->Menu().Menus) {
        QMenu* menu = bar->addMenu(Q(top.Caption));
        menu->setObjectName(Q(top.Name));
        menu->menuAction()->setObjectName(Q(top.Name));
        m_menus[top.Name] = menu;
        m_actions[top.Name] = menu->menuAction();
        connect(menu, &QMenu::aboutToShow, this, [this, name = top.Name] { m_logic->OpenMenu(name); });
        AddItems(menu, top);
    }
}

void TMainForm::AddItems(QMenu* menu, const TMenuItem& parent)
{
    QActionGroup* radios = nullptr;
    for (const TMenuItem& item : parent.Items) {
        QAction* action = nullptr;
        if (item.IsSeparator()) {
            action = menu->addSeparator();
        } else if (item.IsMenu()) {
            QMenu* sub = menu->addMenu(Q(item.Caption));
            sub->setObjectName(Q(item.Name));
            m_menus[item.Name] = sub;
            action = sub->menuAction();
            connect(sub, &QMenu::aboutToShow, this, [this, name = item.Name] { m_logic->OpenMenu(name); });
            AddItems(sub, item);
        } else {
            action = menu->addAction(Q(item.Caption));
            connect(action, &QAction::triggered, this, [this, name = item.Name] { m_logic->ClickItem(name); });
            if (item.RadioItem) {
                if (!radios)
                    radios = new QActionGroup(menu);
                radios->addAction(action);
            }
            if (!item.Shortcut.empty()) {
                const QKeySequence keys(Q(item.Shortcut));
                // Shown in the menu and taken there; from anywhere else in the window the key goes
                // through the core, which opens the menus above the item first.
                action->setShortcut(keys);
                action->setShortcutContext(Qt::WidgetShortcut);
                auto* shortcut = new QShortcut(keys, this);
                shortcut->setObjectName(Q(item.Name + "Shortcut"));
                connect(shortcut, &QShortcut::activated, this, [this, name = item.Name] {
                    if (!m_running)
                        m_logic->TriggerShortcut(name);
                });
            }
        }
        if (!item.Name.empty()) {
            action->setObjectName(Q(item.Name));
            m_actions[item.Name] = action;
        }
    }
}

void TMainForm::SyncItem(const TMenuItem& item)
{
    if (!item.Name.empty()) {
        const auto found = m_actions.find(item.Name);
        if (found != m_actions.end()) {
            QAction* action = found->second;
            if (!item.IsSeparator())
                action->setText(Q(item.Caption));
            action->setEnabled(item.Enabled);
            action->setVisible(item.Visible);
            if (!item.IsMenu()) {
                action->setCheckable(item.RadioItem || item.Checked);
                action->setChecked(item.Checked);
            }
        }
    }
    for (const TMenuItem& child : item.Items)
        SyncItem(child);
}

void TMainForm::SyncFromModel()
{
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (TChildForm* child = ChildOf(window))
            child->ModelChanged();
    for (const TMenuItem& top : m_logic->Menu().Menus)
        SyncItem(top);
    setWindowTitle(Q(m_logic->Title()));
}

QAction* TMainForm::Action(const std::string& name) const
{
    const auto found = m_actions.find(name);
    return found == m_actions.end() ? nullptr : found->second;
}

QMenu* TMainForm::Menu(const std::string& name) const
{
    const auto found = m_menus.find(name);
    return found == m_menus.end() ? nullptr : found->second;
}

// ---- Commands of other parts and child windows ----

void TMainForm::Dispatch(const TDispatchRequest& request)
{
    if (m_running)
        return;
    if (request.Item == "CompRun") {
        m_run->CompRunClick();
        return;
    }
    if (IsExternalCommand(request.Item)) {
        m_external->ClickItem(request.Item);
        if (request.Item == "N3DView1")
            m_logic->ViewerPath = m_external->ViewerPath;
        return;
    }
    if (request.Item == "HelpAbout") {
        m_aboutBox->exec();
        return;
    }
    if (request.Form == "TDlgOptions") {
        OpenOptions(request);
        return;
    }
    // Forms of their own parts: made once, brought to the front when asked again.
    const std::string key = request.Form.empty() ? request.Item : request.Form;
    if (QMdiSubWindow* open = FindChild(key)) {
        if (request.Show) {
            open->show();
            m_mdi->setActiveSubWindow(open);
        }
        return;
    }
    const auto maker = ChildFormMakers().find(key);
    if (maker == ChildFormMakers().end())
        return;
    if (QWidget* widget = maker->second(*this, request)) {
        QMdiSubWindow* window = AddChild(widget);
        if (!request.Show)
            window->hide();
    }
}

void TMainForm::OpenOptions(const TDispatchRequest& request)
{
    if (QMdiSubWindow* open = FindChild("TDlgOptions")) {
        open->show();
        m_mdi->setActiveSubWindow(open);
        return;
    }
    auto options = std::make_unique<TDlgOptions>(m_logic->Settings(), [this]() -> TProgramData& { return m_logic->ProgramData(); },
                                                 *m_prompter);
    options->OnClosed = [this] { m_logic->SetFormOpen("TDlgOptions", false); };
    QMdiSubWindow* window = AddChild(new TDlgOptionsWindow(std::move(options)));
    if (!request.Show)
        window->hide();
}

QMdiSubWindow* TMainForm::AddChild(QWidget* widget)
{
    // A form that set its client size keeps it; the frame adds its border around it.
    const bool sized = widget->testAttribute(Qt::WA_Resized);
    const QSize client = widget->size();
    QMdiSubWindow* window = m_mdi->addSubWindow(widget);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (TChildForm* child = dynamic_cast<TChildForm*>(widget)) {
        const std::string form = child->FormClassName();
        window->setProperty("formClass", Q(form));
        m_logic->SetFormOpen(form, true);
        connect(window, &QObject::destroyed, this, [this, form] {
            if (m_logic)
                m_logic->SetFormOpen(form, false);
        });
    }
    window->show();
    if (sized)
        window->resize(client + (window->size() - widget->size()));
    m_mdi->setActiveSubWindow(window);
    return window;
}

QMdiSubWindow* TMainForm::FindChild(const std::string& formClass) const
{
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (window->property("formClass").toString().toStdString() == formClass)
            return window;
    return nullptr;
}

TChildForm* TMainForm::ChildOf(QMdiSubWindow* window)
{
    return window ? dynamic_cast<TChildForm*>(window->widget()) : nullptr;
}

void TMainForm::SubWindowActivated(QMdiSubWindow* window)
{
    // Qt reports no window while the frame itself is inactive; the child stays current then and is not
    // reloaded when the frame comes back.
    if (!window || window == m_current)
        return;
    if (TChildForm* previous = ChildOf(m_current))
        previous->FormDeactivate();
    m_current = window;
    if (TChildForm* child = ChildOf(window))
        child->FormActivate();
}

void TMainForm::ArrangeIcons()
{
    // Minimised children in a row along the bottom of the frame, as icons are arranged.
    int x = 0;
    const int height = m_mdi->viewport()->height();
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, height - size.height());
        x += size.width();
    }
}

// ---- Life cycle ----

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_logic->FormShow(m_arguments);
    SyncFromModel();
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_shown && !m_running) {
        m_logic->FormActivate();
        SyncFromModel();
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_running || m_closing) {
        event->ignore();
        return;
    }
    m_closing = true;
    const bool allowed = m_logic->FormCloseQuery();
    if (allowed) {
        m_logic->FormClose();
        event->accept();
    } else {
        event->ignore();
    }
    m_closing = false;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
}

void TMainForm::dropEvent(QDropEvent* event)
{
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    if (paths.empty() || m_running)
        return;
    event->acceptProposedAction();
    m_logic->FilesDropped(paths);
}

} // namespace quavis
