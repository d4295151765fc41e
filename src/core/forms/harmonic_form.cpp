#include "forms/harmonic_form.h"

#include <utility>

#include "forms/form_lifecycle.h"

namespace quavis {

TLoadingField RealField(std::string name, std::string caption, std::string units, long double TProgramData::*member)
{
    TLoadingField field;
    field.Name = std::move(name);
    field.Caption = std::move(caption);
    field.UnitsString = std::move(units);
    field.Real = member;
    return field;
}

TLoadingField IntegerField(std::string name, std::string caption, std::string units, int32_t TProgramData::*member)
{
    TLoadingField field;
    field.Name = std::move(name);
    field.Caption = std::move(caption);
    field.UnitsString = std::move(units);
    field.Integer = member;
    field.IntegerOnly = true;
    return field;
}

void TLoadingField::Apply(TDataEditRules& rules) const
{
    rules.SetCaption(Caption);
    rules.SetUnitsString(UnitsString);
    rules.SetIntegerOnly(IntegerOnly);
    if (MaxVal) rules.SetMaxVal(*MaxVal);
    if (MinVal) rules.SetMinVal(*MinVal);
}

void TLoadingField::Bind(TDataEditRules& rules, TFormLifecycle& lifecycle) const
{
    if (Integer)
        lifecycle.Bind(rules, Integer, FollowsUnits);
    else
        lifecycle.Bind(rules, Real, FollowsUnits);
}

std::vector<TLoadingField> HarmonicFields(const std::string& forcePrefix, const std::string& momentPrefix,
                                          const std::string& forceUnits, const std::string& momentUnits)
{
    // The moments about Y and Z keep the 32-bit limits they have always had; the others have none.
    constexpr long double IntMin = -2147483648.0L;
    constexpr long double IntMax = 2147483647.0L;
    // The point of application is held in ft / m like every length of the model, so its label follows
    // the unit system with the length of the model.
    std::vector<TLoadingField> fields = {
        RealField("DataEdit1", "Maximum Frequency", "Hz", &TProgramData::MaxFrequency),
        RealField("DataEdit2", "Minimum Frequency", "Hz", &TProgramData::MinFrequency),
        RealField("DataEdit3", "Step frequency (incremental frequency)", "Hz", &TProgramData::FrequencyStep),
        RealField("DataEdit4", forcePrefix + " in X-direction", forceUnits, &TProgramData::ForceX),
        RealField("DataEdit5", forcePrefix + " in Y-direction", forceUnits, &TProgramData::ForceY),
        RealField("DataEdit6", forcePrefix + " in Z-direction", forceUnits, &TProgramData::ForceZ),
        RealField("DataEdit7", momentPrefix + " about X-axis ", momentUnits, &TProgramData::MomentX),
        RealField("DataEdit8", momentPrefix + " about Y-axis", momentUnits, &TProgramData::MomentY),
        RealField("DataEdit9", momentPrefix + " about Z-axis", momentUnits, &TProgramData::MomentZ),
        RealField("DataEdit10", "X-coordinate", "L2", &TProgramData::LoadPointX),
        RealField("DataEdit11", "Y-coordinate", "L2", &TProgramData::LoadPointY),
        RealField("DataEdit12", "Z-coordinate", "L2", &TProgramData::LoadPointZ),
    };
    for (int i : {7, 8}) {
        fields[i].MinVal = IntMin;
        fields[i].MaxVal = IntMax;
    }
    for (int i : {9, 10, 11}) fields[i].InGroup = true;
    return fields;
}

const std::vector<TLoadingField>& THarmonicFormLogic::Fields()
{
    static const std::vector<TLoadingField> fields = HarmonicFields("Force", "Moment", "F", "F-L2");
    return fields;
}

} // namespace quavis
