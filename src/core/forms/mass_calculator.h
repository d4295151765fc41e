#pragma once

#include <vector>

namespace quavis {

class TGridTable;

// One row of the mass components table: its mass, the coordinates of its centre and its length (x),
// width (y) and thickness (z), as a rectangular block.
struct TMassComponent {
    long double Mass = 0;
    long double X = 0, Y = 0, Z = 0;
    long double Length = 0, Width = 0, Thickness = 0;
};

// Totals of a set of components about their common centre of gravity.
struct TMassProperties {
    int ComponentCount = 0;
    long double TotalMass = 0;
    // The centre of gravity; at the origin when the total mass is not positive, so that the moments are
    // then taken about the local axes themselves.
    long double CgX = 0, CgY = 0, CgZ = 0;
    long double Ixx = 0, Iyy = 0, Izz = 0;
    long double Pxy = 0, Pxz = 0, Pyz = 0; // products of inertia as computed (sum of m dx dy, ...)
};

// The rows of a table laid out as the mass components table: mass, x, y, z, length, width, thickness.
std::vector<TMassComponent> MassComponentsOf(const TGridTable& table);

TMassProperties ComputeMassProperties(const std::vector<TMassComponent>& components);

// What the mass forms show after the calculation: the seven mass values, the centre of gravity in local
// coordinates, and the centre of the base in global coordinates.
struct TMassFormResult {
    bool HasMass = false; // the mass field is filled only when the table has a row
    long double TotalMass = 0;
    long double InertiaXX = 0, InertiaYY = 0, InertiaZZ = 0;
    long double ProductXY = 0, ProductXZ = 0, ProductYZ = 0;
    long double CgLocalX = 0, CgLocalY = 0, CgLocalZ = 0;
    long double CbGlobalX = 0, CbGlobalY = 0, CbGlobalZ = 0;
};

// The products X-Z and Y-Z change sign for the engine's convention; the global base centre is the local
// one seen from the centre of gravity, with z pointing down.
TMassFormResult MassFormResult(const TMassProperties& properties, long double cbLocalX, long double cbLocalY,
                               long double cbLocalZ);

} // namespace quavis
