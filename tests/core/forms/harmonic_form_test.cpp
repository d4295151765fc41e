#include "forms/harmonic_form.h"
#include "forms/quad_form.h"

#include <gtest/gtest.h>

#include "loading_form_fixture.h"

namespace quavis {
namespace {

struct THarmonicFieldCase {
    const char* Name;
    long double TProgramData::*Member;
    const char* EnglishLabel;
    const char* SiLabel;
};

struct THarmonicFormCase {
    const char* Form;
    const std::vector<TLoadingField>& (*Fields)();
    std::vector<THarmonicFieldCase> Expected;
};

const std::vector<THarmonicFormCase>& FormCases()
{
    static const std::vector<THarmonicFormCase> cases = {
        {"Tfrmharmonic", &THarmonicFormLogic::Fields,
         {
             {"DataEdit1", &TProgramData::MaxFrequency, "Maximum Frequency (Hz)", "Maximum Frequency (Hz)"},
             {"DataEdit2", &TProgramData::MinFrequency, "Minimum Frequency (Hz)", "Minimum Frequency (Hz)"},
             {"DataEdit3", &TProgramData::FrequencyStep, "Step frequency (incremental frequency) (Hz)",
              "Step frequency (incremental frequency) (Hz)"},
             {"DataEdit4", &TProgramData::ForceX, "Force in X-direction (lbs)", "Force in X-direction (kN)"},
             {"DataEdit5", &TProgramData::ForceY, "Force in Y-direction (lbs)", "Force in Y-direction (kN)"},
             {"DataEdit6", &TProgramData::ForceZ, "Force in Z-direction (lbs)", "Force in Z-direction (kN)"},
             {"DataEdit7", &TProgramData::MomentX, "Moment about X-axis  (lbs-ft)", "Moment about X-axis  (kN-m)"},
             {"DataEdit8", &TProgramData::MomentY, "Moment about Y-axis (lbs-ft)", "Moment about Y-axis (kN-m)"},
             {"DataEdit9", &TProgramData::MomentZ, "Moment about Z-axis (lbs-ft)", "Moment about Z-axis (kN-m)"},
             {"DataEdit10", &TProgramData::LoadPointX, "X-coordinate (ft)", "X-coordinate (m)"},
             {"DataEdit11", &TProgramData::LoadPointY, "Y-coordinate (ft)", "Y-coordinate (m)"},
             {"DataEdit12", &TProgramData::LoadPointZ, "Z-coordinate (ft)", "Z-coordinate (m)"},
         }},
        {"TfrmQuad", &TQuadFormLogic::Fields,
         {
             {"DataEdit1", &TProgramData::MaxFrequency, "Maximum Frequency (Hz)", "Maximum Frequency (Hz)"},
             {"DataEdit2", &TProgramData::MinFrequency, "Minimum Frequency (Hz)", "Minimum Frequency (Hz)"},
             {"DataEdit3", &TProgramData::FrequencyStep, "Step frequency (incremental frequency) (Hz)",
              "Step frequency (incremental frequency) (Hz)"},
             {"DataEdit4", &TProgramData::ForceX, "Force Coefficient in X-direction (slug-ft)",
              "Force Coefficient in X-direction (Mg-m)"},
             {"DataEdit5", &TProgramData::ForceY, "Force Coefficient in Y-direction (slug-ft)",
              "Force Coefficient in Y-direction (Mg-m)"},
             {"DataEdit6", &TProgramData::ForceZ, "Force Coefficient in Z-direction (slug-ft)",
              "Force Coefficient in Z-direction (Mg-m)"},
             {"DataEdit7", &TProgramData::MomentX, "Moment Coefficient about X-axis  (slug-ft^2)",
              "Moment Coefficient about X-axis  (Mg-m^2)"},
             {"DataEdit8", &TProgramData::MomentY, "Moment Coefficient about Y-axis (slug-ft^2)",
              "Moment Coefficient about Y-axis (Mg-m^2)"},
             {"DataEdit9", &TProgramData::MomentZ, "Moment Coefficient about Z-axis (slug-ft^2)",
              "Moment Coefficient about Z-axis (Mg-m^2)"},
             {"DataEdit10", &TProgramData::LoadPointX, "X-coordinate (ft)", "X-coordinate (m)"},
             {"DataEdit11", &TProgramData::LoadPointY, "Y-coordinate (ft)", "Y-coordinate (m)"},
             {"DataEdit12", &TProgramData::LoadPointZ, "Z-coordinate (ft)", "Z-coordinate (m)"},
         }},
    };
    return cases;
}

class HarmonicForms : public ::testing::TestWithParam<std::size_t> {
protected:
    const THarmonicFormCase& Case() const { return FormCases()[GetParam()]; }
};

TEST_P(HarmonicForms, EachFieldLoadsAndStoresItsOwnMemberWithLabelsInTheProjectsUnits)
{
    const auto& fields = Case().Fields();
    ASSERT_EQ(fields.size(), Case().Expected.size());
    for (int system : {1, 2}) {
        test::TLoadingFormFields form(fields);
        TProgramData& d = form.Project.ProgramData();
        d.UnitSystem = system;
        for (std::size_t i = 0; i < Case().Expected.size(); ++i)
            d.*Case().Expected[i].Member = 1.25L + static_cast<long double>(i);
        form.Lifecycle.Activate();
        for (std::size_t i = 0; i < Case().Expected.size(); ++i) {
            const THarmonicFieldCase& expected = Case().Expected[i];
            SCOPED_TRACE(expected.Name);
            TDataEditRules& field = form.Field(fields, expected.Name);
            EXPECT_EQ(field.LabelCaption(), system == 1 ? expected.EnglishLabel : expected.SiLabel);
            EXPECT_EQ(field.Number(), 1.25L + static_cast<long double>(i));
            field.SetText(std::to_string(100 + i) + "/2");
        }
        ASSERT_TRUE(form.Lifecycle.Deactivate(nullptr).Ok);
        for (std::size_t i = 0; i < Case().Expected.size(); ++i)
            EXPECT_EQ(d.*Case().Expected[i].Member, (100.0L + static_cast<long double>(i)) / 2) << Case().Expected[i].Name;
    }
}

TEST_P(HarmonicForms, OnlyTheMomentsAboutYAndZAreLimitedTo32Bits)
{
    const auto& fields = Case().Fields();
    test::TLoadingFormFields form(fields);
    TProgramData& d = form.Project.ProgramData();
    form.Lifecycle.Activate();
    TDataEditRules& momentX = form.Field(fields, "DataEdit7");
    momentX.SetText("3e9");
    ASSERT_TRUE(form.Lifecycle.Deactivate(&momentX).Ok);
    EXPECT_EQ(d.MomentX, 3e9L);

    for (const char* name : {"DataEdit8", "DataEdit9"}) {
        SCOPED_TRACE(name);
        TDataEditRules& moment = form.Field(fields, name);
        moment.SetText("3e9");
        form.Prompter.ExpectMessage("Entry must be less than or equal to 2147483647");
        const TFormCommitResult refused = form.Lifecycle.Deactivate(&moment);
        EXPECT_FALSE(refused.Ok);
        EXPECT_EQ(refused.Refused, &moment);
        EXPECT_EQ(moment.Text(), "2147483647");
        moment.SetText("-3e9");
        form.Prompter.ExpectMessage("Entry must be greater than or equal to -2147483648");
        EXPECT_FALSE(form.Lifecycle.Deactivate(&moment).Ok);
        moment.SetText("0");
    }
    EXPECT_EQ(d.MomentY, 0);
    EXPECT_EQ(d.MomentZ, 0);
}

TEST_P(HarmonicForms, OnlyTheLoadPointStandsInTheGroup)
{
    const auto& fields = Case().Fields();
    for (const TLoadingField& field : fields) {
        const bool loadPoint = field.Real == &TProgramData::LoadPointX || field.Real == &TProgramData::LoadPointY ||
                               field.Real == &TProgramData::LoadPointZ;
        EXPECT_EQ(field.InGroup, loadPoint) << field.Name;
        EXPECT_TRUE(field.FollowsUnits) << field.Name;
        EXPECT_FALSE(field.IntegerOnly) << field.Name;
    }
}

INSTANTIATE_TEST_SUITE_P(LoadingForms, HarmonicForms, ::testing::Values(0u, 1u),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return std::string(FormCases()[info.param].Form);
                         });

} // namespace
} // namespace quavis
