#pragma once

#include "views/geometry_view_form.h"
#include "views/side_view.h"

namespace quavis {

// A vertical section through the foundation and the soil in the frame. The two views are one design;
// TDlgSideViewXZ and TDlgSideViewYZ only choose the plane.
class TDlgSideView : public TGeometryViewForm {
    Q_OBJECT
public:
    TDlgSideView(TMainForm& main, TSidePlane plane, QWidget* parent = nullptr);

    const TSideViewGeometry& Geometry() const { return m_geometry; }

protected:
    bool ActivateGeometry(TProject& project, Prompter& prompter) override;
    void ResizeGeometry(int clientWidth, int clientHeight) override;
    TViewDrawing PaintGeometry(TProject& project, TViewTextMeasurer& measurer) override;
    std::optional<std::string> ReadoutCaption(int x, int y) const override;
    TViewDrawing PageGeometry(TProject& project, int width, int height, bool landscape,
                              TViewTextMeasurer& measurer) const override;

private:
    TSideViewGeometry m_geometry;
};

// "View Geometry" > "Side View (XZ-Plane)".
class TDlgSideViewXZ : public TDlgSideView {
    Q_OBJECT
public:
    explicit TDlgSideViewXZ(TMainForm& main, QWidget* parent = nullptr) : TDlgSideView(main, TSidePlane::XZ, parent) {}
};

// "View Geometry" > "Side View (YZ-Plane)".
class TDlgSideViewYZ : public TDlgSideView {
    Q_OBJECT
public:
    explicit TDlgSideViewYZ(TMainForm& main, QWidget* parent = nullptr) : TDlgSideView(main, TSidePlane::YZ, parent) {}
};

} // namespace quavis
