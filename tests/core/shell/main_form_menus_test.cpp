#include "shell_harness.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quavis {
namespace {

using test::EditorLog;
using test::ShellHarness;

// ---- The menu bar ----

TEST(MainFormMenus, CaptionsShortcutsAndOrder)
{
    ShellHarness s;
    s.Start();
    std::vector<std::string> top;
    for (const TMenuItem& menu : s.logic->Menu().Menus)
        top.push_back(menu.Caption);
    EXPECT_EQ(top, (std::vector<std::string>{"&File", "&Data", "&Computation", "&Graphics", "View Geometry",
                                             "&Window", "&Help"}));
    EXPECT_EQ(s.Item("FileNew").Shortcut, "Ctrl+N");
    EXPECT_EQ(s.Item("FileOpen").Shortcut, "Ctrl+O");
    EXPECT_EQ(s.Item("FileSave").Shortcut, "Ctrl+S");
    EXPECT_EQ(s.Item("FileSaveAs").Caption, "Save &As...");
    EXPECT_EQ(s.Item("FileExit").Caption, "E&xit");
    EXPECT_EQ(s.Item("EnglishUnits").Tag, 1);
    EXPECT_EQ(s.Item("SIUnits").Tag, 2);
    EXPECT_EQ(s.Item("Sidesoilpilecap1").Caption, "Side Soil of Pile Cap");

    std::vector<std::string> data;
    for (const TMenuItem& item : s.Item("DataMenu").Items)
        data.push_back(item.Caption);
    EXPECT_EQ(data, (std::vector<std::string>{
                        "&Title", "&Units", "-", "Option of Foundation System", "Option of Loading", "-",
                        "Option of Foundation Shape", "Footing Mass Parameters", "Foundation Dimension and Constants",
                        "Foundation Layer", "-", "Pile Cap Shape/Dimension", "Pile Cap Mass Properties",
                        "Pile Coordinates", "&Pile Properties", "Pile Elements", "-", "Soil &Layer Data",
                        "Soil Data Below Footing/PileTip", "Side Soil of Pile Cap", "Soil Column Layer", "-",
                        "Harmonic Loading Data", "Transient Loading Data", "Random Loading Data", "-",
                        "Control &Options..."}));
    std::vector<std::string> help;
    for (const TMenuItem& item : s.Item("HelpMenu").Items)
        help.push_back(item.Caption);
    EXPECT_EQ(help, (std::vector<std::string>{"&Contents", "&User's Manual", "-", "&About...", "-",
                                              "Check for &Updates"}));
}

// ---- Data menu ----

TEST(MainFormDataMenu, EnablingAndSideSoilCaptionByFoundationType)
{
    const char* const items[] = {"OptionofFoundationShape1", "FootingMassParameters1",
                                 "FoundationDimensionandConstants1", "FoundationLayer1", "PileCapShapeDimension1",
                                 "PilecapDimension1", "PileCoordinates1", "PileProperties1", "PileGroupArrangement1",
                                 "SoilLayerCoordinates1", "SoilDataBelowFoundationTip1", "Sidesoilpilecap1",
                                 "SoilLayerBelowFoundation1"};
    struct Case {
        const char* keyword;
        std::vector<bool> enabled;  // in the order of `items`
        const char* sideSoil;
    };
    const Case cases[] = {
        {HalfSpaceKeyword, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0}, "Side Soil of Fondation"},
        {StratumKeyword, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}, "Side Soil"},
        {PileKeyword, {0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0}, "Side Soil of Pile Cap"},
        {MultilayerKeyword, {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1}, "Side Soil of Fondation"},
    };
    for (const Case& c : cases) {
        ShellHarness s;
        s.Start();
        // Items the table does not name keep whatever state they had.
        s.Item("DataTitle").Enabled = false;
        s.Item("OptionsControl").Enabled = false;
        s.Data().FoundationKeyword = c.keyword;
        s.logic->OpenMenu("DataMenu");
        for (std::size_t i = 0; i < std::size(items); ++i)
            EXPECT_EQ(s.Item(items[i]).Enabled, c.enabled[i]) << c.keyword << " " << items[i];
        EXPECT_EQ(s.Item("Sidesoilpilecap1").Caption, c.sideSoil) << c.keyword;
        EXPECT_FALSE(s.Item("DataTitle").Enabled) << c.keyword;
        EXPECT_FALSE(s.Item("OptionsControl").Enabled) << c.keyword;
    }
}

TEST(MainFormDataMenu, AnUnknownKeywordChangesNothing)
{
    ShellHarness s;
    s.Start();
    s.Data().FoundationKeyword = PileKeyword;
    s.logic->OpenMenu("DataMenu");
    s.Data().FoundationKeyword = "pile";
    s.logic->OpenMenu("DataMenu");
    EXPECT_TRUE(s.Item("PileProperties1").Enabled);
    EXPECT_FALSE(s.Item("OptionofFoundationShape1").Enabled);
    EXPECT_EQ(s.Item("Sidesoilpilecap1").Caption, "Side Soil of Pile Cap");
}

TEST(MainFormDataMenu, MultilayerSoilColumnFollowsTheLayers)
{
    struct Case {
        const char* keyword;
        int layers, soilRows, columnBefore, columnAfter;
    };
    const Case cases[] = {
        {MultilayerKeyword, 5, 2, 1, 3},
        {MultilayerKeyword, 2, 4, 3, 0},  // a negative count leaves no rows
        {MultilayerKeyword, 1, 1, 4, 4},  // a single layer leaves the column as it is
        {HalfSpaceKeyword, 5, 2, 1, 1},
    };
    for (const Case& c : cases) {
        ShellHarness s;
        s.Start();
        TProject& p = s.logic->Project();
        s.Data().FoundationKeyword = c.keyword;
        p.MultiElement.SetRowCount(c.layers);
        p.D.SetRowCount(c.soilRows);
        p.Multisoil.SetRowCount(c.columnBefore);
        s.logic->OpenMenu("DataMenu");
        EXPECT_EQ(p.Multisoil.RowCount(), c.columnAfter) << c.keyword << " " << c.layers << "/" << c.soilRows;
    }
}

TEST(MainFormDataMenu, ItemsOpenTheirFormsThroughTheDispatchPoint)
{
    struct Case {
        const char* item;
        int foundationType;
        int shape;
        const char* form;  // nullptr: nothing is asked for
        bool show;
    };
    const Case cases[] = {
        {"DataTitle", 1, 0, "TdlgTitle", true},
        {"OptionofFoundationSystem1", 1, 0, "TfrmLayout", true},
        {"OptionofFoundationShape1", 1, 0, "TfrmShape", true},
        {"PileCapShapeDimension1", 2, 1, "TfrmShape", true},
        {"OptionofFoundationShape1", 1, 2, "TfrmShape", false},
        {"FootingMassParameters1", 1, 0, "TfrmMassdata", true},
        {"FoundationDimensionandConstants1", 1, 0, "TfrmFoundations", true},
        {"FoundationDimensionandConstants1", 3, 0, "TfrmFoundations", true},
        {"FoundationDimensionandConstants1", 4, 0, "TfrmMultimat", true},
        {"FoundationDimensionandConstants1", 2, 0, nullptr, true},
        {"PilecapDimension1", 2, 0, "TfrmNCPileProperties", true},
        {"PileProperties1", 2, 0, "TfrmCPileProperties", true},
        {"SoilDataBelowFoundationTip1", 1, 0, "TfrmTipsoil", true},
        {"NonQuadratic1", 1, 0, "Tfrmharmonic", true},
        {"Quadratic1", 1, 0, "TfrmQuad", true},
        {"TransientLoadingData1", 2, 0, "Tfrmtransient", true},
        {"RandomLoadingData1", 3, 0, "Tfrmrandom", true},
        {"OptionsControl", 1, 0, "TDlgOptions", true},
        {"TopViewItem", 1, 0, "TDlgTopView", true},
        {"SideViewItem", 1, 0, "TDlgSideViewXZ", true},
        {"sideviewYZ", 1, 0, "TDlgSideViewYZ", true},
    };
    for (const Case& c : cases) {
        ShellHarness s;
        s.Start();
        s.Data().FoundationType = c.foundationType;
        s.Data().ShapeCircular = c.shape;
        s.logic->ClickItem(c.item);
        if (!c.form) {
            EXPECT_TRUE(s.dispatched.empty()) << c.item;
            continue;
        }
        ASSERT_EQ(s.dispatched.size(), 1u) << c.item;
        EXPECT_EQ(s.dispatched[0].Item, c.item);
        EXPECT_EQ(s.dispatched[0].Form, c.form) << c.item;
        EXPECT_EQ(s.dispatched[0].Show, c.show) << c.item;
    }
}

TEST(MainFormDataMenu, CommandsOfOtherPartsGoToTheDispatchPointByName)
{
    ShellHarness s;
    s.Start();
    for (const char* item : {"CompRun", "CompInput", "CompKernel", "CompOutput", "N3DView1", "HelpContents",
                             "Contents1", "HelpAbout", "About1", "mrealKxx", "FootingResponseAmplitudeDisplacement1"}) {
        s.dispatched.clear();
        s.logic->ClickItem(item);
        ASSERT_EQ(s.dispatched.size(), 1u) << item;
        EXPECT_EQ(s.dispatched[0].Item, item);
        EXPECT_EQ(s.dispatched[0].Form, "") << item;
    }
}

TEST(MainFormDataMenu, TableItemsOpenTheirTableEditors)
{
    using Pick = TGridTable* (*)(TProject&);
    struct Case {
        const char* item;
        int foundationType;
        Pick table;  // nullptr: nothing opens
    };
    const Case cases[] = {
        {"FoundationLayer1", 4, [](TProject& p) { return &p.MultiElement; }},
        {"PileCoordinates1", 2, [](TProject& p) { return &p.Pilecoord; }},
        {"PileGroupArrangement1", 2, [](TProject& p) { return &p.PileData; }},
        {"SoilLayerCoordinates1", 2, [](TProject& p) { return &p.D; }},
        {"SoilLayerCoordinates1", 1, nullptr},
        {"Sidesoilpilecap1", 1, [](TProject& p) { return &p.D1; }},
        {"Sidesoilpilecap1", 2, [](TProject& p) { return &p.pilecapsoil; }},
        {"Sidesoilpilecap1", 3, [](TProject& p) { return &p.D; }},
        {"Sidesoilpilecap1", 4, [](TProject& p) { return &p.D; }},
        {"SoilLayerBelowFoundation1", 4, [](TProject& p) { return &p.Multisoil; }},
    };
    for (const Case& c : cases) {
        EditorLog editors;
        ShellHarness s;
        s.Start();
        s.Data().FoundationType = c.foundationType;
        s.logic->ClickItem(c.item);
        if (!c.table) {
            EXPECT_TRUE(editors.shown.empty()) << c.item;
            continue;
        }
        ASSERT_EQ(editors.shown.size(), 1u) << c.item << " " << c.foundationType;
        EXPECT_EQ(editors.shown[0], c.table(s.logic->Project())) << c.item << " " << c.foundationType;
        EXPECT_TRUE(s.dispatched.empty()) << c.item;
    }
}

// ---- Loading menus ----

TEST(MainFormLoading, OpeningAProjectSynchronisesTheLoadingMenus)
{
    for (int type : {HarmonicLoading, TransientLoading, RandomLoading}) {
        ShellHarness s;
        const std::string path = s.WriteProject("l.vqd", [type](TProject& p) { p.ProgramData().LoadingType = type; });
        s.Start();
        s.logic->OpenFileName(path);
        ASSERT_EQ(s.Data().LoadingType, type);
        const char* items[] = {"HarmonicLoading1", "TransientLoading1", "RandomLoading1"};
        const char* dataItems[] = {"HarmonicLoadingData1", "TransientLoadingData1", "RandomLoadingData1"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(s.Item(items[i]).Checked, i + 1 == type) << type << " " << items[i];
            EXPECT_EQ(s.Item(dataItems[i]).Enabled, i + 1 == type) << type << " " << dataItems[i];
        }
    }
}

TEST(MainFormLoading, AChosenTypeStaysChosen)
{
    ShellHarness s;
    const std::string path =
        s.WriteProject("t.vqd", [](TProject& p) { p.ProgramData().LoadingType = TransientLoading; });
    s.Start({path});
    s.logic->ClickItem("RandomLoading1");
    EXPECT_EQ(s.Data().LoadingType, RandomLoading);
    EXPECT_TRUE(s.Item("RandomLoading1").Checked);
    EXPECT_FALSE(s.Item("TransientLoading1").Checked);
    EXPECT_TRUE(s.Item("RandomLoadingData1").Enabled);
    EXPECT_FALSE(s.Item("TransientLoadingData1").Enabled);
    s.logic->OpenMenu("DataMenu");
    s.logic->FormActivate();
    EXPECT_EQ(s.Data().LoadingType, RandomLoading);
    EXPECT_TRUE(s.Item("RandomLoading1").Checked);
    EXPECT_TRUE(s.Item("RandomLoadingData1").Enabled);
}

TEST(MainFormLoading, ActivationFollowsTheModelAndDisablesPileCoordinates)
{
    ShellHarness s;
    s.Start();
    s.Data().FoundationKeyword = PileKeyword;
    s.logic->OpenMenu("DataMenu");
    ASSERT_TRUE(s.Item("PileCoordinates1").Enabled);
    s.Data().LoadingType = TransientLoading;
    s.logic->FormActivate();
    EXPECT_FALSE(s.Item("PileCoordinates1").Enabled);
    EXPECT_TRUE(s.Item("TransientLoading1").Checked);
    EXPECT_FALSE(s.Item("HarmonicLoading1").Checked);
    EXPECT_TRUE(s.Item("TransientLoadingData1").Enabled);
    EXPECT_FALSE(s.Item("HarmonicLoadingData1").Enabled);
}

TEST(MainFormLoading, QuadraticAndNonQuadratic)
{
    ShellHarness s;
    s.Start();
    s.logic->OpenMenu("HarmonicLoadingData1");
    EXPECT_TRUE(s.Item("NonQuadratic1").Checked);
    EXPECT_FALSE(s.Item("Quadratic1").Checked);
    s.logic->ClickItem("Quadratic1");
    EXPECT_EQ(s.Data().QuadraticLoading, 1);
    EXPECT_FALSE(s.Item("NonQuadratic1").Checked);
    s.logic->OpenMenu("HarmonicLoadingData1");
    EXPECT_TRUE(s.Item("Quadratic1").Checked);
    s.logic->ClickItem("NonQuadratic1");
    EXPECT_EQ(s.Data().QuadraticLoading, 0);
    EXPECT_FALSE(s.Item("Quadratic1").Checked);
}

TEST(MainFormLoading, PileItemsFollowTheFoundationKeyword)
{
    ShellHarness s;
    s.Start();
    const char* const pileItems[] = {"PileProperties1", "PileGroupArrangement1", "PileCoordinates1"};
    s.Data().FoundationKeyword = PileKeyword;
    s.logic->SyncPileItems();
    for (const char* item : pileItems)
        EXPECT_TRUE(s.Item(item).Enabled) << item;
    s.Data().FoundationKeyword = "UNKNOWN";
    s.logic->SyncPileItems();
    for (const char* item : pileItems)
        EXPECT_TRUE(s.Item(item).Enabled) << item;
    s.Data().FoundationKeyword = StratumKeyword;
    s.logic->SyncPileItems();
    for (const char* item : pileItems)
        EXPECT_FALSE(s.Item(item).Enabled) << item;
}

// ---- Units ----

TEST(MainFormUnits, SwitchingConvertsChecksAndRefreshesOpenWindows)
{
    EditorLog editors;
    ShellHarness s;
    s.Start();
    s.Data().BaseX = 1;  // m
    s.logic->OpenMenu("OptionsUnits");
    EXPECT_TRUE(s.Item("SIUnits").Checked);
    EXPECT_FALSE(s.Item("EnglishUnits").Checked);

    for (const char* form : {"TdlgTitle", "TfrmShape", "TDlgOptions", "TfrmMassdata", "TfrmNCPileProperties"})
        s.logic->SetFormOpen(form, true);
    s.logic->SetFormOpen("TfrmNCPileProperties", false);
    s.logic->ClickItem("FoundationLayer1");  // an open table editor
    ASSERT_EQ(editors.shown.size(), 1u);

    s.logic->ClickItem("EnglishUnits");
    EXPECT_EQ(s.Data().UnitSystem, English);
    EXPECT_NEAR(static_cast<double>(s.Data().BaseX), 3.2808, 1e-3);
    EXPECT_TRUE(s.Item("EnglishUnits").Checked);
    EXPECT_FALSE(s.Item("SIUnits").Checked);
    // The forms in their fixed order, then the open editor again.
    EXPECT_EQ(s.activated, (std::vector<std::string>{"TfrmShape", "TDlgOptions", "TdlgTitle"}));
    ASSERT_EQ(editors.shown.size(), 2u);
    EXPECT_EQ(editors.shown[1], &s.logic->Project().MultiElement);
}

// ---- Computation menu ----

TEST(MainFormComputation, TextItemsNeedTheirFiles)
{
    ShellHarness s;
    const std::string path = s.WriteProject("c.vqd");
    s.Start({path});
    s.logic->OpenMenu("ComputationMenu");
    EXPECT_TRUE(s.Item("CompInput").Enabled);
    EXPECT_FALSE(s.Item("CompKernel").Enabled);
    EXPECT_FALSE(s.Item("CompOutput").Enabled);
    EXPECT_TRUE(s.Item("CompRun").Enabled);

    s.dir.Write("c.vqo", "output");
    s.dir.Write("c.vqr", "notes");
    s.logic->OpenMenu("ComputationMenu");
    EXPECT_TRUE(s.Item("CompKernel").Enabled);
    EXPECT_TRUE(s.Item("CompOutput").Enabled);

    std::filesystem::remove(path);
    s.logic->OpenMenu("ComputationMenu");
    EXPECT_FALSE(s.Item("CompInput").Enabled);
}

TEST(MainFormGraphics, ItemsFollowTheResults)
{
    ShellHarness s;
    const std::string path = s.WriteProject("g.vqd");
    s.dir.Write("g.vqp", test::TwoRecordPlotData);
    s.Start({path});
    s.logic->OpenMenu("GraphicsMenu");
    EXPECT_TRUE(s.Item("mrealKxx").Enabled);
    EXPECT_TRUE(s.Item("FootingResponseAmplitudeDisplacement1").Enabled);
    std::filesystem::remove(s.Path("g.vqp"));
    s.logic->OpenMenu("GraphicsMenu");
    EXPECT_FALSE(s.Item("mrealKxx").Enabled);
    EXPECT_FALSE(s.Item("FootingResponseAmplitudeDisplacement1").Enabled);
}

// ---- Window menu ----

TEST(MainFormWindow, ListsTheFirstFiftyChildren)
{
    ShellHarness s;
    s.Start();
    for (int i = 0; i < 51; ++i)
        s.children.push_back("Child " + std::to_string(i));
    s.logic->OpenMenu("ArrangeMenu");
    const TMenuItem& window = s.Item("ArrangeMenu");
    ASSERT_EQ(window.Items.size(), 53u);
    EXPECT_TRUE(s.Item("N3").Visible);
    for (int i = 0; i < 50; ++i) {
        const TMenuItem& item = window.Items[static_cast<std::size_t>(3 + i)];
        EXPECT_TRUE(item.Visible) << i;
        EXPECT_EQ(item.Caption, "Child " + std::to_string(i));
        EXPECT_EQ(item.Tag, i);
    }
    s.logic->ClickItem(window.Items[10].Name);
    EXPECT_EQ(s.log.back(), "show 7");

    s.children.resize(2);
    s.logic->OpenMenu("ArrangeMenu");
    EXPECT_TRUE(window.Items[4].Visible);
    EXPECT_FALSE(window.Items[5].Visible);
    s.children.clear();
    s.logic->OpenMenu("ArrangeMenu");
    EXPECT_FALSE(s.Item("N3").Visible);
    EXPECT_FALSE(window.Items[3].Visible);

    s.logic->ClickItem("WindowCascade");
    s.logic->ClickItem("WindowArrange");
    EXPECT_EQ((std::vector<std::string>(s.log.end() - 2, s.log.end())),
              (std::vector<std::string>{"cascade", "arrange"}));
}

// ---- Committing the active child ----

TEST(MainFormCommit, MenusThatCommitTheActiveChild)
{
    struct Case {
        const char* menu;
        bool commits;
    };
    const Case cases[] = {
        {"FileMenu", true},     {"DataMenu", true},  {"ComputationMenu", true}, {"HelpMenu", true},
        {"GraphicsMenu", false}, {"ViewItem", false}, {"ArrangeMenu", false},
    };
    for (const Case& c : cases) {
        ShellHarness s;
        s.Start();
        s.children = {"Form"};
        s.log.clear();
        s.logic->OpenMenu(c.menu);
        EXPECT_EQ(s.log == std::vector<std::string>{"commit"}, c.commits) << c.menu;
        // Without child windows there is nothing to commit.
        s.children.clear();
        s.log.clear();
        s.logic->OpenMenu(c.menu);
        EXPECT_TRUE(s.log.empty()) << c.menu;
    }
}

TEST(MainFormCommit, AShortcutOpensTheMenuFirst)
{
    ShellHarness s;
    s.Start();
    s.children = {"Form"};
    s.log.clear();
    s.logic->TriggerShortcut("FileNew");
    // The pending edit is committed before the new model closes the child windows.
    EXPECT_EQ(s.log, (std::vector<std::string>{"commit", "closeAll"}));

    // A shortcut reaches a disabled item not at all.
    s.children = {"Form"};
    s.Data().FoundationKeyword = HalfSpaceKeyword;
    s.log.clear();
    s.logic->TriggerShortcut("PileProperties1");
    EXPECT_EQ(s.log, (std::vector<std::string>{"commit"}));
    EXPECT_TRUE(s.dispatched.empty());
}

// ---- Errors ----

TEST(MainFormErrors, NoErrorEscapesACommand)
{
    ShellHarness s;
    s.Start();
    s.logic->Hooks.Dispatch = [](const TDispatchRequest&) { throw std::runtime_error("The form failed"); };
    s.prompter.ExpectMessage("The form failed");
    EXPECT_NO_THROW(s.logic->ClickItem("DataTitle"));
    ASSERT_EQ(s.prompter.Records().size(), 1u);
    EXPECT_EQ(s.prompter.Records()[0].Kind, TMessageKind::Error);

    // Names the bar does not hold are ignored.
    EXPECT_NO_THROW(s.logic->ClickItem("NoSuchItem"));
    EXPECT_NO_THROW(s.logic->OpenMenu("NoSuchMenu"));
    EXPECT_NO_THROW(s.logic->TriggerShortcut("NoSuchItem"));
}

TEST(MainFormErrors, HooksMayBeLeftEmpty)
{
    test::ScriptedPrompter prompter;
    TMemorySettingsStore store;
    TMainFormLogic logic(prompter, store);
    logic.FormCreate();
    logic.FormShow({});
    for (const TMenuItem& menu : logic.Menu().Menus) {
        logic.OpenMenu(menu.Name);
        for (const TMenuItem& item : menu.Items)
            // Everything but the commands that ask for a file.
            if (item.Visible && !item.IsSeparator() && !item.IsMenu() && item.Name != "FileExit" &&
                item.Name != "FileSave" && item.Name != "FileSaveAs" && item.Name != "FileOpen")
                logic.ClickItem(item.Name);
    }
    logic.FileExitClick();
    EXPECT_TRUE(logic.Closed());
}

} // namespace
} // namespace quavis
