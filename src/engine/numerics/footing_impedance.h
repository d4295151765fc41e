#pragma once

#include "numerics/disk.h"
#include "numerics/side_layer.h"
#include "numerics/soil.h"

#include <Eigen/Core>

#include <string>
#include <vector>

namespace quavis::numerics {

// Degrees of freedom, in this order everywhere: translations x, y, z (z down), rotations about x, y, z.
using Matrix6c = Eigen::Matrix<std::complex<double>, 6, 6>;
using Vector6c = Eigen::Matrix<std::complex<double>, 6, 1>;
using Matrix6d = Eigen::Matrix<double, 6, 6>;

// One side layer of an embedded footing, from the ground surface down.
struct SideLayerInput {
    double thickness = 0.0;
    SoilProperties soil;
    double weakZoneRatio = 1.0;
    // beta of the weak zone (the project file carries it as twice the layer's beta).
    double weakZoneDamping = 0.0;
};

// Complex impedance matrix about the centre of the footing base at one circular frequency; the stiffness is
// its real part, the damping coefficient C = Im / omega.
class FootingImpedanceModel {
public:
    virtual ~FootingImpedanceModel() = default;
    virtual Matrix6c At(double omega) const = 0;
    // At every frequency of a sweep; models may share work between neighbouring frequencies.
    virtual std::vector<Matrix6c> Sweep(const std::vector<double>& omegas) const;
    // Static stiffnesses of the base (with the embedment factors where the method has them).
    virtual StaticStiffness Statics() const = 0;
    // The methods behind the numbers, one sentence each, for the output report.
    virtual std::vector<std::string> Methods() const = 0;
};

// Footing on (embedded in) a half-space: the base as a rigid footing on the soil below, the side layers by
// the plane-strain side-layer approach (Novak & Beredugo 1972, Beredugo & Novak 1972, Novak & Sachs 1973),
// each with its weak zone, coupling sway and rocking. Inputs must have passed validation.
class HalfSpaceFootingModel final : public FootingImpedanceModel {
public:
    HalfSpaceFootingModel(const FootingGeometry& geometry, const SoilProperties& below,
                          const std::vector<SideLayerInput>& sideLayers, double gravity,
                          double weakZoneThicknessRatio);
    Matrix6c At(double omega) const override;
    std::vector<Matrix6c> Sweep(const std::vector<double>& omegas) const override;
    StaticStiffness Statics() const override { return m_statics; }
    std::vector<std::string> Methods() const override;

private:
    Matrix6c BaseAt(double omega) const;
    struct Layer {
        SideSoil soil;
        double thickness;
        double lever1; // integral of (D - z) over the layer, D the embedment depth
        double lever2; // integral of (D - z)^2 over the layer
    };
    FootingGeometry m_geometry;
    SoilProperties m_below;
    SideRadii m_radii;
    StaticStiffness m_statics;
    static void AddLayer(Matrix6c& k, const Layer& layer, const SideStiffness& s);

    std::vector<Layer> m_layers;
    bool m_weakZones = false;
};

// Footing on a stratum over rigid rock: static stiffnesses of Kausel (1974) and Elsabee & Morray (1977) with
// embedment, the half-space frequency functions for the stiffness and no radiation damping below the stratum's
// cutoff frequencies, Vs / 4H for horizontal and torsional motion and Vc / 4H for vertical and rocking motion
// (Vc = Vp up to nu = 1/3, 2 Vs beyond). Material damping by G* = G (1 + 2 i beta).
class StratumFootingModel final : public FootingImpedanceModel {
public:
    StratumFootingModel(const FootingGeometry& geometry, const SoilProperties& soil, double baseDepth,
                        double bedrockDepth, double gravity);
    Matrix6c At(double omega) const override;
    StaticStiffness Statics() const override { return m_statics; }
    std::vector<std::string> Methods() const override;

    // Cutoff circular frequencies of the stratum.
    double ShearCutoff() const;
    double DilatationalCutoff() const;

private:
    FootingGeometry m_geometry;
    SoilProperties m_soil;
    double m_baseDepth;
    double m_bedrockDepth;
    SideRadii m_radii;
    StaticStiffness m_statics;
    double m_couplingX = 0.0; // K(x, rotation y) / K(x, x) of the statics
};

// Kausel (1974) and Elsabee & Morray (1977): circular footing of radius R embedded to E in a stratum of depth
// H over rigid rock.
StaticStiffness StratumStatics(double shearModulus, double poisson, const SideRadii& radii, double embedment,
                               double depth);

} // namespace quavis::numerics
