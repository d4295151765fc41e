#include "graph/plot_form.h"

#include "graph/graph_picture.h"
#include "graph/graph_plot.h"
#include "graph/plot_geometry.h"
#include "graph/plot_layout.h"
#include "graph/paint_graph.h"
#include "results/plot_dialogs.h"
#include "results/graphics_menu.h"
#include "shell/main_form.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace quavis {

namespace {

constexpr int kLegendFontPixels = 15;

struct TChoice {
    const char* name;
    const char* caption;
    int value;
};
constexpr TChoice kMarkChoices[] = {{"Mark0", "&Never", 0},
                                    {nullptr, nullptr, 0},
                                    {"Mark1", "Every &Increment", 1},
                                    {"Mark2", "Every &2 Increments", 2},
                                    {"Mark3", "Every &3 Incrments", 3},
                                    {"Mark5", "Every &5 Increments", 5},
                                    {"Mark10", "Every &10 Incements", 10}};
constexpr TChoice kSizeChoices[] = {{"DefaultSize", "&Default", 10}, {nullptr, nullptr, 0},
                                    {"Size15", "1.5 * Default", 15}, {"Size2", "2 * Default", 20},
                                    {"Size25", "2.5 * Default", 25}, {"Size3", "3 * Default", 30},
                                    {"Size4", "4 * Default", 40}};
constexpr TChoice kWidthChoices[] = {{"DefaultWidth", "&Default", 1}, {nullptr, nullptr, 0},
                                     {"Width2", "2 * Default", 2},    {"Width4", "4 * Default", 4},
                                     {"Width6", "6 * Default", 6},    {"Width10", "10 * Default", 10}};

int ScreenDpi(bool x)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 96;
    const int dpi = static_cast<int>((x ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY()) + 0.5);
    return dpi > 0 ? dpi : 96;
}

QFont LegendFontOfPointSize(int pointSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(pointSize > 0 ? pointSize : 1);
    return font;
}

DevicePoint At(const QPointF& p) { return {static_cast<int>(p.x()), static_cast<int>(p.y())}; }

bool PrinterInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

} // namespace

// ---- Legend list ----

TPlotLegendList::TPlotLegendList(TPlotForm& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Legend"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlotLegendList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const TPlotView& view = m_form.View();
    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (int i = 0; i < static_cast<int>(view.Legend().size()); ++i) {
        const QRect item(0, i * view.LegendItemHeight, width(), view.LegendItemHeight);
        const TColorRGB c = TPlotView::LegendItemColor(i);
        painter.setPen(QColor(c.r, c.g, c.b));
        painter.drawText(item.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         Latin1(view.LegendItemText(i)));
    }
}

void TPlotLegendList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    m_form.View().LegendMouseDown(At(event->position()));
}

void TPlotLegendList::mouseMoveEvent(QMouseEvent* event)
{
    if (m_form.View().LegendMouseMove(At(event->position()))) m_form.UpdateLegendWidget();
}

void TPlotLegendList::mouseReleaseEvent(QMouseEvent*) { m_form.View().LegendMouseUp(); }

void TPlotLegendList::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int height = m_form.View().LegendItemHeight;
    if (height <= 0) return;
    m_form.ToggleCurve(static_cast<int>(event->position().y()) / height);
}

// ---- Paint box ----

TPlotPaintBox::TPlotPaintBox(TPlotForm& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("PaintBox"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TPlotPaintBox::paintEvent(QPaintEvent*)
{
    QImage picture = m_form.Picture();
    if (m_form.m_zoomBox) {
        // Drawn in not-xor mode, as the box has always looked: it inverts what lies beneath.
        QPainter overlay(&picture);
        TQPainterCanvas canvas(overlay);
        canvas.SetPen({kColorBlack, PenStyle::Solid, 1, PenMode::NotXor});
        canvas.SetBrush({kColorWhite, BrushStyle::Clear});
        const DeviceRect& b = *m_form.m_zoomBox;
        canvas.Rectangle({b.left, b.top, b.right + 1, b.bottom + 1});
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void TPlotPaintBox::resizeEvent(QResizeEvent*) { m_form.ResizeView(false); }

void TPlotPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (!m_form.m_created) return;
    const TPlotView::Button button = event->button() == Qt::LeftButton    ? TPlotView::Button::Left
                                     : event->button() == Qt::RightButton ? TPlotView::Button::Right
                                                                          : TPlotView::Button::Other;
    if (m_form.View().PaintBoxMouseDown(At(event->position()), button)) update();
}

void TPlotPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_form.m_created) return;
    const TPlotView::MoveResult r = m_form.View().PaintBoxMouseMove(At(event->position()));
    m_form.SetTitle(r.title);
    if (r.drawBox) {
        m_form.m_zoomBox = r.drawBox;
        update();
    }
}

void TPlotPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_form.m_created) return;
    if (m_form.View().FormMouseUp(At(event->position()))) {
        m_form.m_zoomBox.reset();
        update();
    }
}

// ---- The window ----

TPlotForm::TPlotForm(TGraphPlot& graph, QWidget* parent)
    : QWidget(parent), m_graph(&graph), m_view(graph, ScreenDpi(true), ScreenDpi(false))
{
    setObjectName(QStringLiteral("PlotForm"));
    setWindowTitle(QStringLiteral("PlotForm"));
    QFont windowFont(QStringLiteral("Times New Roman"));
    windowFont.setStyleHint(QFont::Serif);
    windowFont.setPixelSize(ScreenBaseFontHeight(m_view.DpiY()));
    setFont(windowFont);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    m_paintBox = new TPlotPaintBox(*this, this);
    layout->addWidget(m_paintBox);
    m_legendList = new TPlotLegendList(*this, m_paintBox);
    m_legendList->hide();

    // The legend font of the list: 15 pixels on this screen, as a point size.
    const int pointSize = kLegendFontPixels * 72 / m_view.DpiY();
    const QFont legendFont = LegendFontOfPointSize(pointSize);
    TFontMeasurer measurer(legendFont);
    m_created = m_view.Create(measurer, pointSize, QFontMetrics(legendFont).height());
    m_legendList->setFont(legendFont);

    BuildMenu();
    // The page setup starts at one inch on every side, in thousandths of an inch.
    m_pageSetup.SetOptions({poDefaultMinMargins, poThousandthsOfInches});
    m_pageSetup.SetMarginLeft(1000);
    m_pageSetup.SetMarginTop(1000);
    m_pageSetup.SetMarginRight(1000);
    m_pageSetup.SetMarginBottom(1000);
    resize(640, 480);
    ResizeView(false);
}

TPlotForm::~TPlotForm() { ReleaseFromGraph(); }

void TPlotForm::ReleaseFromGraph()
{
    if (!m_handleAlive) return;
    m_handleAlive = false;
    // The graph forgets its window; the handle must not destroy it a second time.
    std::unique_ptr<TPlotWindowHandle> handle = m_graph->ReleasePlotWindow();
    if (auto* own = dynamic_cast<TPlotWindowHandleQt*>(handle.get())) own->Forget();
}

void TPlotForm::closeEvent(QCloseEvent* event)
{
    // At once, not when the deferred deletion comes: asked again meanwhile, the graph opens a new window
    // instead of showing the closing one.
    ReleaseFromGraph();
    QWidget::closeEvent(event);
}

TFontMeasurer TPlotForm::LegendMeasurer() const { return TFontMeasurer(m_legendList->font()); }

QAction* TPlotForm::Action(const std::string& name) const
{
    return findChild<QAction*>(Latin1(name));
}

void TPlotForm::SetTitle(const std::string& title) { setWindowTitle(Latin1(title)); }

QImage TPlotForm::Picture() const
{
    const QSize size = m_paintBox->size();
    QImage image(size.isEmpty() ? QSize(1, 1) : size, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(m_view.DpiX() / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(m_view.DpiY() / 0.0254 + 0.5));
    image.fill(Qt::white);
    if (m_created && !m_view.IsStale()) {
        QPainter painter(&image);
        TQPainterCanvas canvas(painter);
        m_view.Paint(canvas);
    }
    return image;
}

void TPlotForm::ResizeView(bool withSender)
{
    const QSize size = m_paintBox->size();
    m_view.FormResize({size.width(), size.height()}, withSender);
    UpdateLegendWidget();
    m_paintBox->update();
}

void TPlotForm::UpdateLegendWidget()
{
    const DeviceRect& r = m_view.LegendRect;
    m_legendList->setGeometry(r.left, r.top, r.Width(), r.Height());
    m_legendList->setVisible(m_created && m_view.LegendVisible());
    m_legendList->update();
}

void TPlotForm::BuildMenu()
{
    m_plotMenu = m_menuBar->addMenu(QStringLiteral("&Plot"));
    m_plotMenu->setObjectName(QStringLiteral("PlotMenu"));
    m_plotMenu->menuAction()->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    connect(m_plotMenu, &QMenu::aboutToShow, this, [this] { PlotMenuClick(); });

    const auto add = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    const auto addChoices = [this, add](const char* name, const char* caption, const auto& choices,
                                        void (TPlotForm::*click)(int), bool radio) {
        QMenu* sub = m_plotMenu->addMenu(QString::fromLatin1(caption));
        sub->setObjectName(QString::fromLatin1(name));
        sub->menuAction()->setObjectName(QString::fromLatin1(name));
        for (const TChoice& c : choices) {
            if (!c.name) {
                sub->addSeparator();
                continue;
            }
            QAction* a = add(sub, c.name, c.caption);
            a->setCheckable(radio);
            a->setData(c.value);
            connect(a, &QAction::triggered, this, [this, click, v = c.value] { (this->*click)(v); });
        }
        return sub;
    };

    QAction* legend = add(m_plotMenu, "PlotLegend", "Show &Legend");
    legend->setCheckable(true);
    connect(legend, &QAction::triggered, this, [this] { PlotLegendClick(); });
    QMenu* markers = addChoices("PlotMarkers", "Show &Markers", kMarkChoices, &TPlotForm::MarkClick, true);
    connect(markers, &QMenu::aboutToShow, this, [this, markers] {
        for (QAction* a : markers->actions())
            if (!a->isSeparator()) a->setChecked(a->data().toInt() == m_graph->Markers);
    });
    addChoices("FontSize", "&Font Size", kSizeChoices, &TPlotForm::SizeClick, false);
    addChoices("LineWidth", "&Line Width", kWidthChoices, &TPlotForm::WidthClick, false);
    connect(add(m_plotMenu, "PlotCaption", "&Graph Title"), &QAction::triggered, this, [this] {
        if (EditGraphTitle(*m_graph, this)) ResizeView(true);
    });
    connect(add(m_plotMenu, "mLineName", "&Edit Legend"), &QAction::triggered, this, [this] {
        if (EditLegendNames(m_view, this)) RebuildCurveEntries();
    });
    connect(add(m_plotMenu, "ActiveGraphs", "&Active Curves"), &QAction::triggered, this, [this] {
        TFontMeasurer measurer = LegendMeasurer();
        if (EditActiveCurves(m_view, measurer, this)) RebuildCurveEntries();
    });
    m_plotMenu->addSeparator();
    QAction* print = add(m_plotMenu, "PlotPrint", "&Print...");
    connect(print, &QAction::triggered, this, [this] { PlotPrintClick(); });
    QAction* page = add(m_plotMenu, "PlotPage", "P&age Setup");
    connect(page, &QAction::triggered, this, [this] {
        TQtPageSetupHost host(this);
        m_pageSetup.Execute(host);
    });
    connect(add(m_plotMenu, "PlotSave", "&Save To Disk..."), &QAction::triggered, this, [this] { PlotSaveClick(); });
    m_plotMenu->addSeparator();

    const bool printer = PrinterInstalled();
    print->setEnabled(printer);
    page->setEnabled(printer);
    page->setVisible(true);
    legend->setVisible(m_view.LegendVisible());
    RebuildCurveEntries();
}

void TPlotForm::RebuildCurveEntries()
{
    for (QAction* a : m_curveActions) {
        m_plotMenu->removeAction(a);
        delete a;
    }
    m_curveActions.clear();
    for (int i = 0; i < static_cast<int>(m_view.Legend().size()); ++i) {
        QAction* a = m_plotMenu->addAction(Latin1(m_view.Legend()[static_cast<std::size_t>(i)].text));
        a->setObjectName(QStringLiteral("Curve%1").arg(i));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { ToggleCurve(i); });
        m_curveActions.push_back(a);
    }
    PlotMenuClick();
    UpdateLegendWidget();
    m_paintBox->update();
}

void TPlotForm::PlotMenuClick()
{
    if (QAction* a = Action("PlotLegend")) a->setChecked(m_graph->ShowLegend);
    for (const char* name : {"FontSize", "LineWidth"})
        if (QAction* a = Action(name)) a->setVisible(m_graph->ShowFontWidth);
    for (std::size_t i = 0; i < m_curveActions.size() && i < m_view.Legend().size(); ++i) {
        const int curve = m_view.Legend()[i].curve;
        m_curveActions[i]->setChecked(curve >= 0 && curve < m_graph->LineCount() && m_graph->LineAt(curve).Shown);
    }
}

void TPlotForm::PlotLegendClick()
{
    m_graph->ShowLegend = !m_graph->ShowLegend;
    PlotMenuClick();
    UpdateLegendWidget();
}

void TPlotForm::MarkClick(int value)
{
    m_graph->Markers = value;
    m_paintBox->update();
}

void TPlotForm::SizeClick(int value)
{
    m_graph->SizeFont = value;
    const QFont font = LegendFontOfPointSize(value * m_graph->LegendFont / 10);
    m_legendList->setFont(font);
    TFontMeasurer measurer(font);
    m_view.SetupLegend(value, measurer);
    ResizeView(false);
}

void TPlotForm::WidthClick(int value)
{
    m_graph->WidthLine = value;
    m_paintBox->update();
}

void TPlotForm::ToggleCurve(int entry)
{
    if (!m_view.ToggleEntry(entry)) return;
    PlotMenuClick();
    m_legendList->update();
    m_paintBox->update();
}

void TPlotForm::GraphChanged()
{
    // The curves were replaced: the window starts over as if it had just been opened with them.
    m_view.Legend().clear();
    m_zoomBox.reset();
    const QFont legendFont = m_legendList->font();
    TFontMeasurer measurer(legendFont);
    m_created = m_view.Create(measurer, m_view.LegendPointSize, m_view.LegendItemHeight);
    RebuildCurveEntries();
    ResizeView(false);
    if (!m_created) {
        // Closing from inside the reader's notification is not safe: the window goes once control is back.
        QPointer<QWidget> target = parentWidget() ? parentWidget() : this;
        QTimer::singleShot(0, target, [target] {
            if (target) target->close();
        });
    }
}

bool TPlotForm::PrintTo(QPrinter& printer)
{
    printer.setDocName(Latin1(m_graph->Caption));
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
    const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    PrinterPage page;
    page.dpiX = dpiX;
    page.dpiY = dpiY;
    page.offsetX = paint.left() - full.left();
    page.offsetY = paint.top() - full.top();
    page.printableWidth = paint.width();
    page.printableHeight = paint.height();
    const PlotLayout layout = PrinterLayout(*m_graph, page, m_pageSetup.Margins(), CanvasBaseFontHeight(dpiY));
    TQPainterCanvas canvas(painter);
    PaintGraph(canvas, *m_graph, layout, m_view.ViewRange, m_view.Legend());
    return painter.end();
}

void TPlotForm::PlotPrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    bool confirmed = false;
    if (Prompts.PrintDialog) {
        confirmed = Prompts.PrintDialog(printer);
    } else {
        QPrintDialog dialog(&printer, this);
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    if (!confirmed) return;
    try {
        if (!PrintTo(printer)) throw std::runtime_error("The document could not be printed.");
    } catch (const std::exception& e) {
        if (Prompts.ShowMessage) Prompts.ShowMessage(e.what());
        else QMessageBox::critical(this, QStringLiteral("QUAVIS"), Latin1(e.what()));
    }
    m_paintBox->update();
}

void TPlotForm::PlotSaveClick()
{
    std::string path;
    if (Prompts.SaveFileName) {
        path = Prompts.SaveFileName();
    } else {
        QFileDialog dialog(this);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("bmp"));
        dialog.setNameFilter(QStringLiteral("Bitmap (*.bmp)"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().front().toLocal8Bit().toStdString();
    }
    if (path.empty()) return;
    double height = 4, width = 6;
    int ppi = 72;
    const bool ok = Prompts.SaveAttributes ? Prompts.SaveAttributes(height, width, ppi)
                                           : RunSaveAttributes(height, width, ppi, this);
    if (!ok) return;
    SaveTo(path, height, width, ppi);
}

bool TPlotForm::SaveTo(const std::string& path, double heightInches, double widthInches, int ppi)
{
    const auto show = [this](const std::string& text, bool information) {
        if (Prompts.ShowMessage) Prompts.ShowMessage(text);
        else if (information) QMessageBox::information(this, QStringLiteral("QUAVIS"), Latin1(text));
        else QMessageBox::critical(this, QStringLiteral("QUAVIS"), Latin1(text));
    };
    DeviceSize size;
    QImage image;
    if (PictureSize(heightInches, widthInches, ppi, size))
        image = RenderGraphPicture(*m_graph, m_view.ViewRange, m_view.Legend(), size, m_view.DpiX(), m_view.DpiY());
    if (image.isNull()) {
        show(NotEnoughMemoryMessage, true);
        return false;
    }
    try {
        WriteBitmap(image, path);
    } catch (const std::exception& e) {
        show(e.what(), false);
        return false;
    }
    return true;
}

// ---- The handle ----

TPlotWindowHandleQt::~TPlotWindowHandleQt()
{
    if (m_form) m_form->Detach();
    if (m_window) delete m_window.data();
    else if (m_form) delete m_form.data();
}

void TPlotWindowHandleQt::Show()
{
    QWidget* w = m_window ? static_cast<QWidget*>(m_window.data()) : m_form.data();
    if (!w) return;
    if (w->isMinimized()) w->showNormal();
    w->show();
    if (m_window && m_window->mdiArea()) m_window->mdiArea()->setActiveSubWindow(m_window);
}

void TPlotWindowHandleQt::GraphChanged()
{
    if (m_form) m_form->GraphChanged();
}

// ---- Graphics menu ----

void RegisterPlotWindows()
{
    for (const TGraphicsItemInfo& info : GraphicsMenuItems()) {
        if (!info.GraphName) continue;
        ChildFormMakers()[info.Field] = [name = std::string(info.GraphName)](TMainForm& main,
                                                                             const TDispatchRequest&) -> QWidget* {
            TGraphPlot* graph = main.Logic().Project().ResultGraphs().Find(name);
            if (!graph) return nullptr;
            graph->PlotWindowFactory = [&main](TGraphPlot& g) -> std::unique_ptr<TPlotWindowHandle> {
                auto* form = new TPlotForm(g);
                if (!form->Created()) {
                    // No usable range: the window closes itself before it is ever seen.
                    form->Detach();
                    delete form;
                    return nullptr;
                }
                QMdiSubWindow* window = main.AddChild(form);
                window->showMaximized();
                return std::make_unique<TPlotWindowHandleQt>(form, window);
            };
            graph->ShowPlot();
            // The graph owns its window and has put it into the frame itself.
            return nullptr;
        };
    }
}

namespace {
// Linked in whole with the program, so the main window's Graphics items find their windows.
const bool kRegistered = (RegisterPlotWindows(), true);
} // namespace

} // namespace quavis
