#pragma once

#include "numerics/footing_impedance.h"

namespace quavis::numerics {

struct Vector3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Mass of the rigid footing with everything on it, its moments of inertia about axes through the centre of
// gravity and its products of inertia P_xy = sum of m x y (likewise xz, yz), in the engine's axes (z down).
struct RigidBodyMass {
    double mass = 0.0;
    double inertiaXX = 0.0, inertiaYY = 0.0, inertiaZZ = 0.0;
    double productXY = 0.0, productXZ = 0.0, productYZ = 0.0;
};

// Harmonic forces and moments applied at a point given about the centre of gravity. Quadratic loading: the
// amplitudes are coefficients of omega^2 (unbalanced rotating masses).
struct HarmonicLoad {
    Vector3 force;
    Vector3 moment;
    Vector3 point;
    bool quadratic = false;
};

// Mass matrix about the centre of gravity: diag(m, m, m) and the inertia tensor with -P off the diagonal.
Matrix6d MassMatrix(const RigidBodyMass& mass);

// Rigid-body transfer: the motion of the point at `offset` from the centre of gravity is T q, q the motion of
// the centre of gravity (u + theta x offset for the translations).
Matrix6d RigidTransfer(const Vector3& offset);

// The base-centre impedance moved to the centre of gravity, T^T K T, with the base centre at `baseOffset`
// from the centre of gravity.
Matrix6c ImpedanceAtCentreOfGravity(const Matrix6c& base, const Vector3& baseOffset);

// Generalised forces at the centre of gravity: the force, and the moment plus point x force.
Vector6c LoadAtCentreOfGravity(const HarmonicLoad& load, double omega);

// Complex amplitudes q at the centre of gravity from (K - omega^2 M) q = Q. Returns false when the system is
// singular or the solution is not finite.
bool SolveHarmonic(const Matrix6c& stiffnessAtCg, const Matrix6d& mass, const Vector6c& load, double omega,
                   Vector6c& amplitudes);

} // namespace quavis::numerics
