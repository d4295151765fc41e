#pragma once

#include "components/grid_editor.h"
#include "components/grid_table.h"
#include "model/project.h"
#include "shell/main_form_logic.h"
#include "shell/memory_settings_store.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quavis::test {

// A plot-data file of two records for a harmonic project with the stiffness matrix.
inline const char* const TwoRecordPlotData = "2\r\n"
                                             "62.832 1 2 3 4 5 6 7 8\r\n"
                                             "62.832 11 12 13 14 15 16 17 18\r\n"
                                             "125.664 1 2 3 4 5 6 7 8\r\n"
                                             "125.664 11 12 13 14 15 16 17 18\r\n"
                                             "62.832 21 22 23 24 25 26\r\n"
                                             "125.664 21 22 23 24 25 26\r\n";

// The main window's logic in a temporary folder, with a scripted prompter, an in-memory settings store
// and a frame of fake child windows that logs what the logic asks of it.
class ShellHarness {
public:
    ShellHarness()
    {
        logic = std::make_unique<TMainFormLogic>(prompter, store);
        TMainFormHooks& h = logic->Hooks;
        h.CommitActiveChild = [this] { log.push_back("commit"); };
        h.CloseAllChildren = [this] {
            log.push_back("closeAll");
            children.clear();
        };
        h.ChildCount = [this] { return static_cast<int>(children.size()); };
        h.ChildCaption = [this](int i) { return children.at(static_cast<std::size_t>(i)); };
        h.ShowChild = [this](int i) { log.push_back("show " + std::to_string(i)); };
        h.Cascade = [this] { log.push_back("cascade"); };
        h.ArrangeIcons = [this] { log.push_back("arrange"); };
        h.ActivateForm = [this](const std::string& form) { activated.push_back(form); };
        h.Dispatch = [this](const TDispatchRequest& r) { dispatched.push_back(r); };
    }

    ~ShellHarness()
    {
        logic.reset();
        std::error_code error;
        std::filesystem::current_path(savedCwd, error);
    }

    ShellHarness(const ShellHarness&) = delete;
    ShellHarness& operator=(const ShellHarness&) = delete;

    // The window's start-up: creation, first show with these arguments, activation.
    void Start(const std::vector<std::string>& arguments = {})
    {
        logic->FormCreate();
        logic->FormShow(arguments);
        logic->FormActivate();
    }

    // A project file written by the program itself, after `setup` has shaped the model.
    std::string WriteProject(const std::string& name, const std::function<void(TProject&)>& setup = {}) const
    {
        const std::filesystem::path path = dir.Path() / name;
        std::filesystem::create_directories(path.parent_path());
        TProject project;
        if (setup)
            setup(project);
        project.ProgramData().FileName = path.string();
        project.Save();
        return path.string();
    }

    std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }
    TMenuItem& Item(const std::string& name) { return logic->Menu().Item(name); }
    TProgramData& Data() { return logic->ProgramData(); }

    std::filesystem::path savedCwd = std::filesystem::current_path();
    TempDir dir;
    ScriptedPrompter prompter;
    TMemorySettingsStore store;
    std::vector<std::string> log;
    std::vector<std::string> children;
    std::vector<std::string> activated;
    std::vector<TDispatchRequest> dispatched;
    std::unique_ptr<TMainFormLogic> logic;
};

// Table editors that log which table they were opened for; installed for the life of the object.
class EditorLog {
public:
    EditorLog()
    {
        SetGridEditorFactory([this](TGridTable& table, bool) -> std::unique_ptr<TGridTableEditor> {
            return std::make_unique<Editor>(*this, table);
        });
    }
    ~EditorLog() { SetGridEditorFactory({}); }
    EditorLog(const EditorLog&) = delete;
    EditorLog& operator=(const EditorLog&) = delete;

    std::vector<const TGridTable*> shown;

private:
    class Editor : public TGridTableEditor {
    public:
        Editor(EditorLog& owner, TGridTable& table) : m_owner(owner), m_table(table) {}
        void Show() override { m_owner.shown.push_back(&m_table); }
        void SetTitle(const std::string&) override {}

    private:
        EditorLog& m_owner;
        TGridTable& m_table;
    };
};

} // namespace quavis::test
