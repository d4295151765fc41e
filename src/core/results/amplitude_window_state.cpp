#include "results/amplitude_window_state.h"

#include "components/errors.h"

namespace quavis {

namespace {

std::size_t AxisIndex(int axis)
{
    if (axis < 0 || axis > 2) throw EListError::OutOfBounds(axis);
    return static_cast<std::size_t>(axis);
}

} // namespace

TAmplitudeWindowState::TAmplitudeWindowState(const TProgramData& data, const TResultGraphs& graphs)
    : m_data(data), m_graphs(graphs)
{
}

void TAmplitudeWindowState::FormActivate()
{
    m_selection.Shown = m_data.UnitSystem == English ? English : SI;
    m_selection.Point = {m_data.CgLocalX, m_data.CgLocalY, m_data.CgLocalZ};
    m_lastUnitChoice = m_data.UnitSystem;
    Recompute();
}

void TAmplitudeWindowState::Button1Click()
{
    const long double k = LengthFactor(m_data.UnitSystem, m_selection.Shown);
    m_selection.Point = {k * m_data.CgLocalX, k * m_data.CgLocalY, k * m_data.CgLocalZ};
    Recompute();
}

void TAmplitudeWindowState::SetPoint(int axis, long double value)
{
    m_selection.Point[AxisIndex(axis)] = value;
    Recompute();
}

void TAmplitudeWindowState::SetType(TAmplitudeType type)
{
    m_selection.Type = type;
    Recompute();
}

void TAmplitudeWindowState::SelectUnits(int shown)
{
    m_selection.Shown = shown == English ? English : SI;
    if (m_selection.Shown != m_lastUnitChoice) {
        const long double factor = m_selection.Shown == English ? 1.0L / AmplitudeMetresPerFoot : AmplitudeMetresPerFoot;
        for (long double& value : m_selection.Point) value *= factor;
        m_lastUnitChoice = m_selection.Shown;
    }
    Recompute();
}

void TAmplitudeWindowState::SetDirection(int axis, bool shown)
{
    m_selection.Directions[AxisIndex(axis)] = shown;
    Recompute();
}

void TAmplitudeWindowState::OnlyDirection(int axis)
{
    const std::size_t only = AxisIndex(axis);
    for (std::size_t i = 0; i < 3; ++i) m_selection.Directions[i] = i == only;
    Recompute();
}

void TAmplitudeWindowState::AllDirections()
{
    m_selection.Directions = {true, true, true};
    Recompute();
}

void TAmplitudeWindowState::Recompute()
{
    m_chart = RecomputeAmplitudes(m_data, m_graphs.pltDxyzR, m_graphs.pltMxyzR, m_selection);
}

} // namespace quavis
