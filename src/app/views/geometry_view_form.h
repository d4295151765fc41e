#pragma once

#include <optional>
#include <string>

#include <QWidget>

#include "shell/child_form.h"
#include "views/view_drawing.h"
#include "views/view_painter.h"
#include "views/view_print.h"

class QPushButton;

namespace quavis {

class Prompter;
class TMainForm;
class TProject;

// What the three geometry views share as windows: the frame's child with its Print button, painting the
// geometry's picture, the read-out in the caption, activation that rebuilds the geometry (the view closes
// itself when that fails) and the landscape print. The geometry itself is the core's; a view hands its
// events on to it through the hooks below.
class TGeometryViewForm : public QWidget, public TChildForm {
    Q_OBJECT
public:
    TGeometryViewForm(TMainForm& main, std::string formClass, const char* caption, TViewPalette palette,
                      QWidget* parent = nullptr);

    std::string FormClassName() const override { return m_formClass; }
    void FormActivate() override;
    void FormDeactivate() override {}

    QPushButton* PrintButton() const { return m_button; }
    // The print of Button1; false when nothing was printed (the prompter was told why).
    bool Button1Click();
    // Chooses the printer before each print; by default the system's default printer is used.
    TViewPrinterSetup PrinterSetup;
    // The printed page painted on any device of the page's size in its pixels (an image to look at it).
    void PaintPage(QPaintDevice& device, bool landscape);

protected:
    TProject& Project();
    Prompter& GetPrompter();
    void PlacePrintButton(const TViewRect& box);

    // The geometry's handlers.
    virtual bool ActivateGeometry(TProject& project, Prompter& prompter) = 0;
    virtual void ResizeGeometry(int clientWidth, int clientHeight) = 0;
    virtual TViewDrawing PaintGeometry(TProject& project, TViewTextMeasurer& measurer) = 0;
    virtual std::optional<std::string> ReadoutCaption(int x, int y) const = 0;
    virtual TViewDrawing PageGeometry(TProject& project, int width, int height, bool landscape,
                                      TViewTextMeasurer& measurer) const = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CloseSelf();

    TMainForm& m_main;
    std::string m_formClass;
    TViewPalette m_palette;
    QPushButton* m_button = nullptr;
    bool m_closing = false;
};

} // namespace quavis
