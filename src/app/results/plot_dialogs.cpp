#include "results/plot_dialogs.h"

#include "graph/curve_palette.h"
#include "graph/graph_plot.h"
#include "graph/plot_view.h"
#include "graph/qpainter_canvas.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace quavis {

namespace {

std::vector<std::string> AllLegendNames(const TGraphPlot& graph)
{
    std::vector<std::string> names;
    for (int i = 0; i < graph.LineCount(); ++i) names.push_back(graph.LineAt(i).LegendName());
    return names;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

// ---- Graph Caption ----

TfrmGraphCaption::TfrmGraphCaption(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGraphCaption"));
    setWindowTitle(QStringLiteral("Graph Caption"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter Graph Caption"), this));
    edtCaption = new QLineEdit(this);
    edtCaption->setObjectName(QStringLiteral("edtCaption"));
    layout->addWidget(edtCaption);
    auto* group = new QGroupBox(QStringLiteral("Caption Location"), this);
    auto* groupLayout = new QHBoxLayout(group);
    rbTop = new QRadioButton(QStringLiteral("Top"), group);
    rbTop->setObjectName(QStringLiteral("rbTop"));
    rbBottom = new QRadioButton(QStringLiteral("Bottom"), group);
    rbBottom->setObjectName(QStringLiteral("rbBottom"));
    groupLayout->addWidget(rbTop);
    groupLayout->addWidget(rbBottom);
    layout->addWidget(group);
    QPushButton* ok = Button(this, "btnOK", "&OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
}

bool EditGraphTitle(TGraphPlot& graph, QWidget* parent)
{
    TfrmGraphCaption dialog(parent);
    dialog.edtCaption->setText(Latin1(graph.GraphTitle));
    (graph.TitleOnTop ? dialog.rbTop : dialog.rbBottom)->setChecked(true);
    dialog.exec();
    // However the dialog was closed, it holds the title.
    graph.GraphTitle = dialog.edtCaption->text().toLatin1().toStdString();
    graph.TitleOnTop = dialog.rbTop->isChecked();
    return true;
}

// ---- Legend ----

TfrmLineNames::TfrmLineNames(std::vector<std::string> names, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLineNames"));
    setWindowTitle(QStringLiteral("Legend"));
    setMinimumSize(195, 167);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 5, 10, 5);
    layout->setSpacing(5);
    layout->addWidget(new QLabel(QStringLiteral("Select line to modify:"), this));
    lbLines = new QListWidget(this);
    lbLines->setObjectName(QStringLiteral("lbLines"));
    for (const std::string& n : names) lbLines->addItem(Latin1(n));
    layout->addWidget(lbLines, 1);
    layout->addWidget(new QLabel(QStringLiteral("Type new legend below:"), this));
    edLine = new QLineEdit(this);
    edLine->setObjectName(QStringLiteral("edLine"));
    edLine->installEventFilter(this);
    layout->addWidget(edLine);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 0, 10, 0);
    QPushButton* ok = Button(this, "btnOK", "&OK");
    QPushButton* cancel = Button(this, "btnCancel", "&Cancel");
    connect(ok, &QPushButton::clicked, this, [this] {
        CommitEdit();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(lbLines, &QListWidget::currentRowChanged, this, [this](int row) { SelectRow(row); });
    if (lbLines->count() > 0) lbLines->setCurrentRow(0);
}

void TfrmLineNames::SelectRow(int row)
{
    if (row < 0 || row >= lbLines->count()) return;
    edLine->setText(lbLines->item(row)->text());
    const TColorRGB c = CurvePalette(static_cast<std::size_t>(row));
    QPalette palette = edLine->palette();
    palette.setColor(QPalette::Text, QColor(c.r, c.g, c.b));
    edLine->setPalette(palette);
}

void TfrmLineNames::CommitEdit()
{
    const int row = lbLines->currentRow();
    if (row < 0) return;
    if (edLine->text().isEmpty()) {
        if (Refuse) Refuse(LineNeedsNameMessage);
        else QMessageBox::warning(this, QStringLiteral("QUAVIS"), QString::fromLatin1(LineNeedsNameMessage));
        edLine->setText(lbLines->item(row)->text());
        return;
    }
    lbLines->item(row)->setText(edLine->text());
}

bool TfrmLineNames::eventFilter(QObject* object, QEvent* event)
{
    if (object == edLine) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                CommitEdit();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            CommitEdit();
        }
    }
    return QDialog::eventFilter(object, event);
}

std::vector<std::string> TfrmLineNames::Names() const
{
    std::vector<std::string> names;
    for (int i = 0; i < lbLines->count(); ++i) names.push_back(lbLines->item(i)->text().toLatin1().toStdString());
    return names;
}

void ApplyLegendNames(TPlotView& view, const std::vector<std::string>& names)
{
    TGraphPlot& graph = view.Graph();
    const int n = std::min(graph.LineCount(), static_cast<int>(names.size()));
    for (int i = 0; i < n; ++i) graph.LineAt(i).ExplicitName = names[static_cast<std::size_t>(i)];
    // The legend entries stand for the active curves in order; each takes its curve's new name.
    for (LegendEntry& e : view.Legend())
        if (e.curve >= 0 && e.curve < n) e.text = names[static_cast<std::size_t>(e.curve)];
}

bool EditLegendNames(TPlotView& view, QWidget* parent)
{
    TfrmLineNames dialog(AllLegendNames(view.Graph()), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyLegendNames(view, dialog.Names());
    return true;
}

// ---- Active Curves ----

TfrmActiveLines::TfrmActiveLines(std::vector<std::string> names, std::vector<std::string> codes, QWidget* parent)
    : QDialog(parent), m_names(std::move(names)), m_codes(std::move(codes))
{
    setObjectName(QStringLiteral("frmActiveLines"));
    setWindowTitle(QStringLiteral("Active Curves"));
    setMinimumSize(190, 234);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(new QLabel(QStringLiteral("Select Curve to Active/Desactive"), this));
    auto* headings = new QHBoxLayout;
    headings->addWidget(new QLabel(QStringLiteral("Active :"), this));
    headings->addWidget(new QLabel(QStringLiteral("Curve"), this), 1);
    layout->addLayout(headings);
    lbLines = new QListWidget(this);
    lbLines->setObjectName(QStringLiteral("lbLines"));
    lbLines->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_codes.resize(m_names.size(), ActiveCode);
    for (std::size_t i = 0; i < m_names.size(); ++i) lbLines->addItem(QString());
    for (int i = 0; i < lbLines->count(); ++i) Refresh(i);
    layout->addWidget(lbLines, 1);
    QPushButton* toggle = Button(this, "ActivateDesactivateButton", "Activate/Desactivate Selected");
    layout->addWidget(toggle);
    auto* all = new QHBoxLayout;
    QPushButton* activate = Button(this, "ActivateButton", "Activate All");
    QPushButton* deactivate = Button(this, "DesactivateButton", "Desactivate All");
    all->addWidget(activate);
    all->addStretch();
    all->addWidget(deactivate);
    layout->addLayout(all);
    auto* close = new QHBoxLayout;
    QPushButton* ok = Button(this, "btnOK", "&OK");
    QPushButton* cancel = Button(this, "btnCancel", "&Cancel");
    close->addWidget(ok);
    close->addStretch();
    close->addWidget(cancel);
    layout->addLayout(close);
    connect(toggle, &QPushButton::clicked, this, [this] { ToggleSelected(); });
    connect(activate, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(deactivate, &QPushButton::clicked, this, [this] { SetAll(false); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbLines, &QListWidget::itemDoubleClicked, this, [this] { ToggleEntry(lbLines->currentRow()); });
}

void TfrmActiveLines::Refresh(int row)
{
    const auto i = static_cast<std::size_t>(row);
    lbLines->item(row)->setText(Latin1(m_codes[i] + "   " + m_names[i]));
}

void TfrmActiveLines::ToggleEntry(int row)
{
    if (row < 0 || row >= lbLines->count()) return;
    std::string& code = m_codes[static_cast<std::size_t>(row)];
    code = code == ActiveCode ? InactiveCode : ActiveCode;
    Refresh(row);
}

void TfrmActiveLines::ToggleSelected()
{
    const QList<QListWidgetItem*> selected = lbLines->selectedItems();
    if (selected.size() == 1) {
        ToggleEntry(lbLines->currentRow());
        return;
    }
    for (QListWidgetItem* item : selected) ToggleEntry(lbLines->row(item));
}

void TfrmActiveLines::SetAll(bool active)
{
    for (int i = 0; i < lbLines->count(); ++i) {
        m_codes[static_cast<std::size_t>(i)] = active ? ActiveCode : InactiveCode;
        Refresh(i);
    }
}

void ApplyActiveCodes(TPlotView& view, const std::vector<std::string>& names, const std::vector<std::string>& codes,
                      TTextMeasurer& legendMeasurer)
{
    TGraphPlot& graph = view.Graph();
    std::vector<LegendEntry>& legend = view.Legend();
    std::size_t k = 0;
    for (int i = 0; i < graph.LineCount(); ++i) {
        const auto u = static_cast<std::size_t>(i);
        TLine& line = graph.LineAt(i);
        line.Active = u < codes.size() && codes[u] == ActiveCode;
        if (!line.Active) continue;
        LegendEntry entry{i, u < names.size() ? names[u] : line.LegendName()};
        if (k < legend.size()) legend[k] = std::move(entry);
        else legend.push_back(std::move(entry));
        ++k;
    }
    legend.resize(k);
    view.SizeLegend(legendMeasurer);
}

bool EditActiveCurves(TPlotView& view, TTextMeasurer& legendMeasurer, QWidget* parent)
{
    const TGraphPlot& graph = view.Graph();
    std::vector<std::string> names = AllLegendNames(graph);
    std::vector<std::string> codes;
    for (int i = 0; i < graph.LineCount(); ++i) codes.push_back(graph.LineAt(i).Active ? ActiveCode : InactiveCode);
    TfrmActiveLines dialog(names, codes, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyActiveCodes(view, names, dialog.Codes(), legendMeasurer);
    return true;
}

// ---- Save Attributes ----

TdlgFormat::TdlgFormat(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("dlgFormat"));
    setWindowTitle(QStringLiteral("Save Attributes"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    deHeight = new QDoubleSpinBox(this);
    deHeight->setObjectName(QStringLiteral("deHeight"));
    deHeight->setRange(2, 1e6);
    deHeight->setDecimals(3);
    deHeight->setValue(4);
    deWidth = new QDoubleSpinBox(this);
    deWidth->setObjectName(QStringLiteral("deWidth"));
    deWidth->setRange(2, 1e6);
    deWidth->setDecimals(3);
    deWidth->setValue(6);
    dePPI = new QSpinBox(this);
    dePPI->setObjectName(QStringLiteral("dePPI"));
    dePPI->setRange(10, 2147483647);
    dePPI->setValue(72);
    form->addRow(QStringLiteral("&Height (in)"), deHeight);
    form->addRow(QStringLiteral("&Width (in)"), deWidth);
    form->addRow(QStringLiteral("&Pixels Per Inch"), dePPI);
    layout->addLayout(form);
    // The picture is written in the device's default colour format whatever is chosen here.
    auto* colors = new QGroupBox(QStringLiteral("Colors"), this);
    auto* colorLayout = new QVBoxLayout(colors);
    for (const char* c : {"Black and White", "16 Colors", "256 Colors", "High Color (16 bit)", "True Color (24 bit)"}) {
        auto* rb = new QRadioButton(QString::fromLatin1(c), colors);
        rb->setChecked(QString::fromLatin1(c) == QStringLiteral("16 Colors"));
        colorLayout->addWidget(rb);
    }
    layout->addWidget(colors);
    auto* buttons = new QHBoxLayout;
    QPushButton* ok = Button(this, "btnOK", "OK");
    ok->setDefault(true);
    QPushButton* cancel = Button(this, "btnCancel", "Cancel");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

bool RunSaveAttributes(double& heightInches, double& widthInches, int& ppi, QWidget* parent)
{
    TdlgFormat dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    heightInches = dialog.deHeight->value();
    widthInches = dialog.deWidth->value();
    ppi = dialog.dePPI->value();
    return true;
}

// ---- Page setup ----

PageSetupReply TQtPageSetupHost::RunPageSetup(const PageSetupRequest& request)
{
    // Hundredths of a millimetre when asked for, else thousandths of an inch.
    const bool millimetres = (request.flags & PageSetupDialogFlag(poHundredthsOfMillimeters)) != 0;
    const QPageLayout::Unit unit = millimetres ? QPageLayout::Millimeter : QPageLayout::Inch;
    const double scale = millimetres ? 100.0 : 1000.0;
    QPrinter printer;
    const PageMargins& m = request.margins;
    printer.setPageMargins(QMarginsF(m.left / scale, m.top / scale, m.right / scale, m.bottom / scale), unit);
    QPageSetupDialog dialog(&printer, m_parent);
    PageSetupReply reply;
    if (dialog.exec() != QDialog::Accepted) return reply;
    reply.confirmed = true;
    const QMarginsF margins = printer.pageLayout().margins(unit);
    const auto v = [scale](double x) { return static_cast<int>(x * scale + 0.5); };
    reply.margins = {v(margins.left()), v(margins.top()), v(margins.right()), v(margins.bottom())};
    const QSizeF paper = printer.pageLayout().fullRect(unit).size();
    reply.paperWidth = v(paper.width());
    reply.paperLength = v(paper.height());
    return reply;
}

void TQtPageSetupHost::ShowMessage(const std::string& text)
{
    QString shown = Latin1(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::warning(m_parent, QStringLiteral("QUAVIS"), shown);
}

} // namespace quavis
