#include "shell/main_form_logic.h"

#include "components/grid_table.h"
#include "model/project_reader.h"
#include "results/graphics_menu.h"
#include "results/plot_data_reader.h"
#include "shell/display_name.h"
#include "shell/external_programs.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace quavis {

namespace fs = std::filesystem;

namespace {

const char* const SoilTableComments =
    "Weak Zone Shear Moduli Ratio is suggested to be:\r"
    "- 0.25 to 0.50 for machine foundations,\r"
    "- less than 0.25 for seismic response.\r"
    "A value of 1 indicates no reduction will be considered\r"
    "A value of 0 may generate numerical errors.";

// The caption of the side-soil item before the first opening of the Data menu.
const char* const InitialSideSoilCaption = "Side Soil of Pile Cap";

TMenuItem MenuEntry(std::string name, std::string caption, std::string shortcut = {})
{
    TMenuItem item;
    item.Name = std::move(name);
    item.Caption = std::move(caption);
    item.Shortcut = std::move(shortcut);
    if (!item.Name.empty())
        item.ClickHandler = item.Name + "Click";
    return item;
}

TMenuItem Separator(std::string name = {})
{
    TMenuItem item;
    item.Name = std::move(name);
    item.Caption = "-";
    return item;
}

TMenuItem SubMenu(std::string name, std::string caption, std::string openHandler, std::vector<TMenuItem> items)
{
    TMenuItem menu;
    menu.Name = std::move(name);
    menu.Caption = std::move(caption);
    menu.OpenHandler = std::move(openHandler);
    menu.Items = std::move(items);
    return menu;
}

// A file (not a folder) at that path exists now.
bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::exists(path, error) && !fs::is_directory(path, error);
}

// Opening a project makes its folder current; a folder that cannot be entered leaves the current one.
void EnterFolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        return;
    std::error_code error;
    fs::current_path(folder, error);
}

std::string CurrentDirectory()
{
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string() : current.string();
}

std::string RecentSlotName(std::size_t slot)
{
    return "PrevFile" + std::to_string(slot + 1);
}

std::string WindowListItemName(int index)
{
    return "WindowItem" + std::to_string(index + 1);
}

struct TDataMenuRow {
    const char* Item;
    bool HalfSpace, Stratum, Pile, Multilayer;
};

// Which Data items each foundation type uses.
const TDataMenuRow DataMenuRows[] = {
    {"OptionofFoundationShape1", true, true, false, true},
    {"FootingMassParameters1", true, true, false, true},
    {"FoundationDimensionandConstants1", true, true, false, true},
    {"FoundationLayer1", false, false, false, true},
    {"PileCapShapeDimension1", false, false, true, false},
    {"PilecapDimension1", false, false, true, false},
    {"PileCoordinates1", false, false, true, false},
    {"PileProperties1", false, false, true, false},
    {"PileGroupArrangement1", false, false, true, false},
    {"SoilLayerCoordinates1", false, false, true, false},
    {"SoilDataBelowFoundationTip1", true, true, true, true},
    {"Sidesoilpilecap1", true, false, true, true},
    {"SoilLayerBelowFoundation1", false, false, false, true},
};

const char* const LoadingItems[] = {"HarmonicLoading1", "TransientLoading1", "RandomLoading1"};
const char* const LoadingDataItems[] = {"HarmonicLoadingData1", "TransientLoadingData1", "RandomLoadingData1"};

} // namespace

const std::vector<std::string>& RefreshedForms()
{
    static const std::vector<std::string> forms = {
        "TfrmNCPileProperties", "TfrmCPileProperties", "TfrmShape", "TfrmLayout", "Tfrmharmonic",
        "TfrmQuad",            "Tfrmtransient",       "Tfrmrandom", "TDlgOptions", "TdlgTitle",
    };
    return forms;
}

TMainFormLogic::TMainFormLogic(Prompter& prompter, SettingsStore& store) : m_prompter(prompter), m_settings(store)
{
    BuildMenuBar();
    RegisterHandlers();
    m_project.OnCloseAllChildren = [this] { CloseAllChildren(); };
    m_project.OnUnitSystemChanged = [this] { UnitSystemChanged(); };
    m_title = MainWindowTitle(ProgramData().FileName);
}

TMainFormLogic::~TMainFormLogic()
{
    m_project.OnCloseAllChildren = nullptr;
    m_project.OnUnitSystemChanged = nullptr;
}

void TMainFormLogic::Guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        m_prompter.ShowMessage(e.what(), TMessageKind::Error);
    } catch (...) {
        m_prompter.ShowMessage("An unknown error occurred", TMessageKind::Error);
    }
    StateChanged();
}

bool TMainFormLogic::GuardedBool(const std::function<bool()>& action)
{
    bool result = false;
    Guarded([&] { result = action(); });
    return result;
}

void TMainFormLogic::StateChanged()
{
    if (Hooks.StateChanged)
        Hooks.StateChanged();
}

void TMainFormLogic::BuildMenuBar()
{
    TMenuItem english = MenuEntry("EnglishUnits", "&English Units (lbs, slug, ft)");
    english.Tag = English;
    TMenuItem si = MenuEntry("SIUnits", "&SI Units (kN, Mg, m)");
    si.Tag = SI;

    std::vector<TMenuItem> graphics;
    for (const auto& info : GraphicsMenuItems()) {
        if (info.SeparatorBefore)
            graphics.push_back(Separator());
        graphics.push_back(MenuEntry(info.Field, info.Caption));
    }

    m_menu.Menus = {
        SubMenu("FileMenu", "&File", "FileMenuClick",
             {MenuEntry("FileNew", "&New", "Ctrl+N"), MenuEntry("FileOpen", "&Open...", "Ctrl+O"),
              MenuEntry("FileSave", "&Save", "Ctrl+S"), MenuEntry("FileSaveAs", "Save &As..."), Separator("N1"),
              Separator("N14"), MenuEntry("FileExit", "E&xit")}),
        SubMenu("DataMenu", "&Data", "DataMenuClick",
             {MenuEntry("DataTitle", "&Title"),
              SubMenu("OptionsUnits", "&Units", "OptionsUnitsClick", {english, si}),
              Separator(),
              MenuEntry("OptionofFoundationSystem1", "Option of Foundation System"),
              SubMenu("OptionofLoading1", "Option of Loading", "",
                   {MenuEntry("HarmonicLoading1", "Harmonic Loading"), MenuEntry("TransientLoading1", "Transient Loading"),
                    MenuEntry("RandomLoading1", "Random Loading")}),
              Separator(),
              MenuEntry("OptionofFoundationShape1", "Option of Foundation Shape"),
              MenuEntry("FootingMassParameters1", "Footing Mass Parameters"),
              MenuEntry("FoundationDimensionandConstants1", "Foundation Dimension and Constants"),
              MenuEntry("FoundationLayer1", "Foundation Layer"),
              Separator(),
              MenuEntry("PileCapShapeDimension1", "Pile Cap Shape/Dimension"),
              MenuEntry("PilecapDimension1", "Pile Cap Mass Properties"),
              MenuEntry("PileCoordinates1", "Pile Coordinates"),
              MenuEntry("PileProperties1", "&Pile Properties"),
              MenuEntry("PileGroupArrangement1", "Pile Elements"),
              Separator(),
              MenuEntry("SoilLayerCoordinates1", "Soil &Layer Data"),
              MenuEntry("SoilDataBelowFoundationTip1", "Soil Data Below Footing/PileTip"),
              MenuEntry("Sidesoilpilecap1", InitialSideSoilCaption),
              MenuEntry("SoilLayerBelowFoundation1", "Soil Column Layer"),
              Separator(),
              SubMenu("HarmonicLoadingData1", "Harmonic Loading Data", "HarmonicLoadingData1Click",
                   {MenuEntry("Quadratic1", "Quadratic"), MenuEntry("NonQuadratic1", "NonQuadratic")}),
              MenuEntry("TransientLoadingData1", "Transient Loading Data"),
              MenuEntry("RandomLoadingData1", "Random Loading Data"),
              Separator(),
              MenuEntry("OptionsControl", "Control &Options...")}),
        SubMenu("ComputationMenu", "&Computation", "ComputationMenuClick",
             {MenuEntry("CompRun", "&Run Analysis"), Separator(), MenuEntry("CompInput", "Edit I&nput Text"),
              MenuEntry("CompKernel", "Edit &Processor-Run Notes"), MenuEntry("CompOutput", "Edit &Output Text")}),
        SubMenu("GraphicsMenu", "&Graphics", "GraphicsMenuClick", std::move(graphics)),
        SubMenu("ViewItem", "View Geometry", "",
             {MenuEntry("TopViewItem", "Top View"), MenuEntry("SideViewItem", "Side View (XZ-Plane)"),
              MenuEntry("sideviewYZ", "Side View (YZ-Plane)"), MenuEntry("N3DView1", "3D View")}),
        SubMenu("ArrangeMenu", "&Window", "ArrangeMenuClick",
             {MenuEntry("WindowCascade", "&Cascade"), MenuEntry("WindowArrange", "&Arrange Icons"), Separator("N3")}),
        SubMenu("HelpMenu", "&Help", "HelpMenuClick",
             {MenuEntry("HelpContents", "&Contents"), MenuEntry("Contents1", "&User's Manual"), Separator(),
              MenuEntry("HelpAbout", "&About..."), Separator(), MenuEntry("About1", "Check for &Updates")}),
    };
}

void TMainFormLogic::RegisterHandlers()
{
    m_openHandlers = {
        {"FileMenu", [this] { FileMenuClick(); }},
        {"DataMenu", [this] { DataMenuClick(); }},
        {"ComputationMenu", [this] { ComputationMenuClick(); }},
        {"GraphicsMenu", [this] { GraphicsMenuClick(); }},
        {"ArrangeMenu", [this] { ArrangeMenuClick(); }},
        {"HelpMenu", [this] { HelpMenuClick(); }},
        {"OptionsUnits", [this] { OptionsUnitsClick(); }},
        {"HarmonicLoadingData1", [this] { HarmonicLoadingData1Click(); }},
    };

    m_clickHandlers = {
        {"FileNew", [this] { FileNewClick(); }},
        {"FileOpen", [this] { FileOpenClick(); }},
        {"FileSave", [this] { FileSaveClick(); }},
        {"FileSaveAs", [this] { FileSaveAsClick(); }},
        {"FileExit", [this] { FileExitClick(); }},
        {"WindowCascade", [this] { if (Hooks.Cascade) Hooks.Cascade(); }},
        {"WindowArrange", [this] { if (Hooks.ArrangeIcons) Hooks.ArrangeIcons(); }},
    };
    // Commands of other parts: the analysis run, the external programs, help and the Graphics windows.
    for (const char* command : {"CompRun", "CompInput", "CompKernel", "CompOutput", "N3DView1", "HelpContents",
                                "Contents1", "HelpAbout", "About1"})
        m_clickHandlers[command] = [this, name = std::string(command)] {
            if (Hooks.Dispatch)
                Hooks.Dispatch({name, {}, true});
        };
    for (const auto& info : GraphicsMenuItems())
        m_clickHandlers[info.Field] = [this, name = std::string(info.Field)] {
            if (Hooks.Dispatch)
                Hooks.Dispatch({name, {}, true});
        };
    m_clickHandlers["TopViewItem"] = [this] { OpenForm("TopViewItem", "TDlgTopView"); };
    m_clickHandlers["SideViewItem"] = [this] { OpenForm("SideViewItem", "TDlgSideViewXZ"); };
    m_clickHandlers["sideviewYZ"] = [this] { OpenForm("sideviewYZ", "TDlgSideViewYZ"); };

    const TMenuItem& data = m_menu.Item("DataMenu");
    std::function<void(const TMenuItem&)> addData = [&](const TMenuItem& menu) {
        for (const TMenuItem& item : menu.Items) {
            if (item.IsSeparator() || item.Name.empty())
                continue;
            if (item.IsMenu())
                addData(item);
            else
                m_clickHandlers[item.Name] = [this, name = item.Name] { DataItemClick(name); };
        }
    };
    addData(data);
}

// ---- Menus ----

void TMainFormLogic::OpenMenu(const std::string& name)
{
    const auto handler = m_openHandlers.find(name);
    if (handler != m_openHandlers.end())
        Guarded(handler->second);
}

void TMainFormLogic::ClickItem(const std::string& name)
{
    Guarded([&] {
        const TMenuLocation where = m_menu.Locate(name);
        if (!where.Item)
            return;
        if (where.Parent && where.Parent->Name == "FileMenu" && name.rfind("PrevFile", 0) == 0) {
            MyFilePopupHandler(static_cast<int>(where.Index));
            return;
        }
        if (where.Parent && where.Parent->Name == "ArrangeMenu" && name.rfind("WindowItem", 0) == 0) {
            WindowItemClick(where.Item->Tag);
            return;
        }
        const auto handler = m_clickHandlers.find(name);
        if (handler != m_clickHandlers.end())
            handler->second();
    });
}

void TMainFormLogic::TriggerShortcut(const std::string& name)
{
    // The menus above the item bring its state up to date (and commit the active child) first.
    for (TMenuItem* menu : m_menu.Ancestors(name))
        OpenMenu(menu->Name);
    const TMenuItem* item = m_menu.Find(name);
    if (item && item->Enabled && item->Visible)
        ClickItem(name);
}

void TMainFormLogic::SetEnabled(const std::string& name, bool enabled)
{
    m_menu.Item(name).Enabled = enabled;
}

void TMainFormLogic::SetChecked(const std::string& name, bool checked)
{
    m_menu.Item(name).Checked = checked;
}

// ---- Life cycle ----

void TMainFormLogic::FormCreate()
{
    Guarded([&] {
        if (m_created)
            return;
        m_created = true;
        // Dropped files reach FilesDropped through the window.
        m_settings.ReadAtCreate();
        for (TMenuItem& unit : m_menu.Item("OptionsUnits").Items)
            unit.RadioItem = true;
        m_settings.ApplyDefaultWordProcessor();

        TMenuItem& window = m_menu.Item("ArrangeMenu");
        for (int i = 0; i < WindowListSize; ++i) {
            TMenuItem item;
            item.Name = WindowListItemName(i);
            item.ClickHandler = "WindowItemClick";
            item.Visible = false;
            window.Items.push_back(item);
        }

        TMenuItem& file = m_menu.Item("FileMenu");
        std::vector<TMenuItem> slots;
        for (std::size_t i = 0; i < TProgramSettings::PrevFileSlots; ++i) {
            TMenuItem slot;
            slot.Name = RecentSlotName(i);
            slot.ClickHandler = "MyFilePopupHandler";
            slots.push_back(slot);
        }
        file.Items.insert(file.Items.begin() + PrevFileMenuPosition, slots.begin(), slots.end());
        m_settings.ClearPrevFiles();

        m_project.D.SetComments(SoilTableComments);
    });
}

void TMainFormLogic::FormShow(const std::vector<std::string>& arguments)
{
    Guarded([&] {
        m_settings.ReadAtShow();
        m_settings.ApplyDefaultWordProcessor();
        bool opened = false;
        if (!arguments.empty()) {
            const std::string path = CommandLineProjectPath(arguments.front());
            if (FileExists(path)) {
                std::error_code error;
                // Kept absolute: later commands change the current directory.
                const fs::path absolute = fs::absolute(path, error);
                ReadProject(error ? path : absolute.string());
                LoadProjectResults(m_project);
                opened = true;
            }
        }
        if (!opened)
            m_project.CreateDefault();
        SetTitle();
    });
}

void TMainFormLogic::FormActivate()
{
    Guarded([&] {
        // The start-up show state has no counterpart here: the window opens as the desktop places it.
        const int type = ProgramData().LoadingType;
        if (type >= HarmonicLoading && type <= RandomLoading) {
            for (int i = 0; i < 3; ++i) {
                SetChecked(LoadingItems[i], i + 1 == type);
                SetEnabled(LoadingDataItems[i], i + 1 == type);
            }
        }
        SetEnabled("PileCoordinates1", false);
    });
}

bool TMainFormLogic::FormCloseQuery()
{
    return GuardedBool([&] {
        CommitActiveChild();
        return QuerySaveChanges();
    });
}

void TMainFormLogic::FormClose()
{
    Guarded([&] {
        m_settings.UpdateRegistry();
        CloseAllChildren();
    });
}

// ---- File commands ----

void TMainFormLogic::SetTitle()
{
    m_title = MainWindowTitle(ProgramData().FileName);
}

bool TMainFormLogic::QuerySaveChanges()
{
    return GuardedBool([&] {
        if (!IsModified())
            return true;
        switch (m_prompter.AskYesNoCancel(SaveChangesQuestion)) {
        case TPromptAnswer::No:
            return true;
        case TPromptAnswer::Yes:
            // A save that failed or was cancelled keeps the changes, so the caller must not go on.
            return FileSaveClick() && ProgramData().FileName != NewProjectFileName;
        default:
            return false;
        }
    });
}

void TMainFormLogic::FileNewClick()
{
    Guarded([&] {
        if (!QuerySaveChanges())
            return;
        m_project.CreateDefault();
        SetTitle();
    });
}

void TMainFormLogic::FileOpenClick()
{
    Guarded([&] {
        if (!QuerySaveChanges())
            return;
        TFileDialogRequest request;
        request.Title = "Open";
        request.Filter = ProjectFileFilter;
        request.DefaultExt = ProjectDefaultExt;
        request.FileName = m_openDialogFileName;
        request.FileMustExist = true;
        request.HideReadOnly = true;
        const auto chosen = m_prompter.AskOpenFileName(request);
        if (!chosen)
            return;
        m_openDialogFileName = *chosen;
        OpenFileName(*chosen);
    });
}

void TMainFormLogic::ReadProject(const std::string& path)
{
    const std::string message = ReadProjectFile(m_project, path);
    if (!message.empty())
        m_prompter.Inform(message);
    MarkLoadingItems();
}

void TMainFormLogic::MarkLoadingItems()
{
    const int type = ProgramData().LoadingType;
    if (type < HarmonicLoading || type > RandomLoading)
        return;
    for (int i = 0; i < 3; ++i)
        SetChecked(LoadingItems[i], i + 1 == type);
}

void TMainFormLogic::OpenFileName(const std::string& path)
{
    Guarded([&] {
        EnterFolderOf(path);
        ReadProject(path);
        SyncLoadingMenu();
        SetTitle();
        LoadProjectResults(m_project);
        m_settings.UpdatePrevFile(path);
    });
}

bool TMainFormLogic::FileSaveClick()
{
    return GuardedBool([&] {
        if (ProgramData().FileName == NewProjectFileName)
            return FileSaveAsClick();
        m_project.Save();
        return true;
    });
}

bool TMainFormLogic::FileSaveAsClick()
{
    return GuardedBool([&] {
        TFileDialogRequest request;
        request.Title = "Save " + DisplayName(ProgramData().FileName) + " As";
        request.Filter = ProjectFileFilter;
        request.DefaultExt = ProjectDefaultExt;
        request.FileName = ProgramData().FileName;
        request.OverwritePrompt = true;
        request.PathMustExist = true;
        request.HideReadOnly = true;
        const auto chosen = m_prompter.AskSaveFileName(request);
        if (!chosen)
            return false;
        ProgramData().FileName = *chosen;
        SetTitle();
        m_project.Save();
        m_settings.UpdatePrevFile(*chosen);
        return true;
    });
}

void TMainFormLogic::FileExitClick()
{
    Guarded([&] {
        if (Hooks.CloseMainWindow) {
            Hooks.CloseMainWindow();
            return;
        }
        if (FormCloseQuery()) {
            FormClose();
            m_closed = true;
        }
    });
}

bool TMainFormLogic::FilesDropped(const std::vector<std::string>& paths)
{
    Guarded([&] {
        if (paths.empty() || !QuerySaveChanges())
            return;
        const std::string& path = paths.front();
        EnterFolderOf(path);
        ReadProject(path);
        SetTitle();
        LoadProjectResults(m_project);
    });
    return true;
}

void TMainFormLogic::MyFilePopupHandler(int itemPosition)
{
    Guarded([&] {
        const int slot = itemPosition - PrevFileMenuPosition;
        if (slot < 0 || slot >= static_cast<int>(TProgramSettings::PrevFileSlots))
            return;
        const std::string path = m_settings.PrevFiles[static_cast<std::size_t>(slot)];
        // An empty slot shown among filled ones names no project.
        if (path.empty())
            return;
        if (QuerySaveChanges())
            OpenFileName(path);
    });
}

// ---- Menu open handlers ----

void TMainFormLogic::FileMenuClick()
{
    Guarded([&] {
        CommitActiveChild();
        TMenuItem& file = m_menu.Item("FileMenu");
        const std::string current = CurrentDirectory();
        for (std::size_t i = 0; i < TProgramSettings::PrevFileSlots; ++i) {
            TMenuItem& slot = file.Items[PrevFileMenuPosition + i];
            if (static_cast<int>(i) < m_settings.PrevFileCount) {
                slot.Caption = std::to_string(i + 1) + " " + ShownPrevFilePath(m_settings.PrevFiles[i], current);
                slot.Visible = true;
            } else {
                slot.Visible = false;
            }
        }
        m_menu.Item("N14").Visible = m_settings.PrevFileCount > 0;
    });
}

void TMainFormLogic::DataMenuClick()
{
    Guarded([&] {
        CommitActiveChild();
        const std::string& keyword = ProgramData().FoundationKeyword;
        int column = -1;
        if (keyword == HalfSpaceKeyword)
            column = 0;
        else if (keyword == StratumKeyword)
            column = 1;
        else if (keyword == PileKeyword)
            column = 2;
        else if (keyword == MultilayerKeyword)
            column = 3;
        if (column < 0)
            return;

        if (column == 3 && m_project.MultiElement.RowCount() > 1)
            m_project.Multisoil.SetRowCount(m_project.MultiElement.RowCount() - m_project.D.RowCount());

        for (const TDataMenuRow& row : DataMenuRows) {
            const bool on[] = {row.HalfSpace, row.Stratum, row.Pile, row.Multilayer};
            SetEnabled(row.Item, on[column]);
        }
        static const char* const sideSoilCaptions[] = {"Side Soil of Fondation", "Side Soil", "Side Soil of Pile Cap",
                                                       "Side Soil of Fondation"};
        m_menu.Item("Sidesoilpilecap1").Caption = sideSoilCaptions[column];
    });
}

void TMainFormLogic::ComputationMenuClick()
{
    Guarded([&] {
        CommitActiveChild();
        const TComputationFileItems items = ComputationFileItems(ProgramData().FileName);
        SetEnabled("CompInput", items.Input);
        SetEnabled("CompKernel", items.Kernel);
        SetEnabled("CompOutput", items.Output);
        SetEnabled("CompRun", true);
    });
}

void TMainFormLogic::GraphicsMenuClick()
{
    Guarded([&] {
        const TGraphicsMenuState state = GraphicsMenuState(ProgramData(), ResultsLoaded());
        for (const auto& info : GraphicsMenuItems())
            SetEnabled(info.Field, state[info.Item]);
    });
}

void TMainFormLogic::ArrangeMenuClick()
{
    Guarded([&] {
        const int count = Hooks.ChildCount ? Hooks.ChildCount() : 0;
        TMenuItem& window = m_menu.Item("ArrangeMenu");
        for (int i = 0; i < WindowListSize; ++i) {
            TMenuItem& item = window.Items[static_cast<std::size_t>(WindowListMenuPosition + i)];
            if (i < count) {
                item.Caption = Hooks.ChildCaption ? Hooks.ChildCaption(i) : std::string();
                item.Tag = i;
                item.Visible = true;
            } else {
                item.Visible = false;
            }
        }
        m_menu.Item("N3").Visible = count > 0;
    });
}

void TMainFormLogic::HelpMenuClick()
{
    Guarded([&] { CommitActiveChild(); });
}

void TMainFormLogic::OptionsUnitsClick()
{
    Guarded([&] {
        const int system = ProgramData().UnitSystem;
        if (system == English || system == SI) {
            SetChecked("EnglishUnits", system == English);
            SetChecked("SIUnits", system == SI);
        }
    });
}

void TMainFormLogic::HarmonicLoadingData1Click()
{
    Guarded([&] {
        const int quadratic = ProgramData().QuadraticLoading;
        if (quadratic == 0 || quadratic == 1) {
            SetChecked("Quadratic1", quadratic == 1);
            SetChecked("NonQuadratic1", quadratic == 0);
        }
    });
}

void TMainFormLogic::WindowItemClick(int tag)
{
    Guarded([&] {
        const int count = Hooks.ChildCount ? Hooks.ChildCount() : 0;
        if (tag >= 0 && tag < count && Hooks.ShowChild)
            Hooks.ShowChild(tag);
    });
}

// ---- Data items ----

void TMainFormLogic::OpenForm(const std::string& item, const std::string& form, bool show)
{
    if (Hooks.Dispatch)
        Hooks.Dispatch({item, form, show});
}

void TMainFormLogic::ShowTable(TGridTable& table)
{
    table.ShowEditor();
}

void TMainFormLogic::SetLoadingType(int loadingType)
{
    ProgramData().LoadingType = loadingType;
    for (int i = 0; i < 3; ++i)
        SetChecked(LoadingItems[i], i + 1 == loadingType);
    SyncLoadingMenu();
}

void TMainFormLogic::DataItemClick(const std::string& name)
{
    TProgramData& d = ProgramData();
    TProject& p = m_project;
    if (name == "DataTitle")
        OpenForm(name, "TdlgTitle");
    else if (name == "EnglishUnits" || name == "SIUnits")
        p.ChangeUnitSystem(m_menu.Item(name).Tag);
    else if (name == "OptionofFoundationSystem1")
        OpenForm(name, "TfrmLayout");
    else if (name == "HarmonicLoading1")
        SetLoadingType(HarmonicLoading);
    else if (name == "TransientLoading1")
        SetLoadingType(TransientLoading);
    else if (name == "RandomLoading1")
        SetLoadingType(RandomLoading);
    else if (name == "OptionofFoundationShape1" || name == "PileCapShapeDimension1")
        OpenForm(name, "TfrmShape", d.ShapeCircular < 2);
    else if (name == "FootingMassParameters1")
        OpenForm(name, "TfrmMassdata");
    else if (name == "FoundationDimensionandConstants1") {
        if (d.FoundationType == HalfSpaceFoundation || d.FoundationType == StratumFoundation)
            OpenForm(name, "TfrmFoundations");
        else if (d.FoundationType == MultilayerFoundation)
            OpenForm(name, "TfrmMultimat");
    } else if (name == "FoundationLayer1")
        ShowTable(p.MultiElement);
    else if (name == "PilecapDimension1")
        OpenForm(name, "TfrmNCPileProperties");
    else if (name == "PileCoordinates1")
        ShowTable(p.Pilecoord);
    else if (name == "PileProperties1")
        OpenForm(name, "TfrmCPileProperties");
    else if (name == "PileGroupArrangement1")
        ShowTable(p.PileData);
    else if (name == "SoilLayerCoordinates1") {
        if (d.FoundationType == PileFoundation)
            ShowTable(p.D);
    } else if (name == "SoilDataBelowFoundationTip1")
        OpenForm(name, "TfrmTipsoil");
    else if (name == "Sidesoilpilecap1") {
        if (d.FoundationType == HalfSpaceFoundation)
            ShowTable(p.D1);
        else if (d.FoundationType == PileFoundation)
            ShowTable(p.pilecapsoil);
        else if (d.FoundationType == StratumFoundation || d.FoundationType == MultilayerFoundation)
            ShowTable(p.D);
    } else if (name == "SoilLayerBelowFoundation1")
        ShowTable(p.Multisoil);
    else if (name == "Quadratic1") {
        OpenForm(name, "TfrmQuad");
        d.QuadraticLoading = 1;
        SetChecked("NonQuadratic1", false);
    } else if (name == "NonQuadratic1") {
        OpenForm(name, "Tfrmharmonic");
        d.QuadraticLoading = 0;
        SetChecked("Quadratic1", false);
    } else if (name == "TransientLoadingData1")
        OpenForm(name, "Tfrmtransient");
    else if (name == "RandomLoadingData1")
        OpenForm(name, "Tfrmrandom");
    else if (name == "OptionsControl")
        OpenForm(name, "TDlgOptions");
}

// ---- Shared operations ----

void TMainFormLogic::CommitActiveChild()
{
    if (Hooks.ChildCount && Hooks.ChildCount() == 0)
        return;
    if (Hooks.CommitActiveChild)
        Hooks.CommitActiveChild();
}

void TMainFormLogic::CloseAllChildren()
{
    if (Hooks.CloseAllChildren)
        Hooks.CloseAllChildren();
}

void TMainFormLogic::SyncLoadingMenu()
{
    const int type = ProgramData().LoadingType;
    if (type < HarmonicLoading || type > RandomLoading)
        return;
    for (int i = 0; i < 3; ++i) {
        SetEnabled(LoadingDataItems[i], i + 1 == type);
        SetChecked(LoadingItems[i], i + 1 == type);
    }
}

void TMainFormLogic::SyncPileItems()
{
    const std::string& keyword = ProgramData().FoundationKeyword;
    bool enable = false;
    if (keyword == PileKeyword)
        enable = true;
    else if (keyword != HalfSpaceKeyword && keyword != StratumKeyword && keyword != MultilayerKeyword)
        return;
    for (const char* item : {"PileProperties1", "PileGroupArrangement1", "PileCoordinates1"})
        SetEnabled(item, enable);
    StateChanged();
}

void TMainFormLogic::RefreshOpenForms()
{
    Guarded([&] {
        for (const std::string& form : RefreshedForms())
            if (IsFormOpen(form) && Hooks.ActivateForm)
                Hooks.ActivateForm(form);
        for (TGridTable* table : m_project.Tables())
            table->ReopenEditor();
    });
}

void TMainFormLogic::UnitSystemChanged()
{
    const int system = ProgramData().UnitSystem;
    if (system == English || system == SI) {
        SetChecked("EnglishUnits", system == English);
        SetChecked("SIUnits", system == SI);
    }
    RefreshOpenForms();
}

void TMainFormLogic::SetFormOpen(const std::string& form, bool open)
{
    if (open)
        m_openForms.insert(form);
    else
        m_openForms.erase(form);
}

} // namespace quavis
