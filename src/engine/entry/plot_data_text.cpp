#include "entry/plot_data_text.h"

#include "entry/number_text.h"

namespace quavis::engine {

namespace {

enum Dof { X = 0, Y = 1, Z = 2, RX = 3, RY = 4, RZ = 5 };

void Append(std::string& line, double value)
{
    if (!line.empty())
        line += ' ';
    AppendShortest(line, value);
}

TImpedanceRow Row(const numerics::Matrix6c& k, double scale, bool imaginary)
{
    const auto part = [&](int i, int j) { return (imaginary ? k(i, j).imag() : k(i, j).real()) * scale; };
    return {{part(X, X), part(Y, Y), part(Z, Z), part(RX, RX), part(RY, RY), part(RZ, RZ), part(X, RY), part(Y, RX)}};
}

} // namespace

TImpedanceRow StiffnessRow(const numerics::Matrix6c& k)
{
    return Row(k, 1.0, false);
}

TImpedanceRow DampingRow(const numerics::Matrix6c& k, double omega)
{
    return Row(k, 1.0 / omega, true);
}

std::string PlotDataText(const numerics::FootingResult& result, bool writeMatrix)
{
    const std::size_t n = result.omegas.size();
    std::string text = std::to_string(n) + "\r\n";
    std::string line;
    if (writeMatrix) {
        for (std::size_t j = 0; j < n; ++j) {
            const double omega = result.omegas[j];
            for (const TImpedanceRow& row : {StiffnessRow(result.impedances[j]), DampingRow(result.impedances[j], omega)}) {
                line.clear();
                Append(line, omega);
                for (double v : row.Values)
                    Append(line, v);
                text += line + "\r\n";
            }
        }
    }
    for (std::size_t j = 0; j < n && j < result.amplitudes.size(); ++j) {
        line.clear();
        Append(line, result.omegas[j]);
        for (int i = 0; i < 6; ++i)
            Append(line, std::abs(result.amplitudes[j](i)));
        text += line + "\r\n";
    }
    return text;
}

} // namespace quavis::engine
