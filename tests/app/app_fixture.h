#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "shell/main_form.h"
#include "shell/memory_settings_store.h"
#include "shell/process_launcher.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace quavis::test {

// Records what would have been started.
class RecordingLauncher : public ProcessLauncher {
public:
    struct TStart {
        std::string Program;
        std::vector<std::string> Arguments;
    };
    std::vector<TStart> Started;
    std::vector<std::string> Opened;
    bool Succeeds = true;

    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override
    {
        Started.push_back({program, arguments});
        return Succeeds;
    }
    bool OpenDocument(const std::string& pathOrUrl) override
    {
        Opened.push_back(pathOrUrl);
        return Succeeds;
    }
};

// A main window with scripted answers, settings in memory, a recording launcher and a program folder of
// its own. The current directory is put back after each test: opening a project changes it.
class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() : m_cwd(std::filesystem::current_path()) {}
    ~MainFormTest() override
    {
        form.reset();
        std::filesystem::current_path(m_cwd);
    }

    TMainFormServices Services(std::vector<std::string> arguments = {})
    {
        TMainFormServices services;
        services.prompter = &prompter;
        services.settings = &store;
        services.launcher = &launcher;
        services.programFolder = programFolder.Path().string();
        services.arguments = std::move(arguments);
        return services;
    }

    TMainForm& Start(std::vector<std::string> arguments = {})
    {
        form = std::make_unique<TMainForm>(Services(std::move(arguments)));
        form->show();
        QCoreApplication::processEvents();
        return *form;
    }

    // Opens a menu as the user does (its aboutToShow runs the open handler).
    void OpenMenu(const std::string& name)
    {
        QMenu* menu = form->Menu(name);
        ASSERT_NE(menu, nullptr) << name;
        emit menu->aboutToShow();
    }

    void Click(const std::string& name)
    {
        QAction* action = form->Action(name);
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }

    std::string Title() const { return form->windowTitle().toStdString(); }

    ScriptedPrompter prompter;
    TMemorySettingsStore store;
    RecordingLauncher launcher;
    TempDir programFolder;
    TempDir projects;
    std::unique_ptr<TMainForm> form;

private:
    std::filesystem::path m_cwd;
};

} // namespace quavis::test
