#include "graph/graph_plot.h"

#include "components/errors.h"
#include "components/float_format.h"

#include <algorithm>

namespace quavis {

TLine::TLine(TGraphPlot& owner, long double curveNumber, int pointCount)
    : m_owner(&owner), m_curveNumber(curveNumber), m_points(static_cast<std::size_t>(std::max(pointCount, 0)))
{
}

void TLine::SetPointCount(int n)
{
    const auto count = static_cast<std::size_t>(std::max(n, 0));
    if (count == m_points.size()) return;
    m_points.resize(count);
    ++m_owner->m_structureStamp;
}

TFloatPoint& TLine::PointAt(int j)
{
    if (j < 0 || j >= PointCount()) throw EListError::OutOfBounds(j);
    return m_points[static_cast<std::size_t>(j)];
}

const TFloatPoint& TLine::PointAt(int j) const
{
    if (j < 0 || j >= PointCount()) throw EListError::OutOfBounds(j);
    return m_points[static_cast<std::size_t>(j)];
}

std::string TLine::LegendName() const
{
    if (!ExplicitName.empty()) return ExplicitName;
    return m_owner->CurveName + FormatGeneral(m_curveNumber, 15);
}

TGraphPlot::~TGraphPlot() = default;

void TGraphPlot::SetUnits(int units) { m_units = std::clamp(units, 1, 3); }

void TGraphPlot::SetLineCount(int n)
{
    const auto count = static_cast<std::size_t>(std::max(n, 0));
    if (count == m_curves.size()) return;
    while (m_curves.size() > count) m_curves.pop_back();
    if (m_curves.size() < count) m_curves.reserve(count);
    while (m_curves.size() < count) {
        const long double number = static_cast<long double>(m_curves.size()) + 1.0L;
        m_curves.push_back(std::make_unique<TLine>(*this, number, CurvePointCount()));
    }
    ++m_structureStamp;
}

TLine& TGraphPlot::LineAt(int i)
{
    if (i < 0 || i >= LineCount()) throw EListError::OutOfBounds(i);
    return *m_curves[static_cast<std::size_t>(i)];
}

const TLine& TGraphPlot::LineAt(int i) const
{
    if (i < 0 || i >= LineCount()) throw EListError::OutOfBounds(i);
    return *m_curves[static_cast<std::size_t>(i)];
}

void TGraphPlot::SetPointCount(int n)
{
    const auto count = static_cast<std::size_t>(std::max(n, 0));
    // Reserve first: only reserve can fail, and it changes no curve, so a failure leaves all counts equal.
    for (auto& curve : m_curves)
        if (curve->m_points.size() < count) curve->m_points.reserve(count);
    bool changed = false;
    for (auto& curve : m_curves) {
        if (curve->m_points.size() == count) continue;
        curve->m_points.resize(count);
        changed = true;
    }
    if (changed) ++m_structureStamp;
}

int TGraphPlot::CurvePointCount() const { return m_curves.empty() ? 0 : m_curves.front()->PointCount(); }

void TGraphPlot::ShowPlot()
{
    if (!m_plotWindow && PlotWindowFactory) m_plotWindow = PlotWindowFactory(*this);
    if (m_plotWindow) m_plotWindow->Show();
}

void TGraphPlot::NotifyCurvesChanged()
{
    if (m_plotWindow) m_plotWindow->GraphChanged();
}

} // namespace quavis
