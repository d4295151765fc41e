// A small pile project entered as an engineer does, through the Data menu's forms and table editors, then
// saved: the file must be the golden one. QUAVIS_UPDATE_GOLDEN=1 rewrites the golden file instead.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "app_fixture.h"
#include "components/grid_table.h"
#include "entry/data_edit.h"
#include "entry/table_form.h"
#include "model/program_data.h"
#include "model/project.h"

namespace quavis::test {
namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class PileEntryTest : public MainFormTest {
protected:
    QWidget* OpenForm(const char* item, const char* formClass)
    {
        OpenMenu("DataMenu");
        Click(item);
        QCoreApplication::processEvents();
        QMdiSubWindow* window = form->FindChild(formClass);
        EXPECT_NE(window, nullptr) << formClass;
        return window ? window->widget() : nullptr;
    }

    // Closing a form stores what was typed.
    void CloseForm(QWidget* widget)
    {
        ASSERT_NE(widget, nullptr);
        QWidget* frame = widget->parentWidget() ? widget->parentWidget() : widget;
        EXPECT_TRUE(frame->close());
        QCoreApplication::processEvents();
    }

    void SetField(QWidget* window, const char* name, const char* typed)
    {
        ASSERT_NE(window, nullptr);
        auto* field = window->findChild<TDataEdit*>(name);
        ASSERT_NE(field, nullptr) << name;
        field->setText(typed);
        EXPECT_TRUE(field->Validate()) << name;
    }

    TTableForm* OpenTable(const char* item, const TGridTable& table)
    {
        OpenMenu("DataMenu");
        Click(item);
        QCoreApplication::processEvents();
        for (QMdiSubWindow* window : form->MdiArea()->subWindowList())
            if (auto* editor = qobject_cast<TTableForm*>(window->widget()); editor && editor->Table() == &table)
                return editor;
        ADD_FAILURE() << item;
        return nullptr;
    }

    // Fills a table row by row as typed, adding rows with the Add Row button.
    static void Fill(TTableForm& editor, const std::vector<std::vector<const char*>>& rows)
    {
        TGridTable& table = *editor.Table();
        const int h = table.HeaderRowCount();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (static_cast<int>(r) >= table.RowCount()) editor.BtnAdd()->click();
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                if (!rows[r][c]) continue;
                QTableWidget* grid = editor.Grid();
                const int row = h + static_cast<int>(r), column = static_cast<int>(c) + 1;
                grid->setCurrentCell(row, column);
                grid->editItem(grid->item(row, column));
                ASSERT_NE(editor.CellEditor(), nullptr);
                editor.CellEditor()->setText(rows[r][c]);
            }
        }
        EXPECT_TRUE(editor.Frame()->close());
        QCoreApplication::processEvents();
    }
};

TEST_F(PileEntryTest, EnteredProjectSavesAsTheGoldenFile)
{
    // The foundation system form shows the program's foundation pictures.
    for (const char* picture : {"halfspace.bmp", "pile.bmp", "stratum.bmp", "multilayer.bmp"})
        std::filesystem::copy_file(std::filesystem::path(QUAVIS_PROGRAM_FOLDER_PATH) / picture,
                                   programFolder.Path() / picture, std::filesystem::copy_options::overwrite_existing);
    Start();
    OpenMenu("DataMenu");
    Click("EnglishUnits");

    QWidget* title = OpenForm("DataTitle", "TdlgTitle");
    ASSERT_NE(title, nullptr);
    title->findChild<QPlainTextEdit*>("TitleMemo")->setPlainText("Four battered piles under a compressor");
    CloseForm(title);

    QWidget* layout = OpenForm("OptionofFoundationSystem1", "TfrmLayout");
    ASSERT_NE(layout, nullptr);
    layout->findChild<QComboBox*>("ComboBox1")->setCurrentText(PileKeyword);
    CloseForm(layout);
    ASSERT_EQ(form->Logic().ProgramData().FoundationType, PileFoundation);

    QWidget* cap = OpenForm("PilecapDimension1", "TfrmNCPileProperties");
    SetField(cap, "DataEdit1", "2*150");
    SetField(cap, "DataEdit2", "1200");
    CloseForm(cap);

    QWidget* pile = OpenForm("PileProperties1", "TfrmCPileProperties");
    SetField(pile, "DataEdit4", "150");
    SetField(pile, "DataEdit5", "0.25");
    SetField(pile, "DataEdit6", "0.02");
    SetField(pile, "DataEdit7", "4.32e8");
    SetField(pile, "DataEdit8", "30");
    CloseForm(pile);

    QWidget* tip = OpenForm("SoilDataBelowFoundationTip1", "TfrmTipsoil");
    SetField(tip, "DataEdit1", "800");
    SetField(tip, "DataEdit2", "125");
    SetField(tip, "DataEdit3", "0.3");
    SetField(tip, "DataEdit4", "0.05");
    CloseForm(tip);

    TProject& p = form->Logic().Project();
    TTableForm* coordinates = OpenTable("PileCoordinates1", p.Pilecoord);
    ASSERT_NE(coordinates, nullptr);
    Fill(*coordinates, {{"-3", "-3", "0"}, {"3", "-3", "0"}, {"-3", "3", "5*2"}, {"3", "3", "10"}});
    // Piles 3 and 4 are battered in the YZ plane: picked from their lists.
    coordinates = OpenTable("PileCoordinates1", p.Pilecoord);
    ASSERT_NE(coordinates, nullptr);
    std::vector<QComboBox*> planes;
    for (QComboBox* combo : coordinates->findChildren<QComboBox*>())
        if (combo->isVisible()) planes.push_back(combo);
    ASSERT_EQ(planes.size(), 4u);
    std::sort(planes.begin(), planes.end(), [](QComboBox* a, QComboBox* b) { return a->y() < b->y(); });
    for (std::size_t i : {2u, 3u}) {
        planes[i]->setCurrentIndex(1);
        emit planes[i]->activated(1);
    }
    EXPECT_TRUE(coordinates->Frame()->close());
    QCoreApplication::processEvents();

    TTableForm* elements = OpenTable("PileGroupArrangement1", p.PileData);
    ASSERT_NE(elements, nullptr);
    Fill(*elements, {{"10", "0.5"}, {"20", "0.5"}, {"30", "0.5"}});
    TTableForm* soil = OpenTable("SoilLayerCoordinates1", p.D);
    ASSERT_NE(soil, nullptr);
    Fill(*soil, {{"400", "110", "0.3", "0.05", "1"}, {"600", "120", "0.35", "0.05", "1"}, {"700", "120", "0.35", "0.05", "1"}});

    ASSERT_EQ(p.Pilecoord.RowCount(), 4);
    EXPECT_EQ(p.Pilecoord.Column(2).GetFloat(2), 10.0L);

    EXPECT_EQ(p.Pilecoord.Column(3).GetInteger(3), 2);
    EXPECT_EQ(p.D.Column(0).GetFloat(2), 700.0L);
    const std::filesystem::path saved = projects.Path() / "entry_pile.vqd";
    prompter.ExpectSaveFile(saved.string());
    OpenMenu("FileMenu");
    Click("FileSaveAs");
    QCoreApplication::processEvents();
    ASSERT_TRUE(std::filesystem::exists(saved));

    const std::filesystem::path golden = FixturePath("entry_pile.vqd");
    if (std::getenv("QUAVIS_UPDATE_GOLDEN")) {
        std::filesystem::copy_file(saved, golden, std::filesystem::copy_options::overwrite_existing);
        GTEST_SKIP() << "golden file written: " << golden;
    }
    EXPECT_EQ(ReadAll(saved), ReadAll(golden));
}

TEST_F(PileEntryTest, LoadingFormsOpenTheirTablesInTheEditor)
{
    struct Case {
        const char* loading;
        const char* item;
        const char* formClass;
        TGridTable& (*table)(TProject&);
    };
    const Case cases[] = {
        {"TransientLoading1", "TransientLoadingData1", "Tfrmtransient", [](TProject& p) -> TGridTable& { return p.TLoadtype; }},
        {"RandomLoading1", "RandomLoadingData1", "Tfrmrandom", [](TProject& p) -> TGridTable& { return p.Trandom; }},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formClass);
        OpenMenu("DataMenu");
        Click(c.loading);
        QWidget* loading = OpenForm(c.item, c.formClass);
        ASSERT_NE(loading, nullptr);
        auto* button = loading->findChild<QPushButton*>("Button1");
        ASSERT_NE(button, nullptr);
        button->click();
        QCoreApplication::processEvents();
        TGridTable& table = c.table(form->Logic().Project());
        ASSERT_TRUE(table.HasEditor());
        TTableForm* editor = nullptr;
        for (QMdiSubWindow* window : form->MdiArea()->subWindowList())
            if (auto* e = qobject_cast<TTableForm*>(window->widget()); e && e->Table() == &table) editor = e;
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->windowTitle().toStdString(), table.Caption() + " ");
        EXPECT_TRUE(editor->Frame()->close());
        CloseForm(loading);
    }
}

} // namespace
} // namespace quavis::test
