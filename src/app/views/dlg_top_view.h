#pragma once

#include "views/geometry_view_form.h"
#include "views/top_view.h"

namespace quavis {

// The plan of the foundation in the frame: "View Geometry" > "Top View".
class TDlgTopView : public TGeometryViewForm {
    Q_OBJECT
public:
    explicit TDlgTopView(TMainForm& main, QWidget* parent = nullptr);

    const TTopViewGeometry& Geometry() const { return m_geometry; }

protected:
    bool ActivateGeometry(TProject& project, Prompter& prompter) override;
    void ResizeGeometry(int clientWidth, int clientHeight) override;
    TViewDrawing PaintGeometry(TProject& project, TViewTextMeasurer& measurer) override;
    std::optional<std::string> ReadoutCaption(int x, int y) const override;
    TViewDrawing PageGeometry(TProject& project, int width, int height, bool landscape,
                              TViewTextMeasurer& measurer) const override;

private:
    TTopViewGeometry m_geometry;
};

} // namespace quavis
