#include "entry/table_form.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGuiApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>

#include "components/errors.h"
#include "components/grid_column.h"
#include "components/grid_table.h"
#include "shell/main_form.h"
#include "shell/qt_prompter.h"

namespace quavis {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Text measuring with the window's font.
class TWidgetCanvas : public TGridCanvas {
public:
    explicit TWidgetCanvas(const QWidget& widget) : m_widget(widget) {}
    int TextWidth(const std::string& text) const override
    {
        return QFontMetrics(m_widget.font()).horizontalAdvance(Q(text));
    }
    int PixelsPerInch() const override { return m_widget.logicalDpiX(); }

private:
    const QWidget& m_widget;
};

// What the cell controls have in common: the widget is a child of the editor window and goes when the
// column drops the control (later, as the control may be the one whose signal is running).
// Runs a control's handler from a Qt signal, where an exception must not escape: it is reported.
void RunGuarded(Prompter& prompter, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        prompter.Inform(e.what());
    }
}

template <class Base, class Widget>
class TQtCellControl : public Base {
public:
    TQtCellControl(Widget* widget, Prompter& prompter) : m_widget(widget), m_prompter(prompter) {}
    ~TQtCellControl() override
    {
        if (m_widget) {
            // The column's handlers know this control: none may run once it is gone.
            m_widget->disconnect();
            m_widget->hide();
            m_widget->deleteLater();
        }
    }
    void SetTag(int tag) override { m_tag = tag; }
    int Tag() const override { return m_tag; }
    void SetVisible(bool visible) override
    {
        m_visible = visible;
        if (m_widget) m_widget->setVisible(visible);
    }
    bool Visible() const override { return m_visible; }
    void BringToFront() override
    {
        if (m_widget) m_widget->raise();
    }
    void SetBounds(int left, int top, int width, int height) override
    {
        if (m_widget) m_widget->setGeometry(left, top, width, height);
    }
    Widget* GetWidget() const { return m_widget; }

protected:
    QPointer<Widget> m_widget;
    Prompter& m_prompter;

private:
    int m_tag = -1;
    bool m_visible = false;
};

// A drop-down list that reports the focus entering it.
class TCellComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> OnEnter;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QComboBox::focusInEvent(event);
        if (OnEnter) OnEnter();
    }
};

class TQtGridComboBox : public TQtCellControl<TGridComboBox, TCellComboBox> {
public:
    using TQtCellControl::TQtCellControl;
    ~TQtGridComboBox() override
    {
        if (m_widget) m_widget->OnEnter = nullptr;
    }
    void SetItems(const std::vector<std::string>& items) override
    {
        if (!m_widget) return;
        m_widget->clear();
        for (const std::string& item : items) m_widget->addItem(Q(item));
    }
    void SetDropDownCount(int count) override
    {
        if (m_widget) m_widget->setMaxVisibleItems(count);
    }
    void SetItemIndex(int index) override
    {
        if (m_widget) m_widget->setCurrentIndex(index);
    }
    int ItemIndex() const override { return m_widget ? m_widget->currentIndex() : -1; }
    void SetOnChange(std::function<void()> handler) override
    {
        // Only what the user picks: the table sets the index itself when it writes the cell.
        if (m_widget)
            QObject::connect(m_widget, &QComboBox::activated, m_widget,
                             [this, handler](int) { RunGuarded(m_prompter, handler); });
    }
    void SetOnEnter(std::function<void()> handler) override
    {
        if (m_widget) m_widget->OnEnter = [this, handler] { RunGuarded(m_prompter, handler); };
    }
};

class TQtGridButton : public TQtCellControl<TGridButton, QPushButton> {
public:
    using TQtCellControl::TQtCellControl;
    void SetCaption(const std::string& caption) override
    {
        if (m_widget) m_widget->setText(Q(caption));
    }
    std::string Caption() const override { return m_widget ? m_widget->text().toStdString() : std::string(); }
    void SetOnClick(std::function<void()> handler) override
    {
        if (m_widget)
            QObject::connect(m_widget, &QPushButton::clicked, m_widget, [this, handler] { RunGuarded(m_prompter, handler); });
    }
};

QWidget* ControlWidget(TGridControl& control)
{
    if (auto* combo = dynamic_cast<TQtGridComboBox*>(&control)) return combo->GetWidget();
    if (auto* button = dynamic_cast<TQtGridButton*>(&control)) return button->GetWidget();
    return nullptr;
}

Prompter& FallbackPrompter()
{
    static TQtPrompter prompter;
    return prompter;
}

enum class TMoveOutcome { Allowed, Refused, Stay };

} // namespace

// The string grid: it asks the window before the current cell moves, so that a faulty entry keeps the
// user in its cell, and hands Enter to the window.
class TTableGrid : public QTableWidget {
public:
    TTableGrid(TTableForm& form, QWidget* parent);

    // The text of a cell as the user sees it: the open editor's while the cell is being edited.
    QString TypedText(const QModelIndex& index) const
    {
        if (m_editor && m_editorIndex == index) {
            if (auto* line = qobject_cast<QLineEdit*>(m_editor.data())) return line->text();
        }
        const QTableWidgetItem* cell = item(index.row(), index.column());
        return cell ? cell->text() : QString();
    }
    // Closes the open editor without writing its text to the cell (the window writes the values).
    void DropEditor()
    {
        if (QWidget* editor = m_editor.data()) {
            m_editor = nullptr;
            emit itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    void EditorOpened(QWidget* editor, const QModelIndex& index)
    {
        m_editor = editor;
        m_editorIndex = index;
    }
    void EditorClosing(QWidget* editor)
    {
        if (m_editor == editor) m_editor = nullptr;
    }
    // Moves the current cell without the window's checks (they have been made).
    void SetCurrentQuietly(int row, int column)
    {
        const bool was = m_quiet;
        m_quiet = true;
        setCurrentCell(row, column);
        m_quiet = was;
    }
    QLineEdit* Editor() const { return qobject_cast<QLineEdit*>(m_editor.data()); }
    TTableForm& Form() { return m_form; }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        if (!m_quiet && previous.isValid() && current.isValid() && current != previous) {
            const QString typed = TypedText(previous);
            DropEditor();
            const int outcome =
                m_form.CellMoving(previous.column(), previous.row(), typed, current.column(), current.row()) ? 0 : 1;
            if (outcome != 0) {
                SetCurrentQuietly(previous.row(), previous.column());
                return;
            }
        }
        QTableWidget::currentChanged(current, previous);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            m_form.EnterPressed();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

    // The wheel moves the window's own scroll bar: the grid itself never scrolls.
    void wheelEvent(QWheelEvent* event) override
    {
        QScrollBar* bar = m_form.VerticalBar();
        if (bar && bar->isVisible()) QCoreApplication::sendEvent(bar, event);
        event->accept();
    }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        // Rows and columns scrolled out are hidden: a step onto one scrolls it in first.
        const QModelIndex at = currentIndex();
        if (at.isValid()) {
            int row = at.row(), column = at.column();
            if (action == MoveDown) ++row;
            else if (action == MoveUp) --row;
            else if (action == MoveRight) ++column;
            else if (action == MoveLeft) --column;
            if ((row != at.row() || column != at.column()) && row >= 0 && row < rowCount() && column >= 0 &&
                column < columnCount() && (isRowHidden(row) || isColumnHidden(column))) {
                m_form.EnsureCellShown(column, row);
                return model()->index(row, column);
            }
        }
        return QTableWidget::moveCursor(action, modifiers);
    }

private:
    TTableForm& m_form;
    QPointer<QWidget> m_editor;
    QPersistentModelIndex m_editorIndex;
    bool m_quiet = false;
};

namespace {

// Opens the cell editors and gives Enter to the window instead of only closing the editor.
class TCellDelegate : public QStyledItemDelegate {
public:
    explicit TCellDelegate(TTableGrid& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        m_grid.EditorOpened(editor, index);
        return editor;
    }
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        m_grid.EditorClosing(editor);
        QStyledItemDelegate::destroyEditor(editor, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_grid.Form().EnterPressed();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TTableGrid& m_grid;
};

} // namespace

TTableGrid::TTableGrid(TTableForm& form, QWidget* parent) : QTableWidget(parent), m_form(form)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setItemDelegate(new TCellDelegate(*this));
}

// The window ------------------------------------------------------------------------------------------

TTableForm::TTableForm(TGridTable& table, Prompter& prompter, bool modal, QWidget* parent)
    : QWidget(parent), m_table(&table), m_prompter(prompter), m_modal(modal)
{
    setObjectName("TableForm");
    setWindowTitle("TableForm");
    m_canvas = std::make_unique<TWidgetCanvas>(*this);

    m_gridFrame = new QWidget(this);
    m_grid = new TTableGrid(*this, m_gridFrame);
    m_grid->setObjectName("Grid");
    m_vBar = new QScrollBar(Qt::Vertical, m_gridFrame);
    m_hBar = new QScrollBar(Qt::Horizontal, m_gridFrame);
    m_btnAdd = new QPushButton("&Add Row", this);
    m_btnAdd->setObjectName("BtnAdd");
    m_btnIns = new QPushButton("&Insert Row", this);
    m_btnIns->setObjectName("BtnIns");
    m_btnDel = new QPushButton("&Delete Row", this);
    m_btnDel->setObjectName("BtnDel");
    m_comments = new QLabel(this);
    m_comments->setObjectName("lblComments");
    m_comments->setWordWrap(true);
    m_help = new QLabel(this);
    m_help->setObjectName("imgHelp");
    for (QPushButton* button : {m_btnAdd, m_btnIns, m_btnDel}) button->setAutoDefault(false);

    connect(m_btnAdd, &QPushButton::clicked, this, [this] { AddClicked(); });
    connect(m_btnIns, &QPushButton::clicked, this, [this] { InsClicked(); });
    connect(m_btnDel, &QPushButton::clicked, this, [this] { DelClicked(); });
    connect(m_vBar, &QScrollBar::valueChanged, this, [this] { ScrollBarMoved(); });
    connect(m_hBar, &QScrollBar::valueChanged, this, [this] { ScrollBarMoved(); });

    m_layout = std::make_unique<TTableEditorLayout>(table, *m_canvas, Metrics());
    m_layout->Show();
    SetTitle(m_layout->Caption());
    m_comments->setText(Q(table.Comments()));
    m_help->setPixmap(QPixmap(Q(table.HelpPicture())));
    table.BindEditor(this, [this](int column, int row) { CellChanged(column, row); }, [this] { Refresh(); });
    Refresh();
    // The first data cell is the current one, as the user starts typing there.
    const int h = m_layout->HeaderRows();
    if (m_layout->IsDataCell(1, h)) m_grid->SetCurrentQuietly(h, 1);
}

// The table lets go of this window (and of the editor that stands for it).
void TTableForm::ReleaseTable()
{
    TGridTable* table = m_table;
    TTableEditorHandle* handle = m_handle;
    Detach();
    if (handle) handle->FormGone();
    std::unique_ptr<TGridTableEditor> editor = table->EditorClosed();
    editor.reset();
}

TTableForm::~TTableForm()
{
    // Destroyed without closing (the frame went first): the table lets go of this window.
    if (m_table && !m_closed) {
        m_closed = true;
        ReleaseTable();
    }
}

QTableWidget* TTableForm::Grid() const { return m_grid; }

QWidget* TTableForm::Frame()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
    return this;
}

void TTableForm::Detach()
{
    m_table = nullptr;
    m_handle = nullptr;
}

void TTableForm::SetTitle(const std::string& title) { setWindowTitle(Q(title)); }

TTableEditorMetrics TTableForm::Metrics() const
{
    const QFontMetrics fm(font());
    TTableEditorMetrics m;
    m.PixelsPerInch = logicalDpiY();
    m.RowHeight = std::max(fm.height() + 8, 22);
    m.ScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m.ScrollBarHeight = m.ScrollBarWidth;
    int buttonWidth = 81 * m.PixelsPerInch / 96;
    for (const QPushButton* button : {m_btnAdd, m_btnIns, m_btnDel})
        buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    m.ButtonWidth = buttonWidth;
    m.ButtonHeight = std::max(21 * m.PixelsPerInch / 96, m_btnAdd->sizeHint().height());
    m.CommentHeight = m_comments->sizeHint().height();
    const QPixmap picture = m_help->pixmap();
    m.PictureWidth = picture.isNull() ? 0 : picture.width();
    m.PictureHeight = picture.isNull() ? 0 : picture.height();
    auto* self = const_cast<TTableForm*>(this);
    QWidget* frame = self->Frame();
    if (frame != this) {
        m.BorderWidth = frame->width() - width();
        m.BorderHeight = frame->height() - height();
    }
    return m;
}

int TTableForm::TopRow() const { return m_layout ? m_layout->TopRow() : 0; }
int TTableForm::VisibleRowCount() const { return m_layout ? m_layout->RowsShown() : 0; }

std::unique_ptr<TGridComboBox> TTableForm::CreateComboBox()
{
    auto* combo = new TCellComboBox(this);
    combo->setEditable(false);
    combo->hide();
    return std::make_unique<TQtGridComboBox>(combo, m_prompter);
}

std::unique_ptr<TGridButton> TTableForm::CreateButton()
{
    auto* button = new QPushButton(this);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->hide();
    return std::make_unique<TQtGridButton>(button, m_prompter);
}

void TTableForm::FocusCell(int gridColumn, int gridRow)
{
    if (!m_table) return;
    // The cell being left is committed as on any move; a refused entry keeps the user there.
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid() && (current.column() != gridColumn || current.row() != gridRow)) {
        if (!CommitCurrentCell()) return;
    }
    m_grid->SetCurrentQuietly(gridRow, gridColumn);
}

QLineEdit* TTableForm::CellEditor() const { return m_grid->Editor(); }

QString TTableForm::CellText(int gridColumn, int gridRow) const
{
    return m_grid->TypedText(m_grid->model()->index(gridRow, gridColumn));
}

// Refresh and layout ------------------------------------------------------------------------------------

void TTableForm::Refresh()
{
    if (!m_table) return;
    m_layout->Refresh();
    FillGrid();
    ApplyView();
    Relayout();
}

void TTableForm::FillGrid()
{
    m_grid->DropEditor();
    const TTableEditorLayout& L = *m_layout;
    const TTableEditorMetrics& m = m_layout->Metrics();
    const int rows = L.GridRowCount();
    const int columns = L.GridColumnCount();
    const int h = L.HeaderRows();
    m_grid->setRowCount(rows);
    m_grid->setColumnCount(columns);
    const QBrush fixed = palette().button();
    const QBrush fixedText = palette().buttonText();
    for (int c = 0; c < columns; ++c) {
        m_grid->setColumnWidth(c, L.ColumnWidth(c) + 1);
        const bool controls = c > 0 && m_table->VisibleColumn(c - 1).UsesControls();
        for (int r = 0; r < rows; ++r) {
            QTableWidgetItem* cell = m_grid->item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                m_grid->setItem(r, c, cell);
            }
            cell->setText(Q(L.CellText(c, r)));
            if (c == 0 || r < h) {
                // Fixed cells: the row numbers and the header lines.
                cell->setFlags(Qt::NoItemFlags);
                cell->setBackground(fixed);
                cell->setForeground(fixedText);
                cell->setTextAlignment(c == 0 && r >= h ? Qt::AlignRight | Qt::AlignVCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
            } else {
                cell->setFlags(controls ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                        : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
                cell->setData(Qt::BackgroundRole, QVariant());
                cell->setData(Qt::ForegroundRole, QVariant());
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
        }
    }
    for (int r = 0; r < rows; ++r) m_grid->setRowHeight(r, m.RowHeight + 1);
}

void TTableForm::ApplyView()
{
    const TTableEditorLayout& L = *m_layout;
    const int h = L.HeaderRows();
    for (int r = h; r < L.GridRowCount(); ++r) {
        const int row = r - h;
        m_grid->setRowHidden(r, row < L.TopRow() || row >= L.TopRow() + L.RowsShown());
    }
    for (int c = 1; c < L.GridColumnCount(); ++c) {
        const int k = c - 1;
        m_grid->setColumnHidden(c, k < L.LeftColumn() || k >= L.LeftColumn() + L.ColumnsShown());
    }
    const QSignalBlocker blockV(m_vBar);
    const QSignalBlocker blockH(m_hBar);
    m_vBar->setRange(0, std::max(0, m_table->RowCount() - L.RowsShown()));
    m_vBar->setPageStep(std::max(1, L.RowsShown()));
    m_vBar->setValue(L.TopRow());
    m_hBar->setRange(0, std::max(0, m_table->VisibleColumnCount() - L.ColumnsShown()));
    m_hBar->setPageStep(std::max(1, L.ColumnsShown()));
    m_hBar->setValue(L.LeftColumn());
    // Whatever Qt scrolled to is undone: the hidden rows and columns are the scrolling.
    m_grid->horizontalScrollBar()->setValue(0);
    m_grid->verticalScrollBar()->setValue(0);
}

void TTableForm::Relayout()
{
    if (!m_table) return;
    // The view and the grid follow the table even when it changed without telling (a new project
    // replaced its rows while this window stayed open).
    m_layout->Refresh();
    if (m_grid->rowCount() != m_layout->GridRowCount() || m_grid->columnCount() != m_layout->GridColumnCount())
        FillGrid();
    // The comment line wraps to the width the grid and the buttons give the window.
    m_layout->Metrics() = Metrics();
    if (!m_table->Comments().empty()) {
        const int width = m_layout->Layout().ClientWidth - 2 * m_layout->Metrics().Margin();
        m_layout->Metrics().CommentHeight = m_comments->heightForWidth(std::max(width, 1));
    }
    const TTableEditorGeometry g = m_layout->ApplyLayout(this);
    const TTableEditorMetrics& m = m_layout->Metrics();
    m_gridFrame->setGeometry(g.Grid.Left, g.Grid.Top, g.Grid.Width, g.Grid.Height);
    const int vBar = g.VerticalScrollBar ? m.ScrollBarWidth : 0;
    const int hBar = g.HorizontalScrollBar ? m.ScrollBarHeight : 0;
    m_grid->setGeometry(0, 0, g.Grid.Width - vBar, g.Grid.Height - hBar);
    m_vBar->setGeometry(g.Grid.Width - vBar, 0, vBar, g.Grid.Height - hBar);
    m_vBar->setVisible(g.VerticalScrollBar);
    m_hBar->setGeometry(0, g.Grid.Height - hBar, g.Grid.Width - vBar, hBar);
    m_hBar->setVisible(g.HorizontalScrollBar);

    const TTableButtonState buttons = m_layout->Buttons();
    m_btnAdd->setGeometry(g.BtnAdd.Left, g.BtnAdd.Top, g.BtnAdd.Width, g.BtnAdd.Height);
    m_btnIns->setGeometry(g.BtnIns.Left, g.BtnIns.Top, g.BtnIns.Width, g.BtnIns.Height);
    m_btnDel->setGeometry(g.BtnDel.Left, g.BtnDel.Top, g.BtnDel.Width, g.BtnDel.Height);
    for (QPushButton* button : {m_btnAdd, m_btnIns, m_btnDel}) button->setVisible(buttons.Visible);
    m_btnAdd->setEnabled(buttons.AddEnabled);
    m_btnIns->setEnabled(buttons.AddEnabled);
    m_btnDel->setEnabled(buttons.DeleteEnabled);

    m_comments->setText(Q(m_table->Comments()));
    m_comments->setGeometry(g.Comments.Left, g.Comments.Top, g.Comments.Width, g.Comments.Height);
    m_comments->setVisible(!m_table->Comments().empty());
    m_help->setGeometry(g.Picture.Left, g.Picture.Top, g.Picture.Width, g.Picture.Height);
    m_help->setVisible(g.Picture.Height > 0);
    ApplyView();
    ResizeFrameTo(g.ClientWidth, g.ClientHeight);
}

void TTableForm::ResizeFrameTo(int clientWidth, int clientHeight)
{
    QWidget* frame = Frame();
    const QSize border = frame == this ? QSize() : frame->size() - size();
    m_sizing = true;
    resize(clientWidth, clientHeight);
    if (frame != this && !frame->isMaximized() && !frame->isMinimized())
        frame->resize(QSize(clientWidth, clientHeight) + border);
    m_frameGeometry = frame->geometry();
    m_sizing = false;
}

void TTableForm::RewriteCells()
{
    if (!m_table) return;
    const int h = m_layout->HeaderRows();
    for (int k = 0; k < m_table->VisibleColumnCount(); ++k) {
        const TColumn& column = m_table->VisibleColumn(k);
        if (column.UsesControls()) continue;
        for (int r = 0; r < m_table->RowCount(); ++r)
            if (QTableWidgetItem* cell = m_grid->item(h + r, k + 1)) cell->setText(Q(column.GetText(r)));
    }
}

void TTableForm::CellChanged(int column, int row)
{
    if (!m_table || column < 0 || column >= m_table->ColumnCount()) return;
    const TColumn& changed = m_table->Column(column);
    const int k = m_table->VisibleIndexOf(&changed);
    if (k < 0 || changed.UsesControls()) return;
    if (QTableWidgetItem* cell = m_grid->item(m_layout->HeaderRows() + row, k + 1))
        cell->setText(Q(changed.GetText(row)));
}

void TTableForm::EnsureCellShown(int gridColumn, int gridRow)
{
    if (!m_table) return;
    const int h = m_layout->HeaderRows();
    int left = m_layout->LeftColumn(), top = m_layout->TopRow();
    const int row = gridRow - h, k = gridColumn - 1;
    if (row >= 0 && row < top) top = row;
    if (row >= top + m_layout->RowsShown()) top = row - m_layout->RowsShown() + 1;
    if (k >= 0 && k < left) left = k;
    if (k >= left + m_layout->ColumnsShown()) left = k - m_layout->ColumnsShown() + 1;
    if (left == m_layout->LeftColumn() && top == m_layout->TopRow()) return;
    m_layout->ScrollTo(left, top);
    ApplyView();
    Relayout();
}

void TTableForm::ScrollBarMoved()
{
    if (!m_table) return;
    m_layout->ScrollTo(m_hBar->value(), m_vBar->value());
    ApplyView();
    Relayout();
}

// Cells --------------------------------------------------------------------------------------------------

void TTableForm::Report(const std::string& message) { m_prompter.Inform(message); }

bool TTableForm::CellMoving(int fromColumn, int fromRow, const QString& typed, int toColumn, int toRow)
{
    if (!m_table) return true;
    TCellMoveResult result;
    try {
        result = m_layout->SelectCell({fromColumn, fromRow}, typed.toStdString(), {toColumn, toRow});
    } catch (const std::exception& e) {
        result.Allowed = false;
        result.Message = e.what();
    }
    if (!result.Allowed && !result.Message.empty()) {
        Report(result.Message);
        // The user stays in the faulty cell with the entry as typed, editing it again.
        if (QTableWidgetItem* cell = m_grid->item(fromRow, fromColumn)) {
            cell->setText(typed);
            QTimer::singleShot(0, m_grid, [grid = m_grid, fromRow, fromColumn] {
                QTableWidgetItem* again = grid->item(fromRow, fromColumn);
                if (again && grid->currentItem() == again && !grid->Editor() && (again->flags() & Qt::ItemIsEditable))
                    grid->editItem(again);
            });
        }
        return false;
    }
    if (result.RewriteCells) RewriteCells();
    if (!result.Allowed) {
        // A pick list or row button is used instead of its cell.
        const int row = toRow - m_layout->HeaderRows() - m_layout->TopRow();
        TColumn& column = m_table->VisibleColumn(toColumn - 1);
        if (row >= 0 && row < column.ControlCount()) {
            if (QWidget* control = ControlWidget(column.Control(row))) {
                QPointer<QWidget> target(control);
                QTimer::singleShot(0, this, [target] {
                    if (target && target->isVisible()) target->setFocus(Qt::TabFocusReason);
                });
            }
        }
        return false;
    }
    return true;
}

bool TTableForm::CommitCurrentCell()
{
    if (!m_table) return true;
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid()) return true;
    const QString typed = m_grid->TypedText(current);
    TCellMoveResult result;
    try {
        result = m_layout->Commit({current.column(), current.row()}, typed.toStdString());
    } catch (const std::exception& e) {
        result.Allowed = false;
        result.Message = e.what();
    }
    if (!result.Allowed) {
        Report(result.Message);
        if (QTableWidgetItem* cell = m_grid->item(current.row(), current.column())) {
            if (!m_grid->Editor()) {
                cell->setText(typed);
            }
        }
        if (!m_modal) m_grid->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (m_layout->IsDataCell(current.column(), current.row())) {
        m_grid->DropEditor();
        RewriteCells();
    }
    return true;
}

void TTableForm::EnterPressed()
{
    if (!m_table) return;
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid()) return;
    const TGridCell target = m_layout->EnterTarget({current.column(), current.row()});
    if (target.Column == current.column() && target.Row == current.row()) {
        CommitCurrentCell();
        return;
    }
    EnsureCellShown(target.Column, target.Row);
    m_grid->setCurrentCell(target.Row, target.Column);
}

// Buttons -----------------------------------------------------------------------------------------------

void TTableForm::RowCommand(const std::function<void()>& command)
{
    if (!m_table || !CommitCurrentCell()) return;
    try {
        command();
    } catch (const std::exception& e) {
        Report(e.what());
    }
    Refresh();
}

void TTableForm::AddClicked()
{
    RowCommand([this] { m_layout->AddRow(); });
}

void TTableForm::InsClicked()
{
    RowCommand([this] { m_layout->InsertRow(m_grid->currentRow()); });
}

void TTableForm::DelClicked()
{
    RowCommand([this] { m_layout->DeleteRow(m_grid->currentRow()); });
}

// Window events -----------------------------------------------------------------------------------------

void TTableForm::FormDeactivate()
{
    if (!m_table || m_closed) return;
    if (CommitCurrentCell() || m_modal) return;
    // Brought back so that the entry can be corrected.
    QPointer<QWidget> frame(Frame());
    QTimer::singleShot(0, this, [frame] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frame.data())) {
            if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
        } else if (frame) {
            frame->activateWindow();
        }
    });
}

void TTableForm::closeEvent(QCloseEvent* event)
{
    if (m_closed || !m_table) {
        event->accept();
        return;
    }
    if (!CommitCurrentCell()) {
        event->ignore();
        return;
    }
    m_closed = true;
    ReleaseTable();
    event->accept();
}

void TTableForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    WatchFrame();
}

void TTableForm::WatchFrame()
{
    QWidget* frame = Frame();
    if (m_watchedFrame == frame) return;
    if (m_watchedFrame) m_watchedFrame->removeEventFilter(this);
    m_watchedFrame = frame;
    frame->installEventFilter(this);
    m_frameGeometry = frame->geometry();
}

bool TTableForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedFrame && event->type() == QEvent::Resize) FrameResized();
    return QWidget::eventFilter(watched, event);
}

void TTableForm::FrameResized()
{
    QWidget* frame = Frame();
    const QRect now = frame->geometry();
    // Only a border dragged by the user snaps; the program's own resizing (and the frame placing a new
    // window) is taken as it is.
    const bool dragged = QGuiApplication::mouseButtons() != Qt::NoButton;
    if (m_sizing || !m_table || !dragged || frame->isMaximized() || frame->isMinimized() ||
        now.size() == m_frameGeometry.size()) {
        m_frameGeometry = now;
        return;
    }
    // The edges that moved tell which one is dragged.
    const QRect before = m_frameGeometry;
    const bool left = now.left() != before.left();
    const bool top = now.top() != before.top();
    const bool wide = now.width() != before.width();
    const bool high = now.height() != before.height();
    TSizingEdge edge = TSizingEdge::BottomRight;
    if (top) edge = left ? TSizingEdge::TopLeft : (wide ? TSizingEdge::TopRight : TSizingEdge::Top);
    else if (left) edge = high ? TSizingEdge::BottomLeft : TSizingEdge::Left;
    else if (wide && !high) edge = TSizingEdge::Right;
    else if (high && !wide) edge = TSizingEdge::Bottom;
    m_frameGeometry = now;
    // Not from inside the frame's own resizing.
    QPointer<TTableForm> self(this);
    QTimer::singleShot(0, this, [self, edge, now] {
        if (self) self->SizeTo(edge, now);
    });
}

void TTableForm::SizeTo(TSizingEdge edge, const QRect& requested)
{
    if (!m_table) return;
    m_layout->Metrics() = Metrics();
    if (!m_table->Comments().empty()) m_layout->Metrics().CommentHeight = m_comments->height();
    TSizingResult result;
    try {
        result = m_layout->Sizing(edge, {requested.x(), requested.y(), requested.width(), requested.height()});
    } catch (const std::exception&) {
        return; // a grid without a data column has nothing to size
    }
    m_layout->ApplySizing(result);
    ApplyView();
    Relayout();
    QWidget* frame = Frame();
    m_sizing = true;
    frame->setGeometry(result.Window.Left, result.Window.Top, result.Window.Width, result.Window.Height);
    if (frame != this) resize(frame->size() - QSize(m_layout->Metrics().BorderWidth, m_layout->Metrics().BorderHeight));
    m_frameGeometry = frame->geometry();
    m_sizing = false;
}

// The table's handle ---------------------------------------------------------------------------------------

TTableEditorHandle::TTableEditorHandle(TGridTable& table, bool modal) : m_table(table), m_modal(modal) {}

TTableEditorHandle::~TTableEditorHandle()
{
    if (TTableForm* form = m_form) {
        m_form = nullptr;
        form->Detach();
        QWidget* frame = form->Frame();
        delete frame;
    }
}

void TTableEditorHandle::SetTitle(const std::string& title)
{
    if (m_form) m_form->SetTitle(title);
}

void TTableEditorHandle::Show()
{
    if (m_form) {
        QWidget* frame = m_form->Frame();
        frame->show();
        frame->raise();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frame); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        else
            frame->activateWindow();
        return;
    }
    TMainForm* main = MainFormOfTable(m_table);
    Prompter& prompter = main ? main->GetPrompter() : FallbackPrompter();
    auto* form = new TTableForm(m_table, prompter, m_modal);
    m_form = form;
    form->SetHandle(this);
    if (m_modal) {
        // A window of its own that holds the user until it is closed.
        if (main) form->setParent(main, Qt::Dialog);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
        form->show();
        loop.exec();
        // This handle is gone by now: the table dropped it when the window closed.
        return;
    }
    if (main) {
        main->AddChild(form);
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
    }
}

TMainForm* MainFormOfTable(const TGridTable& table)
{
    const TGridTable* root = &table;
    while (root->Owner()) root = root->Owner();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<TMainForm*>(widget);
        if (!main) continue;
        for (const TGridTable* candidate : main->Logic().Project().Tables())
            if (candidate == root) return main;
    }
    return nullptr;
}

void InstallTableEditorFactory()
{
    SetGridEditorFactory([](TGridTable& table, bool modal) -> std::unique_ptr<TGridTableEditor> {
        return std::make_unique<TTableEditorHandle>(table, modal);
    });
}

namespace {
// Every table's editor is this window from the start of the program.
const struct TInstallTableEditor {
    TInstallTableEditor() { InstallTableEditorFactory(); }
} installTableEditor;
} // namespace

} // namespace quavis
