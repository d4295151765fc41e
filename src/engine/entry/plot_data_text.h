#pragma once

#include "numerics/footing_analysis.h"

#include <string>

namespace quavis::engine {

// Base-centre impedance entries as the plot-data file and the report name them: Kxx, Kyy, Kww (vertical),
// Kppx, Kppy (rocking about x and y), Kzt (torsion), Kxp (sway in x with rocking about y), Kyp (sway in y
// with rocking about x); the damping coefficients C are the imaginary parts over omega.
struct TImpedanceRow {
    double Values[8];
};
TImpedanceRow StiffnessRow(const numerics::Matrix6c& k);
TImpedanceRow DampingRow(const numerics::Matrix6c& k, double omega);

// The plot-data file of a complete result: the number of frequencies, the impedance records when the project
// asks for the matrix, then the response amplitudes (magnitudes) at the centre of gravity. Every number in the
// shortest form that reads back as the same double, so that what is read back is what was computed.
std::string PlotDataText(const numerics::FootingResult& result, bool writeMatrix);

} // namespace quavis::engine
