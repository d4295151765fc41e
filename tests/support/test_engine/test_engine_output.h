#pragma once

// What the test engine writes, known to the tests that run it. Numbers are kept as the text the engine
// prints, so that the tests compare against exactly what reached the plot-data file.

namespace quavis::test_engine {

inline constexpr int Records = 2;

// Per record: omega, Kxx, Kyy, Kww, Kppx, Kppy, Kzt, Kxp, Kyp.
inline constexpr const char* Stiffness[Records][9] = {
    {"6.2832", "1.25E+06", "1.5E+06", "2.75E+06", "3.125E+07", "3.5E+07", "4.25E+07", "-1.5E+05", "1.75E+05"},
    {"12.5664", "1.2E+06", "1.45E+06", "2.7E+06", "3.1E+07", "3.45E+07", "4.2E+07", "-1.4E+05", "1.7E+05"},
};
// Per record: omega, Cxx, Cyy, Cww, Cppx, Cppy, Czt, Cxp, Cyp.
inline constexpr const char* Damping[Records][9] = {
    {"6.2832", "2.5E+04", "2.625E+04", "4.5E+04", "1.5E+05", "1.625E+05", "9.5E+04", "-3.5E+03", "3.75E+03"},
    {"12.5664", "2.4E+04", "2.6E+04", "4.4E+04", "1.45E+05", "1.6E+05", "9.25E+04", "-3.25E+03", "3.5E+03"},
};
// Per record: omega, Dx, Dy, Dz, Rx, Ry, Rz.
inline constexpr const char* Response[Records][7] = {
    {"6.2832", "1.5E-05", "1.75E-05", "2.5E-06", "3.5E-07", "3.75E-07", "4.5E-08"},
    {"12.5664", "1.25E-05", "1.5E-05", "2.25E-06", "3.25E-07", "3.5E-07", "4.25E-08"},
};

// The first line of the output text (".vqo").
inline constexpr const char* OutputHeading = "QUAVIS test engine: output text";

} // namespace quavis::test_engine
