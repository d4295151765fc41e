#include "numerics/rigid_body.h"

#include <Eigen/Geometry>
#include <Eigen/LU>

#include <cmath>

namespace quavis::numerics {

Matrix6d MassMatrix(const RigidBodyMass& m)
{
    Matrix6d mass = Matrix6d::Zero();
    mass(0, 0) = mass(1, 1) = mass(2, 2) = m.mass;
    mass(3, 3) = m.inertiaXX;
    mass(4, 4) = m.inertiaYY;
    mass(5, 5) = m.inertiaZZ;
    mass(3, 4) = mass(4, 3) = -m.productXY;
    mass(3, 5) = mass(5, 3) = -m.productXZ;
    mass(4, 5) = mass(5, 4) = -m.productYZ;
    return mass;
}

Matrix6d RigidTransfer(const Vector3& d)
{
    Matrix6d t = Matrix6d::Identity();
    // theta x d = (ry dz - rz dy, rz dx - rx dz, rx dy - ry dx)
    t(0, 4) = d.z;
    t(0, 5) = -d.y;
    t(1, 3) = -d.z;
    t(1, 5) = d.x;
    t(2, 3) = d.y;
    t(2, 4) = -d.x;
    return t;
}

Matrix6c ImpedanceAtCentreOfGravity(const Matrix6c& base, const Vector3& baseOffset)
{
    const Matrix6c t = RigidTransfer(baseOffset).cast<std::complex<double>>();
    return t.transpose() * base * t;
}

Vector6c LoadAtCentreOfGravity(const HarmonicLoad& load, double omega)
{
    const double scale = load.quadratic ? omega * omega : 1.0;
    const Eigen::Vector3d f(load.force.x, load.force.y, load.force.z);
    const Eigen::Vector3d m(load.moment.x, load.moment.y, load.moment.z);
    const Eigen::Vector3d p(load.point.x, load.point.y, load.point.z);
    Vector6c q;
    q.head<3>() = (scale * f).cast<std::complex<double>>();
    q.tail<3>() = (scale * (m + p.cross(f))).cast<std::complex<double>>();
    return q;
}

bool SolveHarmonic(const Matrix6c& stiffnessAtCg, const Matrix6d& mass, const Vector6c& load, double omega,
                   Vector6c& amplitudes)
{
    const Matrix6c system = stiffnessAtCg - (omega * omega) * mass.cast<std::complex<double>>();
    // Partial pivoting suffices for these well-scaled systems; a singular one shows as a non-finite solution.
    const Eigen::PartialPivLU<Matrix6c> lu(system);
    amplitudes = lu.solve(load);
    for (int i = 0; i < 6; ++i)
        if (!std::isfinite(amplitudes(i).real()) || !std::isfinite(amplitudes(i).imag()))
            return false;
    return true;
}

} // namespace quavis::numerics
