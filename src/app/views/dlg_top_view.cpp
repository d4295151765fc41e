#include "views/dlg_top_view.h"

#include "shell/main_form.h"

namespace quavis {

TDlgTopView::TDlgTopView(TMainForm& main, QWidget* parent)
    : TGeometryViewForm(main, "TDlgTopView", TTopViewForm::Caption, TopViewPalette(), parent)
{
    resize(TTopViewForm::Width, TTopViewForm::Height);
    PlacePrintButton(TTopViewForm::PrintButton);
}

bool TDlgTopView::ActivateGeometry(TProject& project, Prompter& prompter) { return m_geometry.Activate(project, prompter); }

void TDlgTopView::ResizeGeometry(int clientWidth, int clientHeight) { m_geometry.Resize(clientWidth, clientHeight); }

TViewDrawing TDlgTopView::PaintGeometry(TProject& project, TViewTextMeasurer&) { return m_geometry.Paint(project); }

std::optional<std::string> TDlgTopView::ReadoutCaption(int x, int y) const { return m_geometry.MouseMoveCaption(x, y); }

TViewDrawing TDlgTopView::PageGeometry(TProject& project, int width, int height, bool landscape,
                                       TViewTextMeasurer&) const
{
    return m_geometry.Draw2(project, width, height, landscape);
}

namespace {
// Linked in whole with the program, so that the View Geometry menu finds the window.
const bool kRegistered = [] {
    ChildFormMakers()["TDlgTopView"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TDlgTopView(main);
    };
    return true;
}();
} // namespace

} // namespace quavis
