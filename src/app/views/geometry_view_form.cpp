#include "views/geometry_view_form.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "shell/main_form.h"
#include "shell/main_form_logic.h"

namespace quavis {

TGeometryViewForm::TGeometryViewForm(TMainForm& main, std::string formClass, const char* caption,
                                     TViewPalette palette, QWidget* parent)
    : QWidget(parent), m_main(main), m_formClass(std::move(formClass)), m_palette(palette)
{
    setWindowTitle(QString::fromLatin1(caption));
    setMouseTracking(true);
    QPalette background = this->palette();
    background.setColor(QPalette::Window, m_palette.Window);
    setPalette(background);
    setAutoFillBackground(true);
    m_button = new QPushButton(QStringLiteral("Print"), this);
    m_button->setObjectName(QStringLiteral("Button1"));
    connect(m_button, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TProject& TGeometryViewForm::Project() { return m_main.Logic().Project(); }
Prompter& TGeometryViewForm::GetPrompter() { return m_main.GetPrompter(); }

void TGeometryViewForm::PlacePrintButton(const TViewRect& box)
{
    m_button->setGeometry(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top);
}

void TGeometryViewForm::FormActivate()
{
    if (m_closing) return;
    // The geometry fits the window it is shown in, also before the first resize reaches it.
    ResizeGeometry(width(), height());
    if (!ActivateGeometry(Project(), GetPrompter())) {
        CloseSelf();
        return;
    }
    update();
}

void TGeometryViewForm::CloseSelf()
{
    m_closing = true;
    // Not from inside the frame's activation: the window goes once control is back in the event loop.
    QPointer<QWidget> target = parentWidget() ? parentWidget() : static_cast<QWidget*>(this);
    QTimer::singleShot(0, target, [target] {
        if (target) target->close();
    });
}

void TGeometryViewForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_palette.Window);
    TQtViewTextMeasurer measurer(this);
    PaintViewDrawing(painter, PaintGeometry(Project(), measurer), m_palette);
}

void TGeometryViewForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ResizeGeometry(width(), height());
    update();
}

void TGeometryViewForm::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const std::optional<std::string> caption = ReadoutCaption(at.x(), at.y()))
        setWindowTitle(QString::fromLatin1(caption->c_str()));
    QWidget::mouseMoveEvent(event);
}

void TGeometryViewForm::PaintPage(QPaintDevice& device, bool landscape)
{
    QPainter painter(&device);
    TQtViewTextMeasurer measurer(&device);
    PaintViewDrawing(painter, PageGeometry(Project(), device.width(), device.height(), landscape, measurer), m_palette);
}

bool TGeometryViewForm::Button1Click()
{
    TProject& project = Project();
    const bool printed = PrintViewPage(
        [this, &project](int w, int h, bool landscape, TViewTextMeasurer& measurer) {
            return PageGeometry(project, w, h, landscape, measurer);
        },
        m_palette, GetPrompter(), PrinterSetup);
    update();
    return printed;
}

} // namespace quavis
