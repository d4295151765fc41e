#include "model/unit_switch.h"

namespace quavis {

int ClampUnitSystem(int system)
{
    if (system > 2)
        return 2;
    if (system < 1)
        return 1;
    return system;
}

TUnitFactors UnitFactorsFor(int targetSystem)
{
    if (ClampUnitSystem(targetSystem) == 1)
        return {EnglishForceFactor, EnglishInchFactor, EnglishLengthFactor, EnglishMassFactor};
    return {1.0L / EnglishForceFactor, 1.0L / EnglishInchFactor, 1.0L / EnglishLengthFactor,
            1.0L / EnglishMassFactor};
}

void ConvertProgramData(TProgramData& d, int targetSystem)
{
    const int target = ClampUnitSystem(targetSystem);
    if (target != d.UnitSystem) {
        const TUnitFactors f = UnitFactorsFor(target);
        // Each multiplier is built from the factors in the order of its quantity's name, so that a
        // round trip gives back the same products.
        const long double length = f.Length;
        const long double massLength2 = f.Mass * f.Length * f.Length;
        const long double forcePerLength3 = f.Force / f.Length / f.Length / f.Length;
        const long double forcePerLength2 = f.Force / f.Length / f.Length;
        const long double forceLength = f.Force * f.Length;
        const long double massLength = f.Mass * f.Length;

        for (long double* v : {&d.Radius, &d.LengthX, &d.WidthY, &d.GeometryWidthY, &d.BaseX, &d.BaseY, &d.BaseZ,
                               &d.BaseDepth, &d.BedrockDepth, &d.PileLength, &d.CgLocalX, &d.CgLocalY, &d.CgLocalZ,
                               &d.CbLocalX, &d.CbLocalY, &d.CbLocalZ, &d.CbGlobalX, &d.CbGlobalY, &d.CbGlobalZ,
                               &d.LoadPointX, &d.LoadPointY, &d.LoadPointZ, &d.BelowShearWaveVelocity})
            *v *= length;
        d.ProfileDepth *= f.Inch;
        d.TotalMass *= f.Mass;
        for (long double* v : {&d.InertiaXX, &d.InertiaYY, &d.InertiaZZ, &d.ProductXY, &d.ProductXZ, &d.ProductYZ})
            *v *= massLength2;
        d.BelowUnitWeight *= forcePerLength3;
        d.PileUnitWeight *= forcePerLength3;
        d.PileElasticModulus *= forcePerLength2;
        d.StaticLoad *= f.Force;

        // Quadratic loads are entered as coefficients of the squared frequency: mass-like units.
        const bool quadratic = d.QuadraticLoading == 1;
        const long double forceMultiplier = quadratic ? massLength : f.Force;
        const long double momentMultiplier = quadratic ? massLength2 : forceLength;
        for (long double* v : {&d.ForceX, &d.ForceY, &d.ForceZ})
            *v *= forceMultiplier;
        for (long double* v : {&d.MomentX, &d.MomentY, &d.MomentZ})
            *v *= momentMultiplier;
    }
    d.UnitSystem = target;
}

} // namespace quavis
