#include "views/top_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "components/grid_table.h"
#include "model/project.h"
#include "shell/prompter.h"

namespace quavis {

TTopViewGeometry::TTopViewGeometry() = default;

bool TTopViewGeometry::Activate(const TProject& project, Prompter& prompter)
{
    m_discs.clear();
    if (project.ProgramData().FoundationType == PileFoundation) {
        try {
            for (int i = 0; i < project.Pilecoord.RowCount(); ++i) {
                TDisc disc;
                disc.X = project.Pilecoord.Cell(0, i).GetFloat();
                // Every pile is drawn with the radius of the first section.
                disc.R = project.PileData.Cell(1, 0).GetFloat();
                disc.Y = -project.Pilecoord.Cell(1, i).GetFloat();
                m_discs.push_back(disc);
            }
        } catch (const std::exception& error) {
            prompter.Inform(ViewFailureMessage(error));
            return false;
        }
    }
    if (!m_discs.empty()) {
        // The outline is that of the latest paint: none before the first, so the discs alone decide then.
        TViewExtents e{-m_outlineWidth / 1.9L, m_outlineWidth / 1.9L, m_outlineHeight / 1.9L,
                       -m_outlineHeight / 1.9L};
        for (const TDisc& d : m_discs) {
            e.XMin = std::min(e.XMin, d.X - d.R);
            e.Bottom = std::min(e.Bottom, d.Y - d.R);
            e.XMax = std::max(e.XMax, d.X + d.R);
            e.Top = std::max(e.Top, d.Y + d.R);
        }
        m_extents = e;
    }
    Resize(m_clientWidth, m_clientHeight);
    return true;
}

bool TTopViewGeometry::Resize(int clientWidth, int clientHeight)
{
    m_clientWidth = std::max(clientWidth, 0);
    m_clientHeight = std::max(clientHeight, 0);
    const std::optional<TViewWindow> window = FitViewWindow(m_extents, m_clientWidth, m_clientHeight);
    if (!window) return false;
    m_window = *window;
    return true;
}

void TTopViewGeometry::MeasureOutline(const TProject& project, long double& width, long double& height)
{
    const TProgramData& data = project.ProgramData();
    if (data.FoundationType == PileFoundation) {
        const TGridTable& coords = project.Pilecoord;
        // Without piles there is no cap to span: a point, not the 1e10-wide box of the unset bounds.
        if (coords.RowCount() == 0) {
            width = height = 0;
            return;
        }
        long double maxX = 1e-9L, maxY = 1e-9L, minX = 1e10L, minY = 1e10L;
        for (int i = 0; i < coords.RowCount(); ++i) {
            const long double x = coords.Cell(0, i).GetFloat();
            const long double y = coords.Cell(1, i).GetFloat();
            maxX = std::max(maxX, x);
            minX = std::min(minX, x);
            maxY = std::max(maxY, y);
            minY = std::min(minY, y);
        }
        width = maxX - minX;
        height = maxY - minY;
    } else if (data.ShapeCircular != 0) {
        width = height = 2 * data.Radius;
    } else {
        width = data.LengthX;
        height = data.WidthY;
    }
}

namespace {

// The closed outline through (-W/2, H/2), (W/2, H/2), (W/2, -H/2), (-W/2, -H/2), centred on the origin.
template <typename Map>
std::vector<TViewPoint> OutlinePoints(long double w, long double h, Map map)
{
    return {map(-w / 2, h / 2), map(w / 2, h / 2), map(w / 2, -h / 2), map(-w / 2, -h / 2), map(-w / 2, h / 2)};
}

TViewRect Normalized(TViewRect r)
{
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return r;
}

} // namespace

TViewDrawing TTopViewGeometry::Paint(const TProject& project)
{
    TViewDrawing drawing;
    if (GetNoDraw() || m_clientWidth == 0 || m_clientHeight == 0) return drawing;
    drawing.Add(TViewFillRect{{0, 0, m_clientWidth, m_clientHeight}, {TViewColor::Window}});

    MeasureOutline(project, m_outlineWidth, m_outlineHeight);
    const auto map = [this](long double x, long double y) {
        return TViewPoint{MapToPixel(x, m_window.Left, m_window.Right, m_clientWidth),
                          MapToPixel(y, m_window.Top, m_window.Bottom, m_clientHeight)};
    };
    drawing.Add(TViewPolyline{OutlinePoints(m_outlineWidth, m_outlineHeight, map), TViewPen{}});

    for (const TDisc& d : m_discs) {
        const TViewPoint a = map(d.X - d.R, d.Y - d.R);
        const TViewPoint b = map(d.X + d.R, d.Y + d.R);
        drawing.Add(TViewEllipse{Normalized({a.X, a.Y, b.X, b.Y}), TViewPen{}, {TViewColor::WindowText}});
    }
    return drawing;
}

std::optional<std::string> TTopViewGeometry::MouseMoveCaption(int x, int y) const
{
    if (GetNoDraw() || m_clientWidth == 0 || m_clientHeight == 0) return std::nullopt;
    const long double wx = MapFromPixel(x, m_window.Left, m_window.Right, m_clientWidth);
    const long double wy = MapFromPixel(y, m_window.Top, m_window.Bottom, m_clientHeight);
    return "Top View X: " + FormatReadout(wx) + " Y: " + FormatReadout(wy);
}

TViewDrawing TTopViewGeometry::Draw2(const TProject& project, int pageWidth, int pageHeight, bool landscape) const
{
    TViewDrawing drawing;
    const TPrintResolution ppi = EstimatePrintResolution(pageWidth, pageHeight, landscape);
    const TViewPen pen{TViewColor::Black, ViewPrintPenWidth};
    if (GetNoDraw() || pageWidth <= 0 || pageHeight <= 0) return drawing;
    drawing.Add(TViewFillRect{{0, 0, pageWidth, pageHeight}, {TViewColor::Window}});

    const long double pw = pageWidth, ph = pageHeight;
    const auto map = [this, pw, ph](long double x, long double y) {
        return TViewPoint{RoundPixel((x - m_window.Left) / (m_window.Right - m_window.Left) * pw),
                          RoundPixel((y - m_window.Top) / (m_window.Bottom - m_window.Top) * ph)};
    };
    long double w = 0, h = 0;
    MeasureOutline(project, w, h);
    drawing.Add(TViewPolyline{OutlinePoints(w, h, map), pen});

    for (const TDisc& d : m_discs) {
        const TViewPoint lt = map(d.X - d.R, d.Y - d.R);
        const TViewPoint rb = map(d.X + d.R, d.Y + d.R);
        const int cx = (lt.X + rb.X) / 2;
        const int cy = (lt.Y + rb.Y) / 2;
        const int g = std::min(std::abs(rb.X - lt.X), std::abs(rb.Y - lt.Y)) / 2;
        // The page's pixels need not be square: stretch the vertical radius so the pile prints round.
        const int vertical = RoundPixel(static_cast<long double>(g) * ppi.Y / ppi.X);
        drawing.Add(TViewEllipse{{cx - g, cy - vertical, cx + g, cy + vertical}, pen, {TViewColor::WindowText}});
    }
    return drawing;
}

} // namespace quavis
