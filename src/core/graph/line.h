#pragma once

#include "graph/float_point.h"

#include <string>
#include <vector>

namespace quavis {

class TGraphPlot;

// One curve of a graph. Created only by its graph (SetLineCount), which owns it.
class TLine {
public:
    TLine(TGraphPlot& owner, long double curveNumber, int pointCount);
    TLine(const TLine&) = delete;
    TLine& operator=(const TLine&) = delete;

    TGraphPlot& OwnerGraph() const { return *m_owner; }

    // The owner's curve count plus one when this curve was created; names the curve by default.
    long double CurveNumber() const { return m_curveNumber; }

    // Legend text given by the system or the user; empty: the default name applies.
    std::string ExplicitName;
    bool Shown = true;  // drawn
    bool Active = true; // has a legend entry and a Plot-menu entry

    const std::vector<TFloatPoint>& CurvePoints() const { return m_points; }
    int PointCount() const { return static_cast<int>(m_points.size()); }

    // Trims points from the end or appends (0, 0) points; n below 0 is taken as 0. Leading points keep
    // their values.
    void SetPointCount(int n);

    // Point j; EListError outside 0..PointCount()-1.
    TFloatPoint& PointAt(int j);
    const TFloatPoint& PointAt(int j) const;

    // ExplicitName, or the graph's CurveName followed by CurveNumber ("Curve #1").
    std::string LegendName() const;

private:
    friend class TGraphPlot;

    TGraphPlot* m_owner;
    long double m_curveNumber;
    std::vector<TFloatPoint> m_points;
};

} // namespace quavis
