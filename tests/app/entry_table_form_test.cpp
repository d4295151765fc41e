// The table editor window in the real main window: what it shows, typed entries, the row buttons, cell
// controls, sub-tables, the unit switch and the Data menu's tables.
#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QKeyEvent>
#include <QTimer>

#include "app_fixture.h"
#include "components/grid_column.h"
#include "components/grid_table.h"
#include "entry/table_form.h"
#include "model/program_data.h"
#include "model/project.h"

namespace quavis::test {
namespace {

class TableFormTest : public MainFormTest {
protected:
    void SetUp() override
    {
        InstallTableEditorFactory();
        Start();
    }

    TProject& Project() { return form->Logic().Project(); }

    void SetFoundation(int type, const char* keyword)
    {
        form->Logic().ProgramData().FoundationType = type;
        form->Logic().ProgramData().FoundationKeyword = keyword;
        OpenMenu("DataMenu");
    }

    // The editor windows in the frame, in the order they were opened.
    std::vector<TTableForm*> Editors() const
    {
        std::vector<TTableForm*> editors;
        for (QMdiSubWindow* window : form->MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* editor = qobject_cast<TTableForm*>(window->widget())) editors.push_back(editor);
        return editors;
    }

    TTableForm* EditorOf(const TGridTable& table) const
    {
        for (TTableForm* editor : Editors())
            if (editor->Table() == &table) return editor;
        return nullptr;
    }

    TTableForm& Open(TGridTable& table)
    {
        table.ShowEditor();
        QCoreApplication::processEvents();
        TTableForm* editor = EditorOf(table);
        EXPECT_NE(editor, nullptr) << table.Caption();
        return *editor;
    }

    // Types into a grid cell as the user does: the cell becomes current and its editor gets the text.
    static void Type(TTableForm& editor, int column, int row, const QString& text)
    {
        QTableWidget* grid = editor.Grid();
        grid->setCurrentCell(row, column);
        grid->editItem(grid->item(row, column));
        QLineEdit* line = editor.CellEditor();
        ASSERT_NE(line, nullptr);
        line->setText(text);
    }

    // A key pressed and released on a widget.
    static void Key(QWidget* widget, int key)
    {
        ASSERT_NE(widget, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    }

    static QString Shown(TTableForm& editor, int column, int row) { return editor.CellText(column, row); }
};

TEST_F(TableFormTest, ShowsHeadersRowNumbersAndTheTableCaption)
{
    TGridTable& d = Project().D;
    d.SetRowCount(3);
    d.Column(0).SetFloat(1, 250.0L);
    TTableForm& editor = Open(d);
    const int h = d.HeaderRowCount();
    ASSERT_EQ(h, 2);
    EXPECT_EQ(editor.windowTitle().toStdString(), "Soil Properties ");
    QTableWidget* grid = editor.Grid();
    EXPECT_EQ(grid->columnCount(), 6);
    EXPECT_EQ(grid->rowCount(), h + 3);
    EXPECT_EQ(grid->item(0, 0)->text(), "Layer");
    EXPECT_EQ(grid->item(0, 1)->text(), "Shear wave");
    EXPECT_EQ(grid->item(1, 1)->text().toStdString(), d.Column(0).HeaderLine(1));
    EXPECT_EQ(grid->item(h + 2, 0)->text(), "3");
    EXPECT_EQ(grid->item(h + 1, 1)->text(), "250");
    // Fixed cells take no entry.
    EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(h, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->item(h, 1)->flags() & Qt::ItemIsEditable);
    // Every column is shown whole, at its preferred width.
    for (int c = 0; c < grid->columnCount(); ++c) EXPECT_FALSE(grid->isColumnHidden(c)) << c;
    EXPECT_EQ(grid->columnWidth(1), editor.EditorLayout().ColumnWidth(1) + 1);
    EXPECT_FALSE(editor.VerticalBar()->isVisible());
    EXPECT_TRUE(editor.Comments()->isVisible());
    EXPECT_EQ(editor.Comments()->text().toStdString(), d.Comments());
    EXPECT_GE(editor.width(), editor.BtnDel()->geometry().right());
}

TEST_F(TableFormTest, TypedExpressionsBecomeValuesAndEnterMovesOn)
{
    TGridTable& d = Project().D;
    d.SetRowCount(2);
    TTableForm& editor = Open(d);
    const int h = d.HeaderRowCount();
    Type(editor, 1, h, "2*pi");
    Key(editor.CellEditor(), Qt::Key_Return);
    EXPECT_NEAR(static_cast<double>(d.Column(0).GetFloat(0)), 6.283185307179586, 1e-12);
    EXPECT_EQ(Shown(editor, 1, h), "6.2831853");
    EXPECT_TRUE(d.IsChanged());
    // Enter went down the column; from the last row to the top of the next column, from the last cell back
    // to the first.
    EXPECT_EQ(editor.Grid()->currentRow(), h + 1);
    Type(editor, 1, h + 1, "10/4");
    Key(editor.CellEditor(), Qt::Key_Return);
    EXPECT_EQ(d.Column(0).GetFloat(1), 2.5L);
    EXPECT_EQ(editor.Grid()->currentRow(), h);
    EXPECT_EQ(editor.Grid()->currentColumn(), 2);
    editor.Grid()->setCurrentCell(h + 1, 5);
    Key(editor.Grid(), Qt::Key_Return);
    EXPECT_EQ(editor.Grid()->currentRow(), h);
    EXPECT_EQ(editor.Grid()->currentColumn(), 1);
}

TEST_F(TableFormTest, RefusesToLeaveOrCloseOnAFaultyCell)
{
    TGridTable& d = Project().D;
    d.SetRowCount(2);
    d.Column(1).SetFloat(0, 120.0L);
    TTableForm& editor = Open(d);
    const int h = d.HeaderRowCount();
    const std::string message = "Entry could not be evaluated:\rinvalid character(s) in expression";
    prompter.ExpectMessage(message);
    Type(editor, 2, h, "abc");
    Key(editor.CellEditor(), Qt::Key_Down);
    EXPECT_EQ(editor.Grid()->currentRow(), h);
    EXPECT_EQ(editor.Grid()->currentColumn(), 2);
    EXPECT_EQ(Shown(editor, 2, h), "abc");
    EXPECT_EQ(d.Column(1).GetFloat(0), 120.0L);

    // Closing is refused as long as the entry is faulty; a corrected entry lets the window go.
    prompter.ExpectMessage(message);
    EXPECT_FALSE(editor.Frame()->close());
    EXPECT_TRUE(d.HasEditor());
    QCoreApplication::processEvents();
    Type(editor, 2, h, "100+7");
    EXPECT_TRUE(editor.Frame()->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(d.Column(1).GetFloat(0), 107.0L);
    EXPECT_FALSE(d.HasEditor());
    EXPECT_TRUE(Editors().empty());
}

TEST_F(TableFormTest, RowButtonsAddInsertAndDeleteRows)
{
    TGridTable& d = Project().D; // MinRows 1, MaxRows 20
    d.SetRowCount(1);
    TTableForm& editor = Open(d);
    const int h = d.HeaderRowCount();
    EXPECT_TRUE(editor.BtnAdd()->isVisible());
    EXPECT_FALSE(editor.BtnDel()->isEnabled());
    const int oneRow = editor.Frame()->height();

    d.Column(0).SetFloat(0, 1.0L);
    editor.BtnAdd()->click();
    EXPECT_EQ(d.RowCount(), 2);
    EXPECT_EQ(editor.Grid()->rowCount(), h + 2);
    EXPECT_TRUE(editor.BtnDel()->isEnabled());
    // The window grew by one row.
    EXPECT_EQ(editor.Frame()->height() - oneRow, editor.Grid()->rowHeight(h));

    // Insert before the current row: the old first row moves down.
    editor.Grid()->setCurrentCell(h, 1);
    editor.BtnIns()->click();
    EXPECT_EQ(d.RowCount(), 3);
    EXPECT_EQ(d.Column(0).GetFloat(1), 1.0L);
    EXPECT_EQ(Shown(editor, 1, h + 1), "1");
    EXPECT_EQ(editor.Grid()->item(h + 2, 0)->text(), "3");

    // Delete the current row; down at MinRows the button is disabled.
    editor.Grid()->setCurrentCell(h + 1, 1);
    editor.BtnDel()->click();
    EXPECT_EQ(d.RowCount(), 2);
    EXPECT_EQ(d.Column(0).GetFloat(1), 0.0L);
    editor.BtnDel()->click();
    EXPECT_EQ(d.RowCount(), 1);
    EXPECT_FALSE(editor.BtnDel()->isEnabled());
    EXPECT_TRUE(d.IsChanged());

    // A row button without a data row selected.
    editor.Grid()->setCurrentItem(nullptr);
    prompter.ExpectMessage("Grid.Row not in valid range");
    editor.BtnIns()->click();
    EXPECT_EQ(d.RowCount(), 1);
}

TEST_F(TableFormTest, ManyRowsShowTenWithAScrollBar)
{
    TGridTable& d = Project().D;
    d.SetRowCount(15);
    for (int r = 0; r < 15; ++r) d.Column(0).SetFloat(r, r + 1);
    TTableForm& editor = Open(d);
    const int h = d.HeaderRowCount();
    EXPECT_EQ(editor.EditorLayout().RowsShown(), 10);
    EXPECT_TRUE(editor.VerticalBar()->isVisible());
    EXPECT_TRUE(editor.Grid()->isRowHidden(h + 10));
    // Enter from the last row shown scrolls the next one in.
    editor.Grid()->setCurrentCell(h + 9, 1);
    Key(editor.Grid(), Qt::Key_Return);
    EXPECT_EQ(editor.Grid()->currentRow(), h + 10);
    EXPECT_FALSE(editor.Grid()->isRowHidden(h + 10));
    EXPECT_TRUE(editor.Grid()->isRowHidden(h));
    EXPECT_EQ(editor.VerticalBar()->value(), 1);
}

TEST_F(TableFormTest, PickListControlsWriteTheirCells)
{
    TGridTable& p = Project().Pilecoord;
    p.SetRowCount(2);
    p.Column(3).SetInteger(1, 2);
    TTableForm& editor = Open(p);
    const auto combos = editor.findChildren<QComboBox*>();
    std::vector<QComboBox*> shown;
    for (QComboBox* combo : combos)
        if (combo->isVisible()) shown.push_back(combo);
    ASSERT_EQ(shown.size(), 2u);
    std::sort(shown.begin(), shown.end(), [](QComboBox* a, QComboBox* b) { return a->y() < b->y(); });
    EXPECT_EQ(shown[0]->count(), 2);
    EXPECT_EQ(shown[0]->itemText(1), "YZ-Plane");
    EXPECT_EQ(shown[1]->currentIndex(), 1);
    // Each list sits on its cell, in the pick-list column.
    const QRect cell = editor.Grid()->visualItemRect(editor.Grid()->item(p.HeaderRowCount(), 4));
    const QPoint cellCentre = editor.Grid()->viewport()->mapTo(&editor, cell.center());
    EXPECT_TRUE(shown[0]->geometry().contains(cellCentre));
    // The user picks the second item in the first row.
    shown[0]->setCurrentIndex(1);
    emit shown[0]->activated(1);
    EXPECT_EQ(p.Column(3).GetInteger(0), 2);
}

TEST_F(TableFormTest, RowButtonOpensTheSubTableTitledWithItsRow)
{
    TGridTable& loads = Project().TLoadtype;
    loads.SetRowCount(3);
    TTableForm& editor = Open(loads);
    std::vector<QPushButton*> rowButtons;
    for (QPushButton* button : editor.findChildren<QPushButton*>())
        if (button->isVisible() && button != editor.BtnAdd() && button != editor.BtnIns() && button != editor.BtnDel())
            rowButtons.push_back(button);
    ASSERT_EQ(rowButtons.size(), 3u);
    std::sort(rowButtons.begin(), rowButtons.end(), [](QPushButton* a, QPushButton* b) { return a->y() < b->y(); });
    EXPECT_EQ(rowButtons[1]->text(), "2: Load Amplitude");
    rowButtons[1]->click();
    QCoreApplication::processEvents();
    TGridTable* sub = loads.Column(1).GetTable(1);
    ASSERT_NE(sub, nullptr);
    TTableForm* subEditor = EditorOf(*sub);
    ASSERT_NE(subEditor, nullptr);
    EXPECT_EQ(subEditor->windowTitle(), "Load Amplitude  2");
    // Typing into the sub-table reaches the row's own amplitude table.
    Type(*subEditor, 1, sub->HeaderRowCount(), "3*4");
    EXPECT_TRUE(subEditor->CommitCurrentCell());
    EXPECT_EQ(sub->Column(0).GetFloat(0), 12.0L);
    EXPECT_TRUE(loads.IsChanged());
}

TEST_F(TableFormTest, ScrolledRowButtonsOpenTheirOwnRows)
{
    TGridTable& loads = Project().TLoadtype;
    loads.SetRowCount(14);
    TTableForm& editor = Open(loads);
    ASSERT_TRUE(editor.VerticalBar()->isVisible());
    editor.VerticalBar()->setValue(4); // rows 5 to 14 shown
    EXPECT_EQ(editor.EditorLayout().TopRow(), 4);
    std::vector<QPushButton*> rowButtons;
    for (QPushButton* button : editor.findChildren<QPushButton*>())
        if (button->isVisible() && button != editor.BtnAdd() && button != editor.BtnIns() && button != editor.BtnDel())
            rowButtons.push_back(button);
    ASSERT_EQ(rowButtons.size(), 10u);
    std::sort(rowButtons.begin(), rowButtons.end(), [](QPushButton* a, QPushButton* b) { return a->y() < b->y(); });
    EXPECT_EQ(rowButtons[0]->text(), "5: Load Amplitude");
    rowButtons[9]->click();
    QCoreApplication::processEvents();
    TTableForm* sub = EditorOf(*loads.Column(1).GetTable(13));
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->windowTitle(), "Load Amplitude  14");
}

// The editor window of a table shown on its own (modal editors).
TTableForm* WindowOf(const TGridTable& table)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* editor = qobject_cast<TTableForm*>(widget); editor && editor->Table() == &table && editor->isVisible())
            return editor;
    return nullptr;
}

TEST_F(TableFormTest, ModalEditorHoldsTheCallerAndOpensSubTablesModally)
{
    TGridTable& loads = Project().TLoadtype;
    loads.SetRowCount(2);
    TGridTable* sub = loads.Column(1).GetTable(1);
    ASSERT_NE(sub, nullptr);
    QString subTitle;
    bool subModal = false, closedSub = false, closedMain = false;
    QTimer::singleShot(0, [&] {
        TTableForm* editor = WindowOf(loads);
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->isModal());
        QPushButton* second = nullptr;
        for (QPushButton* button : editor->findChildren<QPushButton*>())
            if (button->isVisible() && button->text().startsWith("2:")) second = button;
        ASSERT_NE(second, nullptr);
        QTimer::singleShot(0, [&] {
            TTableForm* subEditor = WindowOf(*sub);
            ASSERT_NE(subEditor, nullptr);
            subTitle = subEditor->windowTitle();
            subModal = subEditor->isModal();
            Type(*subEditor, 1, sub->HeaderRowCount(), "2.5*2");
            closedSub = subEditor->close();
        });
        second->click(); // returns when the amplitude table is closed
        closedMain = editor->close();
    });
    loads.ShowEditorModal();
    EXPECT_TRUE(closedSub);
    EXPECT_TRUE(closedMain);
    EXPECT_EQ(subTitle, "Load Amplitude  2");
    EXPECT_TRUE(subModal);
    EXPECT_EQ(sub->Column(0).GetFloat(0), 5.0L);
    EXPECT_FALSE(loads.HasEditor());
    EXPECT_FALSE(sub->HasEditor());
}

TEST_F(TableFormTest, UnitSwitchReopensInTheOtherSystem)
{
    TGridTable& d = Project().D;
    d.SetRowCount(1);
    d.Column(0).SetFloat(0, 1000.0L);
    const bool english = form->Logic().ProgramData().UnitSystem == English;
    TTableForm& before = Open(d);
    const QString header = before.Grid()->item(1, 1)->text();
    EXPECT_TRUE(header.contains(english ? "(ft/" : "(m/")) << header.toStdString();
    OpenMenu("DataMenu");
    Click(english ? "SIUnits" : "EnglishUnits");
    QCoreApplication::processEvents();
    ASSERT_EQ(Editors().size(), 1u);
    TTableForm& after = *Editors()[0];
    EXPECT_EQ(after.Table(), &d);
    const QString switched = after.Grid()->item(1, 1)->text();
    EXPECT_TRUE(switched.contains(english ? "(m/" : "(ft/")) << switched.toStdString();
    // The velocity was converted, and the new window shows the converted value.
    const double expected = english ? 304.8 : 3280.839895;
    EXPECT_NEAR(static_cast<double>(d.Column(0).GetFloat(0)), expected, 1e-6);
    EXPECT_EQ(Shown(after, 1, 2).toStdString(), d.Column(0).GetText(0));
    EXPECT_NE(Shown(after, 1, 2), "1000");
}

TEST_F(TableFormTest, DataMenuOpensTheTableOfEachFoundationType)
{
    struct Case {
        int type;
        const char* keyword;
        const char* item;
        TGridTable& (*table)(TProject&);
    };
    const Case cases[] = {
        {PileFoundation, PileKeyword, "PileCoordinates1", [](TProject& p) -> TGridTable& { return p.Pilecoord; }},
        {PileFoundation, PileKeyword, "PileGroupArrangement1", [](TProject& p) -> TGridTable& { return p.PileData; }},
        {PileFoundation, PileKeyword, "SoilLayerCoordinates1", [](TProject& p) -> TGridTable& { return p.D; }},
        {PileFoundation, PileKeyword, "Sidesoilpilecap1", [](TProject& p) -> TGridTable& { return p.pilecapsoil; }},
        {HalfSpaceFoundation, HalfSpaceKeyword, "Sidesoilpilecap1", [](TProject& p) -> TGridTable& { return p.D1; }},
        {MultilayerFoundation, MultilayerKeyword, "Sidesoilpilecap1", [](TProject& p) -> TGridTable& { return p.D; }},
        {MultilayerFoundation, MultilayerKeyword, "FoundationLayer1", [](TProject& p) -> TGridTable& { return p.MultiElement; }},
        {MultilayerFoundation, MultilayerKeyword, "SoilLayerBelowFoundation1", [](TProject& p) -> TGridTable& { return p.Multisoil; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        SetFoundation(c.type, c.keyword);
        Click(c.item);
        QCoreApplication::processEvents();
        TGridTable& expected = c.table(Project());
        ASSERT_EQ(Editors().size(), 1u);
        EXPECT_EQ(Editors()[0]->Table(), &expected);
        // Opening it again shows the same window.
        Click(c.item);
        EXPECT_EQ(Editors().size(), 1u);
        EXPECT_TRUE(Editors()[0]->Frame()->close());
        QCoreApplication::processEvents();
    }
}

TEST_F(TableFormTest, BorderDragSnapsToWholeColumns)
{
    TGridTable& d = Project().D;
    d.SetRowCount(3);
    TTableForm& editor = Open(d);
    QWidget* frame = editor.Frame();
    const QRect full = frame->geometry();
    // The right border dragged to half the width.
    editor.SizeTo(TSizingEdge::Right, QRect(full.left(), full.top(), full.width() / 2, full.height()));
    const TTableEditorLayout& layout = editor.EditorLayout();
    EXPECT_LT(layout.ColumnsShown(), d.VisibleColumnCount());
    EXPECT_GT(layout.ColumnsShown(), 0);
    EXPECT_TRUE(editor.HorizontalBar()->isVisible());
    EXPECT_EQ(frame->geometry().left(), full.left());
    // The window took the winner's size, whole columns only.
    const TSizingResult expected = layout.Sizing(TSizingEdge::Right, {full.left(), full.top(), frame->width(), frame->height()});
    EXPECT_EQ(frame->width(), expected.Window.Width);
    int hidden = 0;
    for (int c = 1; c < editor.Grid()->columnCount(); ++c) hidden += editor.Grid()->isColumnHidden(c) ? 1 : 0;
    EXPECT_EQ(hidden, d.VisibleColumnCount() - layout.ColumnsShown());
}

} // namespace
} // namespace quavis::test
