#include "views/dlg_side_view.h"

#include "shell/main_form.h"

namespace quavis {

TDlgSideView::TDlgSideView(TMainForm& main, TSidePlane plane, QWidget* parent)
    : TGeometryViewForm(main, plane == TSidePlane::XZ ? "TDlgSideViewXZ" : "TDlgSideViewYZ",
                        TSideViewForm::Caption(plane), SideViewPalette(), parent),
      m_geometry(plane)
{
    setFont(ToQFont(TViewFont{}));
    resize(TSideViewForm::Width, TSideViewForm::Height);
    PlacePrintButton(TSideViewForm::PrintButton);
}

bool TDlgSideView::ActivateGeometry(TProject& project, Prompter& prompter) { return m_geometry.Activate(project, prompter); }

void TDlgSideView::ResizeGeometry(int clientWidth, int clientHeight) { m_geometry.Resize(clientWidth, clientHeight); }

TViewDrawing TDlgSideView::PaintGeometry(TProject& project, TViewTextMeasurer& measurer)
{
    return m_geometry.Paint(project, measurer);
}

std::optional<std::string> TDlgSideView::ReadoutCaption(int x, int y) const { return m_geometry.MouseMoveCaption(x, y); }

TViewDrawing TDlgSideView::PageGeometry(TProject& project, int width, int height, bool landscape,
                                        TViewTextMeasurer& measurer) const
{
    return m_geometry.Draw2(project, width, height, landscape, measurer);
}

namespace {
// Linked in whole with the program, so that the View Geometry menu finds the windows.
const bool kRegistered = [] {
    ChildFormMakers()["TDlgSideViewXZ"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TDlgSideViewXZ(main);
    };
    ChildFormMakers()["TDlgSideViewYZ"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TDlgSideViewYZ(main);
    };
    return true;
}();
} // namespace

} // namespace quavis
