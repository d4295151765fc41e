#pragma once

#include <optional>
#include <string>
#include <vector>

#include "views/view_drawing.h"
#include "views/view_mapping.h"

namespace quavis {

class Prompter;
class TProject;

// The window of the top view as it opens.
struct TTopViewForm {
    static constexpr const char* Caption = "Top View";
    static constexpr int Width = 610;
    static constexpr int Height = 392;
    static constexpr const char* PrintCaption = "Print";
    static constexpr TViewRect PrintButton{553, -1, 553 + 50, -1 + 31};  // left, top, right, bottom
};

// The plan of the foundation: the outline of the footing or pile cap and one disc per pile, fitted to the
// window with equal scales across and down. It reads the model and the pile tables and never changes
// them. The window owns one, feeds it its events and paints what it returns.
class TTopViewGeometry {
public:
    // A pile disc in view coordinates: the plan's y axis points up, so a pile at model Y is held at -Y.
    struct TDisc {
        long double X = 0;
        long double Y = 0;
        long double R = 0;
    };

    TTopViewGeometry();  // the initial extents -10..10 and no discs

    const std::vector<TDisc>& Discs() const { return m_discs; }
    const TViewExtents& Extents() const { return m_extents; }  // Top = y top, Bottom = y bottom
    const TViewWindow& Window() const { return m_window; }
    long double OutlineWidth() const { return m_outlineWidth; }
    long double OutlineHeight() const { return m_outlineHeight; }
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }

    bool GetNoDraw() const { return IsNoDraw(m_extents); }

    // Rebuilds the discs of a pile foundation and the extents (the outline of the latest paint with a
    // 1/1.9 margin, widened to every disc), then resizes. On the first error the loop stops, the prompter
    // shows the failure and false is returned: the view must close itself.
    bool Activate(const TProject& project, Prompter& prompter);

    // Records the client size and fits the view window. True when the view is to be painted now.
    bool Resize(int clientWidth, int clientHeight);

    // The screen picture for the recorded client size; measures the outline size of the foundation
    // (kept for the next activation). Empty for a no-draw or an empty client area.
    TViewDrawing Paint(const TProject& project);

    // The caption under the mouse, "Top View X: 2.0 Y: -5.0"; nothing for a no-draw or before a resize.
    std::optional<std::string> MouseMoveCaption(int x, int y) const;

    // The printed plan on a page of pageWidth x pageHeight printer pixels: the view window stretched
    // over the page, piles printed round whatever the page's resolutions.
    TViewDrawing Draw2(const TProject& project, int pageWidth, int pageHeight, bool landscape) const;

    // W and H of the outline: the rectangle spanned by the pile centres for a pile foundation, the
    // circumscribed square of a circular footing, LengthX x WidthY of a rectangular one.
    static void MeasureOutline(const TProject& project, long double& width, long double& height);

private:
    std::vector<TDisc> m_discs;
    TViewExtents m_extents{-10, 10, 10, -10};
    TViewWindow m_window{-10, 10, 10, -10};
    long double m_outlineWidth = 0;
    long double m_outlineHeight = 0;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
};

} // namespace quavis
