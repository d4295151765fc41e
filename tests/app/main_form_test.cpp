#include "app_fixture.h"

#include <fstream>
#include <functional>

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include "shell/about_box.h"
#include "shell/dlg_options_window.h"
#include "shell/quavis_application.h"
#include "support/cli_runner.h"

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

std::string NewProjectFile(const fs::path& path)
{
    const CliResult result = RunCli({"new", path.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return path.string();
}

// Every item of the model against its action: caption, visibility, enabling and check mark.
void ExpectActionsFollowModel(const TMainForm& form, const TMenuItem& item, bool top = false)
{
    if (!item.Name.empty()) {
        const QAction* action = form.Action(item.Name);
        ASSERT_NE(action, nullptr) << item.Name;
        EXPECT_EQ(action->objectName().toStdString(), item.Name);
        if (!item.IsSeparator()) {
            EXPECT_EQ(action->text().toStdString(), item.Caption) << item.Name;
        }
        EXPECT_EQ(action->isSeparator(), item.IsSeparator()) << item.Name;
        EXPECT_EQ(action->isVisible(), item.Visible) << item.Name;
        // Qt reports a hidden action as disabled.
        if (item.Visible) {
            EXPECT_EQ(action->isEnabled(), item.Enabled) << item.Name;
        }
        if (!item.IsMenu() && !top) {
            EXPECT_EQ(action->isChecked(), item.Checked) << item.Name;
        }
        if (!item.Shortcut.empty()) {
            EXPECT_EQ(action->shortcut().toString().toStdString(), item.Shortcut) << item.Name;
        }
    }
    for (const TMenuItem& child : item.Items)
        ExpectActionsFollowModel(form, child);
}

TEST_F(MainFormTest, StartsWithANewProjectWithoutArgument)
{
    Start();
    EXPECT_EQ(Title(), "QUAVIS 3.0.6 - NewData");
    EXPECT_EQ(form->Logic().ProgramData().FileName, "NewData.vqd");
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 0);
}

TEST_F(MainFormTest, StartsOnTheCommandLineProjectAddingItsExtension)
{
    NewProjectFile(projects / "bridge.vqd");
    Start({(projects / "bridge").string()});
    EXPECT_EQ(Title(), "QUAVIS 3.0.6 - Bridge");
    EXPECT_EQ(fs::path(form->Logic().ProgramData().FileName), projects / "bridge.vqd");
    // The command line does not touch the recent list.
    OpenMenu("FileMenu");
    EXPECT_FALSE(form->Action("PrevFile1")->isVisible());
    EXPECT_EQ(store.WriteCount(), 0);
}

TEST_F(MainFormTest, AMissingCommandLineProjectGivesANewOneSilently)
{
    Start({(projects / "absent.vqd").string()});
    EXPECT_EQ(Title(), "QUAVIS 3.0.6 - NewData");
    EXPECT_TRUE(prompter.Records().empty());
}

TEST_F(MainFormTest, MenuBarShowsTheModelWithCaptionsNamesAndShortcuts)
{
    Start();
    std::vector<std::string> titles;
    std::vector<std::string> names;
    for (QAction* action : form->menuBar()->actions()) {
        titles.push_back(action->text().toStdString());
        names.push_back(action->objectName().toStdString());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Data", "&Computation", "&Graphics", "View Geometry",
                                                 "&Window", "&Help"}));
    EXPECT_EQ(names, (std::vector<std::string>{"FileMenu", "DataMenu", "ComputationMenu", "GraphicsMenu", "ViewItem",
                                                "ArrangeMenu", "HelpMenu"}));
    EXPECT_EQ(form->Action("FileNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(form->Action("FileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(form->Action("FileSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    // Ten recent slots after "Save &As..." and N1; 50 window-list items after N3.
    const QList<QAction*> file = form->Menu("FileMenu")->actions();
    ASSERT_GE(file.size(), 17);
    EXPECT_EQ(file[4]->objectName(), QStringLiteral("N1"));
    EXPECT_EQ(file[5]->objectName(), QStringLiteral("PrevFile1"));
    EXPECT_EQ(file[14]->objectName(), QStringLiteral("PrevFile10"));
    EXPECT_EQ(file[16]->objectName(), QStringLiteral("FileExit"));
    EXPECT_EQ(form->Menu("ArrangeMenu")->actions().size(), 53);

    // Every menu, once opened, shows exactly the state its open handler left in the model.
    for (const char* menu : {"FileMenu", "DataMenu", "OptionsUnits", "HarmonicLoadingData1", "ComputationMenu",
                             "GraphicsMenu", "ArrangeMenu", "HelpMenu"}) {
        SCOPED_TRACE(menu);
        OpenMenu(menu);
        for (const TMenuItem& top : form->Logic().Menu().Menus)
            ExpectActionsFollowModel(*form, top, true);
    }
}

TEST_F(MainFormTest, UnitItemsAreRadioItemsCheckedByTheModel)
{
    Start();
    OpenMenu("DataMenu");
    OpenMenu("OptionsUnits");
    QAction* english = form->Action("EnglishUnits");
    QAction* si = form->Action("SIUnits");
    ASSERT_NE(english->actionGroup(), nullptr);
    EXPECT_EQ(english->actionGroup(), si->actionGroup());
    const bool englishFirst = english->isChecked();
    EXPECT_NE(englishFirst, si->isChecked());
    Click(englishFirst ? "SIUnits" : "EnglishUnits");
    OpenMenu("OptionsUnits");
    EXPECT_EQ(english->isChecked(), !englishFirst);
    EXPECT_EQ(form->Logic().ProgramData().UnitSystem, englishFirst ? 2 : 1);
}

TEST_F(MainFormTest, SaveAsOpenAndNewThroughTheWindow)
{
    Start();
    const fs::path saved = projects / "site one.vqd";
    prompter.ExpectSaveFile(saved.string());
    Click("FileSave");
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_TRUE(fs::exists(projects / "site one.vqt"));
    EXPECT_EQ(Title(), "QUAVIS 3.0.6 - Site one");
    ASSERT_EQ(prompter.Records().size(), 1u);
    EXPECT_EQ(prompter.Records()[0].Request.Title, "Save NewData As");

    // The project file now exists: "Edit I&nput Text" comes on.
    OpenMenu("ComputationMenu");
    EXPECT_TRUE(form->Action("CompInput")->isEnabled());
    EXPECT_FALSE(form->Action("CompOutput")->isEnabled());

    Click("FileNew");
    EXPECT_EQ(Title(), "QUAVIS 3.0.6 - NewData");

    prompter.ExpectOpenFile(saved.string());
    Click("FileOpen");
    EXPECT_EQ(Title(), "QUAVIS 3.0.6 - Site one");
    EXPECT_EQ(fs::current_path(), projects.Path());
    OpenMenu("FileMenu");
    EXPECT_TRUE(form->Action("PrevFile1")->isVisible());
    EXPECT_EQ(form->Action("PrevFile1")->text().toStdString(), "1 site one.vqd");
    EXPECT_TRUE(form->Action("N14")->isVisible());
}

TEST_F(MainFormTest, SaveChangesQuestionGuardsNewAndExit)
{
    Start();
    form->Logic().SetModified(true);
    prompter.ExpectYesNoCancel(TPromptAnswer::Cancel, "Do you want to save any changes?");
    Click("FileNew");
    EXPECT_TRUE(form->Logic().IsModified());

    // Yes, then a cancelled Save As: Exit is cancelled and the window stays.
    prompter.ExpectYesNoCancel(TPromptAnswer::Yes).ExpectSaveFile(std::nullopt);
    Click("FileExit");
    EXPECT_TRUE(form->isVisible());

    prompter.ExpectYesNoCancel(TPromptAnswer::No);
    Click("FileExit");
    EXPECT_FALSE(form->isVisible());
    // Closing wrote the settings.
    EXPECT_EQ(store.ReadString("Word Processor"), form->Logic().Settings().WordProcessorPath);
}

TEST_F(MainFormTest, OnlyTheFirstDroppedFileOpensAndTheRecentListStays)
{
    const std::string first = NewProjectFile(projects / "first.vqd");
    const std::string second = NewProjectFile(projects / "second.vqd");
    Start();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(first)), QUrl::fromLocalFile(QString::fromStdString(second))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &drop);
    EXPECT_EQ(Title(), "QUAVIS 3.0.6 - First");
    EXPECT_EQ(fs::current_path(), projects.Path());
    EXPECT_EQ(form->Logic().Settings().PrevFileCount, 0);
    EXPECT_EQ(store.WriteCount(), 0);
}

TEST_F(MainFormTest, DroppedNonLocalUrlsAreRefused)
{
    Start();
    QMimeData mime;
    mime.setUrls({QUrl(QStringLiteral("https://example.com/a.vqd"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(MainFormTest, OptionsWindowEditsTheWordProcessorAndAShortcutCommitsIt)
{
    Start();
    OpenMenu("DataMenu");
    Click("OptionsControl");
    QMdiSubWindow* window = form->FindChild("TDlgOptions");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(form->Logic().IsFormOpen("TDlgOptions"));
    auto* options = qobject_cast<TDlgOptionsWindow*>(window->widget());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->EdtWord()->text().toStdString(), form->Logic().Settings().WordProcessorPath);

    // A second request brings the same window back.
    Click("OptionsControl");
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 1);

    // Ctrl+S from the window (not through the open menu) still commits the active child first.
    options->EdtWord()->setText(QStringLiteral("/opt/editor"));
    auto* shortcut = form->findChild<QShortcut*>(QStringLiteral("FileSaveShortcut"));
    ASSERT_NE(shortcut, nullptr);
    prompter.ExpectSaveFile(std::nullopt);
    emit shortcut->activated();
    EXPECT_EQ(form->Logic().Settings().WordProcessorPath, "/opt/editor");

    // Window menu lists it; closing clears the open flag.
    OpenMenu("ArrangeMenu");
    EXPECT_TRUE(form->Action("WindowItem1")->isVisible());
    EXPECT_EQ(form->Action("WindowItem1")->text(), QStringLiteral("Control Options"));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form->Logic().IsFormOpen("TDlgOptions"));
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 0);
}

TEST_F(MainFormTest, WordProcessorGetsThePathWholeAsOneArgument)
{
    const fs::path folder = projects / "my \"quoted\" folder";
    fs::create_directories(folder);
    const std::string project = NewProjectFile(folder / "a b.vqd");
    Start({project});
    form->Logic().Settings().WordProcessorPath = "/opt/word processor/bin";
    OpenMenu("ComputationMenu");
    Click("CompInput");
    ASSERT_EQ(launcher.Started.size(), 1u);
    EXPECT_EQ(launcher.Started[0].Program, "/opt/word processor/bin");
    EXPECT_EQ(launcher.Started[0].Arguments, std::vector<std::string>{project});
}

TEST_F(MainFormTest, HelpAndUpdateCheckOpenDocuments)
{
    Start();
    OpenMenu("HelpMenu");
    Click("HelpContents");
    Click("About1");
    ASSERT_EQ(launcher.Opened.size(), 2u);
    EXPECT_EQ(fs::path(launcher.Opened[0]), programFolder / "Quavis3Help.chm");
    EXPECT_EQ(launcher.Opened[1].rfind("https://updates.example.com/checkupdates/check/check.php?QUAVIS;3.0.6;", 0), 0u);
}

TEST_F(MainFormTest, AboutBoxShowsTheVersion)
{
    Start();
    OpenMenu("HelpMenu");
    QTimer::singleShot(0, form->AboutBox(), [&] { form->AboutBox()->accept(); });
    Click("HelpAbout");
    EXPECT_EQ(form->AboutBox()->windowTitle(), QStringLiteral("About TALVERN"));
    EXPECT_EQ(form->AboutBox()->Version()->text(), QStringLiteral("Version 3.0.6"));
}

// ---- The general error report ----

class Thrower : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("disk full");
        return QObject::event(event);
    }
};

TEST(GeneralErrorReport, ShowsTheErrorAndTheProgramGoesOn)
{
    std::vector<std::string> reported;
    TQuavisApplication::SetErrorReport([&](const QString& text) { reported.push_back(text.toStdString()); });
    Thrower thrower;
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &first);
    // An error from a queued call reaches the same report.
    bool after = false;
    QTimer::singleShot(0, &thrower, [] { throw std::logic_error("bad state"); });
    QTimer::singleShot(0, &thrower, [&] { after = true; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    TQuavisApplication::SetErrorReport({});
    EXPECT_EQ(reported, (std::vector<std::string>{"disk full", "bad state"}));
    EXPECT_TRUE(after);
}

} // namespace
} // namespace quavis::test
