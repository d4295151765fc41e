#include "results/dlg_amp_plot.h"

#include "components/evaluator.h"
#include "components/float_format.h"
#include "graph/qpainter_canvas.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>
#include <exception>
#include <filesystem>
#include <limits>

namespace quavis {

namespace {

constexpr int kMarkerPixels = 5;

// The point marker of series 0, 1 or 2 (rectangle, triangle, star) in the series' colour, set pixel by
// pixel: at this size a painter's rasterisation rules would blur the shapes into one another.
QImage MarkerImage(int series, const QColor& colour)
{
    static const char* const kShapes[3][kMarkerPixels] = {
        {"#####", "#...#", "#...#", "#...#", "#####"},
        {"..#..", ".###.", ".###.", "#####", "#####"},
        {"#.#.#", ".###.", "#####", ".###.", "#.#.#"},
    };
    QImage image(kMarkerPixels, kMarkerPixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kMarkerPixels; ++y)
        for (int x = 0; x < kMarkerPixels; ++x)
            if (kShapes[series][y][x] == '#') image.setPixelColor(x, y, colour);
    return image;
}

const char* const kAxisNames[3] = {"X", "Y", "Z"};

QString Unicode(const std::string& text)
{
    QString s = Latin1(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace

TDlgAmpPlot::TDlgAmpPlot(const TProgramData& data, const TResultGraphs& graphs, QWidget* parent)
    : QDialog(parent), m_state(data, graphs)
{
    setObjectName(QStringLiteral("DlgAmpPlot"));
    setWindowTitle(QStringLiteral("Footing Amplitude Plot"));
    setFixedSize(784, 564);

    auto* left = new QVBoxLayout;
    auto* reference = new QGroupBox(QStringLiteral("Reference Point"), this);
    auto* refLayout = new QGridLayout(reference);
    for (int i = 0; i < 3; ++i) {
        DataLabel[i] = new QLabel(reference);
        DataEdit[i] = new QLineEdit(reference);
        DataEdit[i]->setObjectName(QStringLiteral("DataEdit%1").arg(i + 1));
        refLayout->addWidget(DataLabel[i], i, 0);
        refLayout->addWidget(DataEdit[i], i, 1);
        connect(DataEdit[i], &QLineEdit::textEdited, this, [this, i] { FieldEdited(i); });
    }
    DefaultButton = new QPushButton(QStringLiteral("Default (C.G.)"), reference);
    refLayout->addWidget(DefaultButton, 3, 0, 1, 2);
    left->addWidget(reference);

    auto* type = new QGroupBox(QStringLiteral("Type"), this);
    auto* typeLayout = new QVBoxLayout(type);
    RadioButton5 = new QRadioButton(QStringLiteral("Displacement"), type);
    RadioButton6 = new QRadioButton(QStringLiteral("Rotation"), type);
    typeLayout->addWidget(RadioButton5);
    typeLayout->addWidget(RadioButton6);
    left->addWidget(type);

    auto* units = new QGroupBox(QStringLiteral("Units"), this);
    auto* unitsLayout = new QVBoxLayout(units);
    RadioButton1 = new QRadioButton(QStringLiteral("English Units (ft)"), units);
    RadioButton2 = new QRadioButton(QStringLiteral("SI Units (m)"), units);
    unitsLayout->addWidget(RadioButton1);
    unitsLayout->addWidget(RadioButton2);
    left->addWidget(units);

    auto* view = new QGroupBox(QStringLiteral("View Options"), this);
    auto* viewLayout = new QGridLayout(view);
    for (int i = 0; i < 3; ++i) {
        CheckBox[i] = new QCheckBox(QStringLiteral("%1 dir").arg(QLatin1String(kAxisNames[i])), view);
        OnlyButton[i] = new QPushButton(QStringLiteral("Only"), view);
        viewLayout->addWidget(CheckBox[i], i, 0);
        viewLayout->addWidget(OnlyButton[i], i, 1);
        connect(CheckBox[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (m_syncing) return;
            m_state.SetDirection(i, on);
            Sync();
        });
        connect(OnlyButton[i], &QPushButton::clicked, this, [this, i] {
            m_state.OnlyDirection(i);
            Sync();
        });
    }
    AllButton = new QPushButton(QStringLiteral("All"), view);
    viewLayout->addWidget(AllButton, 3, 0, 1, 2);
    left->addWidget(view);

    auto* printing = new QGroupBox(QStringLiteral("Printing"), this);
    auto* printLayout = new QVBoxLayout(printing);
    GoButton = new QPushButton(QStringLiteral("Go"), printing);
    RadioButton3 = new QRadioButton(QStringLiteral("Portrait"), printing);
    RadioButton4 = new QRadioButton(QStringLiteral("LandScape"), printing);
    RadioButton3->setChecked(true);
    printLayout->addWidget(GoButton);
    printLayout->addWidget(RadioButton3);
    printLayout->addWidget(RadioButton4);
    left->addWidget(printing);

    ExportButton = new QPushButton(QStringLiteral("Export Data"), this);
    CloseButton = new QPushButton(QStringLiteral("CLOSE"), this);
    left->addWidget(ExportButton);
    left->addWidget(CloseButton);
    // The column must fit the fixed window's height without squeezing its controls.
    left->setSpacing(2);
    for (QGroupBox* group : {reference, type, units, view, printing}) {
        group->layout()->setContentsMargins(6, 2, 6, 2);
        group->layout()->setSpacing(1);
    }

    m_chart = new QChart;
    m_chart->setTitle(QString());
    const QColor colours[3] = {Qt::black, Qt::red, QColor(0, 128, 192)};
    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(QStringLiteral("Frequency (Hz)"));
    auto* yAxis = new QValueAxis;
    yAxis->setLabelFormat(QStringLiteral("%.8g"));
    m_chart->addAxis(xAxis, Qt::AlignBottom);
    m_chart->addAxis(yAxis, Qt::AlignLeft);
    for (int i = 0; i < 3; ++i) {
        auto* s = new QLineSeries;
        s->setName(Latin1(m_state.Chart().Series[static_cast<std::size_t>(i)].Title));
        QPen pen(colours[i]);
        pen.setWidth(1);
        s->setPen(pen);
        s->setPointsVisible(true);
        // Rectangle, triangle and star markers, two pixels each way of the point.
        s->setMarkerSize(kMarkerPixels);
        s->setLightMarker(MarkerImage(i, colours[i]));
        m_chart->addSeries(s);
        s->attachAxis(xAxis);
        s->attachAxis(yAxis);
        connect(s, &QLineSeries::clicked, this, [this, i](const QPointF& p) {
            // The clicked point: the nearest of the series in x.
            const QList<QPointF> points = m_series[static_cast<std::size_t>(i)]->points();
            int best = -1;
            double distance = std::numeric_limits<double>::infinity();
            for (int n = 0; n < points.size(); ++n)
                if (std::abs(points[n].x() - p.x()) < distance) {
                    distance = std::abs(points[n].x() - p.x());
                    best = n;
                }
            if (best >= 0) ClickSeries(i, best);
        });
        m_series[static_cast<std::size_t>(i)] = s;
    }
    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName(QStringLiteral("Chart1"));
    m_chartView->setMouseTracking(true);
    m_chartView->viewport()->installEventFilter(this);
    ReadOut = new QLabel(this);
    ReadOut->setObjectName(QStringLiteral("ReadOut"));

    auto* right = new QVBoxLayout;
    right->addWidget(m_chartView, 1);
    right->addWidget(ReadOut);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    auto* column = new QWidget(this);
    column->setFixedWidth(152);
    left->setContentsMargins(0, 0, 0, 0);
    column->setLayout(left);
    layout->addWidget(column);
    layout->addLayout(right, 1);

    connect(DefaultButton, &QPushButton::clicked, this, [this] {
        m_state.Button1Click();
        Sync();
    });
    connect(RadioButton5, &QRadioButton::toggled, this, [this](bool on) {
        if (m_syncing || !on) return;
        m_state.SetType(TAmplitudeType::Displacement);
        Sync();
    });
    connect(RadioButton6, &QRadioButton::toggled, this, [this](bool on) {
        if (m_syncing || !on) return;
        m_state.SetType(TAmplitudeType::Rotation);
        Sync();
    });
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (m_syncing || !on) return;
        m_state.SelectUnits(English);
        Sync();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (m_syncing || !on) return;
        m_state.SelectUnits(SI);
        Sync();
    });
    connect(AllButton, &QPushButton::clicked, this, [this] {
        m_state.AllDirections();
        Sync();
    });
    connect(ExportButton, &QPushButton::clicked, this, [this] { Export(); });
    connect(GoButton, &QPushButton::clicked, this, [this] { Print(); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    Sync();
}

void TDlgAmpPlot::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TDlgAmpPlot::FormActivate()
{
    m_state.FormActivate();
    Sync();
}

void TDlgAmpPlot::FieldEdited(int axis)
{
    if (m_syncing) return;
    try {
        m_state.SetPoint(axis, Evaluate(DataEdit[static_cast<std::size_t>(axis)]->text().toLatin1().toStdString()));
    } catch (const std::exception&) {
        // A half-typed entry is kept as typed; the curves wait for a number.
        return;
    }
    Sync(axis);
}

void TDlgAmpPlot::Sync(int editing)
{
    m_syncing = true;
    const TAmplitudeSelection& sel = m_state.Selection();
    const char* unit = m_state.FieldUnitSystem() == English ? "ft" : "m";
    for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<std::size_t>(i);
        DataLabel[u]->setText(QStringLiteral("%1 (%2)").arg(QLatin1String(kAxisNames[i]), QLatin1String(unit)));
        // The field being typed in keeps the user's text.
        if (i != editing)
            DataEdit[u]->setText(Latin1(FormatGeneral(sel.Point[u], 18)));
        CheckBox[u]->setChecked(sel.Directions[u]);
    }
    (sel.Shown == English ? RadioButton1 : RadioButton2)->setChecked(true);
    (sel.Type == TAmplitudeType::Displacement ? RadioButton5 : RadioButton6)->setChecked(true);

    const TAmplitudeChart& chart = m_state.Chart();
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    bool any = false;
    for (int i = 0; i < 3; ++i) {
        const TAmplitudeSeries& s = chart.Series[static_cast<std::size_t>(i)];
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(s.Points.size()));
        for (const TSeriesPoint& p : s.Points) {
            points.append(QPointF(p.X, p.Y));
            if (!s.Visible || !std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
            if (!any) {
                xmin = xmax = p.X;
                ymin = ymax = p.Y;
                any = true;
            }
            xmin = std::min(xmin, p.X);
            xmax = std::max(xmax, p.X);
            ymin = std::min(ymin, p.Y);
            ymax = std::max(ymax, p.Y);
        }
        m_series[static_cast<std::size_t>(i)]->replace(points);
        m_series[static_cast<std::size_t>(i)]->setVisible(s.Visible);
    }
    if (xmax <= xmin) xmax = xmin + 1;
    if (ymax <= ymin) ymax = ymin + 1;
    auto* xAxis = qobject_cast<QValueAxis*>(m_chart->axes(Qt::Horizontal).value(0));
    auto* yAxis = qobject_cast<QValueAxis*>(m_chart->axes(Qt::Vertical).value(0));
    if (xAxis) {
        xAxis->setRange(xmin, xmax);
        xAxis->applyNiceNumbers();
    }
    if (yAxis) {
        const double pad = (ymax - ymin) * 0.05;
        yAxis->setRange(ymin - pad, ymax + pad);
        yAxis->applyNiceNumbers();
        yAxis->setTitleText(Latin1(chart.LeftAxisTitle));
    }
    m_syncing = false;
}

bool TDlgAmpPlot::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_chartView->viewport() && event->type() == QEvent::MouseMove)
        ChartMouseMove(static_cast<QMouseEvent*>(event)->position());
    return QDialog::eventFilter(object, event);
}

void TDlgAmpPlot::ChartMouseMove(const QPointF& position)
{
    ReadOut->clear();
    const QPointF value = m_chart->mapToValue(m_chartView->mapToScene(position.toPoint()), m_series[0]);
    auto* xAxis = qobject_cast<QValueAxis*>(m_chart->axes(Qt::Horizontal).value(0));
    auto* yAxis = qobject_cast<QValueAxis*>(m_chart->axes(Qt::Vertical).value(0));
    if (!xAxis || !yAxis) return;
    if (value.x() >= xAxis->min() && value.x() <= xAxis->max() && value.y() >= yAxis->min() &&
        value.y() <= yAxis->max())
        ReadOut->setText(Latin1("(" + FormatGeneral(value.x(), 6) + "," + FormatGeneral(value.y(), 6) + ")"));
}

void TDlgAmpPlot::ClickSeries(int series, int index)
{
    const std::string report = m_state.PointReport(series, index);
    if (ShowInfo) ShowInfo(report);
    else QMessageBox::information(this, QStringLiteral("QUAVIS"), Unicode(report));
}

void TDlgAmpPlot::Export()
{
    std::string path;
    if (ExportFileName) {
        path = ExportFileName();
    } else {
        const QString chosen = QFileDialog::getSaveFileName(this, QString(), QString(), QStringLiteral("Text files (*.TXT)"),
                                                            nullptr, QFileDialog::DontConfirmOverwrite);
        path = chosen.toLocal8Bit().toStdString();
    }
    if (path.empty()) return;
    const std::string question = "File already exists, do you want to overwrite it?";
    if (std::filesystem::exists(path)) {
        const bool yes = AskOverwrite ? AskOverwrite(question)
                                      : QMessageBox::question(this, QStringLiteral("QUAVIS"), Latin1(question),
                                                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        if (!yes) return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        m_state.Export(path);
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        if (ShowInfo) ShowInfo(e.what());
        else QMessageBox::critical(this, QStringLiteral("QUAVIS"), Unicode(e.what()));
        return;
    }
    QApplication::restoreOverrideCursor();
}

void TDlgAmpPlot::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(RadioButton4->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::critical(this, QStringLiteral("QUAVIS"), QStringLiteral("The chart could not be printed."));
        return;
    }
    m_chartView->render(&painter);
    painter.end();
}

void RegisterAmplitudeWindow()
{
    ChildFormMakers()["FootingResponseAmplitudeDisplacement1"] = [](TMainForm& main,
                                                                    const TDispatchRequest&) -> QWidget* {
        // Made once with the main window and shown modally each time.
        auto* dialog = main.findChild<TDlgAmpPlot*>(QStringLiteral("DlgAmpPlot"));
        if (!dialog)
            dialog = new TDlgAmpPlot(main.Logic().ProgramData(), main.Logic().Project().ResultGraphs(), &main);
        dialog->exec();
        return nullptr;
    };
}

namespace {
const bool kRegistered = (RegisterAmplitudeWindow(), true);
} // namespace

} // namespace quavis
