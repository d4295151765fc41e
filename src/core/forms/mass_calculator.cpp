#include "forms/mass_calculator.h"

#include "components/errors.h"
#include "components/grid_table.h"

namespace quavis {

namespace {
constexpr int kColumnCount = 7;
}

std::vector<TMassComponent> MassComponentsOf(const TGridTable& table)
{
    if (table.ColumnCount() < kColumnCount) {
        throw EQuavisError("The mass components table needs " + std::to_string(kColumnCount) + " columns");
    }
    std::vector<TMassComponent> components;
    components.reserve(static_cast<std::size_t>(table.RowCount()));
    for (int row = 0; row < table.RowCount(); ++row) {
        TMassComponent c;
        c.Mass = table.Column(0).GetFloat(row);
        c.X = table.Column(1).GetFloat(row);
        c.Y = table.Column(2).GetFloat(row);
        c.Z = table.Column(3).GetFloat(row);
        c.Length = table.Column(4).GetFloat(row);
        c.Width = table.Column(5).GetFloat(row);
        c.Thickness = table.Column(6).GetFloat(row);
        components.push_back(c);
    }
    return components;
}

TMassProperties ComputeMassProperties(const std::vector<TMassComponent>& components)
{
    TMassProperties p;
    p.ComponentCount = static_cast<int>(components.size());
    long double sx = 0, sy = 0, sz = 0;
    for (const TMassComponent& c : components) {
        p.TotalMass += c.Mass;
        sx += c.Mass * c.X;
        sy += c.Mass * c.Y;
        sz += c.Mass * c.Z;
    }
    if (p.TotalMass > 0) {
        p.CgX = sx / p.TotalMass;
        p.CgY = sy / p.TotalMass;
        p.CgZ = sz / p.TotalMass;
    }
    for (const TMassComponent& c : components) {
        const long double dx = c.X - p.CgX, dy = c.Y - p.CgY, dz = c.Z - p.CgZ;
        const long double a2 = c.Length * c.Length, b2 = c.Width * c.Width, c2 = c.Thickness * c.Thickness;
        p.Ixx += c.Mass * (dy * dy + dz * dz) + c.Mass * (b2 + c2) / 12;
        p.Iyy += c.Mass * (dx * dx + dz * dz) + c.Mass * (a2 + c2) / 12;
        p.Izz += c.Mass * (dx * dx + dy * dy) + c.Mass * (a2 + b2) / 12;
        p.Pxy += c.Mass * dx * dy;
        p.Pxz += c.Mass * dx * dz;
        p.Pyz += c.Mass * dy * dz;
    }
    return p;
}

TMassFormResult MassFormResult(const TMassProperties& p, long double cbLocalX, long double cbLocalY,
                               long double cbLocalZ)
{
    TMassFormResult r;
    r.HasMass = p.ComponentCount > 0;
    r.TotalMass = p.TotalMass;
    r.InertiaXX = p.Ixx;
    r.InertiaYY = p.Iyy;
    r.InertiaZZ = p.Izz;
    r.ProductXY = p.Pxy;
    r.ProductXZ = -p.Pxz;
    r.ProductYZ = -p.Pyz;
    r.CgLocalX = p.CgX;
    r.CgLocalY = p.CgY;
    r.CgLocalZ = p.CgZ;
    r.CbGlobalX = cbLocalX - p.CgX;
    r.CbGlobalY = cbLocalY - p.CgY;
    r.CbGlobalZ = -(cbLocalZ - p.CgZ);
    return r;
}

} // namespace quavis
