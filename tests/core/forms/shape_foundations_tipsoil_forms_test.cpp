#include "forms/foundations_form.h"
#include "forms/shape_form.h"
#include "forms/tipsoil_form.h"

#include "components/data_edit_rules.h"
#include "forms/form_lifecycle.h"
#include "model/project.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace quavis {
namespace {

// The fields of one geometry form bound to the model as the window binds them.
struct BoundFields {
    TProject project;
    test::ScriptedPrompter prompter;
    TFormLifecycle lifecycle{project, prompter};
    std::deque<TDataEditRules> fields;

    explicit BoundFields(const std::vector<TFormFieldDefinition>& definitions)
    {
        for (const TFormFieldDefinition& definition : definitions) {
            TDataEditRules& field = fields.emplace_back();
            ApplyFieldDefinition(field, definition);
            lifecycle.Bind(field, definition.Member);
        }
        project.SetModified(false);
    }
};

struct LabelCase {
    const char* form;
    std::size_t field;
    int system;
    const char* label;
};

const std::vector<TFormFieldDefinition>& SpecsOf(const std::string& form)
{
    if (form == "shape") return TShapeFormLogic::Fields();
    if (form == "foundations") return TFoundationsFormLogic::Fields();
    return TTipsoilFormLogic::Fields();
}

class GeometryFormLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(GeometryFormLabels, ShowTheUnitsOfTheProjectsSystem)
{
    const LabelCase& c = GetParam();
    BoundFields f(SpecsOf(c.form));
    f.project.ProgramData().UnitSystem = c.system;
    f.lifecycle.Activate();
    EXPECT_EQ(f.fields[c.field].LabelCaption(), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeometryFormLabels,
    ::testing::Values(LabelCase{"shape", 0, English, "Radius (ft)"}, LabelCase{"shape", 1, English, "Length x,  (ft)"},
                      LabelCase{"shape", 2, SI, "Width y,  (m)"},
                      LabelCase{"foundations", 1, English, "Y Coordinate (Yc)  (ft)"},
                      LabelCase{"foundations", 4, SI,
                                "Depth from ground surface to bed rock (rigid underlying layer) (m)"},
                      LabelCase{"tipsoil", 0, English, "Shear wave velocity (ft/sec)"},
                      LabelCase{"tipsoil", 0, SI, "Shear wave velocity (m/sec)"},
                      LabelCase{"tipsoil", 1, English, "Unit weight (lbs/ft^3)"},
                      LabelCase{"tipsoil", 1, SI, "Unit weight (kN/m^3)"},
                      LabelCase{"tipsoil", 2, SI, "Poisson's ratio"}, LabelCase{"tipsoil", 3, English, "Material damping"}));

class GeometryFormLimits : public ::testing::TestWithParam<const char*> {};

// Only the first field of each form is held to 32 bits; the others take any value.
TEST_P(GeometryFormLimits, OnlyTheFirstFieldIsLimited)
{
    BoundFields f(SpecsOf(GetParam()));
    f.lifecycle.Activate();
    f.fields[1].SetText("3e12");
    ASSERT_TRUE(f.lifecycle.Deactivate(&f.fields[1]).Ok);
    EXPECT_EQ(f.project.ProgramData().*SpecsOf(GetParam())[1].Member, 3e12L);

    f.fields[0].SetText("3e12");
    f.prompter.ExpectMessage("Entry must be less than or equal to 2147483647");
    EXPECT_FALSE(f.lifecycle.Deactivate(&f.fields[0]).Ok);
    f.fields[0].SetText("-3e12");
    f.prompter.ExpectMessage("Entry must be greater than or equal to -2147483648");
    EXPECT_FALSE(f.lifecycle.Deactivate(&f.fields[0]).Ok);
    EXPECT_EQ(f.fields[0].Text(), "-2147483648");
}

INSTANTIATE_TEST_SUITE_P(Forms, GeometryFormLimits, ::testing::Values("shape", "foundations", "tipsoil"));

struct ActivationCase {
    int32_t shape;
    bool rectangular, circular, radiusShown;
};

class ShapeFormActivation : public ::testing::TestWithParam<ActivationCase> {};

TEST_P(ShapeFormActivation, ChecksTheModelsShapeAndShowsItsFields)
{
    const ActivationCase& c = GetParam();
    TProject project;
    project.ProgramData().ShapeCircular = c.shape;
    TShapeFormLogic form(project);
    form.FormActivate();
    EXPECT_EQ(form.RectangularChecked(), c.rectangular);
    EXPECT_EQ(form.CircularChecked(), c.circular);
    EXPECT_EQ(form.FieldVisible(TShapeFormLogic::RadiusField), c.radiusShown);
    EXPECT_EQ(form.FieldVisible(TShapeFormLogic::LengthField), !c.radiusShown);
    EXPECT_EQ(form.FieldVisible(TShapeFormLogic::WidthField), !c.radiusShown);
}

// A shape without a page of its own checks neither button and shows the rectangle's fields.
INSTANTIATE_TEST_SUITE_P(Shapes, ShapeFormActivation,
                         ::testing::Values(ActivationCase{RectangularShape, true, false, false},
                                           ActivationCase{CircularShape, false, true, true},
                                           ActivationCase{2, false, false, false}));

TEST(ShapeForm, SwitchingShapesKeepsTheOtherShapesValuesAndMarksModifiedOnlyOnAChange)
{
    BoundFields f(TShapeFormLogic::Fields());
    TProgramData& d = f.project.ProgramData();
    TShapeFormLogic form(f.project);
    form.FormActivate();
    f.lifecycle.Activate();
    form.RadioButton1Click(); // already rectangular
    EXPECT_FALSE(f.project.IsModified());

    f.fields[TShapeFormLogic::LengthField].SetText("12");
    f.fields[TShapeFormLogic::WidthField].SetText("2*4");
    ASSERT_TRUE(f.lifecycle.Deactivate(&f.fields[TShapeFormLogic::WidthField]).Ok);

    form.RadioButton2Click();
    EXPECT_EQ(d.ShapeCircular, CircularShape);
    EXPECT_TRUE(f.project.IsModified());
    EXPECT_TRUE(form.CircularChecked());
    EXPECT_FALSE(form.RectangularChecked());
    EXPECT_FALSE(form.FieldVisible(TShapeFormLogic::LengthField));
    f.fields[TShapeFormLogic::RadiusField].SetText("3.5");
    ASSERT_TRUE(f.lifecycle.Deactivate(&f.fields[TShapeFormLogic::RadiusField]).Ok);

    form.RadioButton1Click();
    EXPECT_EQ(d.ShapeCircular, RectangularShape);
    f.lifecycle.Activate();
    form.FormActivate();
    EXPECT_EQ(f.fields[TShapeFormLogic::LengthField].Text(), "12");
    EXPECT_EQ(f.fields[TShapeFormLogic::WidthField].Text(), "8");
    EXPECT_EQ(d.Radius, 3.5L); // hidden, and still stored
}

TEST(FoundationsForm, HidesTheDepthsForAHalfSpaceShowsThemForAStratumAndOtherwiseLeavesThem)
{
    BoundFields f(TFoundationsFormLogic::Fields());
    TProgramData& d = f.project.ProgramData();
    TFoundationsFormLogic form(f.project);
    const auto depthsShown = [&] {
        return form.FieldVisible(TFoundationsFormLogic::BaseDepthField) &&
               form.FieldVisible(TFoundationsFormLogic::BedrockDepthField);
    };
    const auto depthsHidden = [&] {
        return !form.FieldVisible(TFoundationsFormLogic::BaseDepthField) &&
               !form.FieldVisible(TFoundationsFormLogic::BedrockDepthField);
    };

    d.FoundationType = HalfSpaceFoundation;
    form.FormActivate();
    EXPECT_TRUE(depthsHidden());
    for (std::size_t i = 0; i < TFoundationsFormLogic::GroupSize; ++i) EXPECT_TRUE(form.FieldVisible(i));
    d.FoundationType = MultilayerFoundation;
    form.FormActivate();
    EXPECT_TRUE(depthsHidden());
    d.FoundationType = StratumFoundation;
    form.FormActivate();
    EXPECT_TRUE(depthsShown());
    d.FoundationType = PileFoundation;
    form.FormActivate();
    EXPECT_TRUE(depthsShown());

    // Hidden depths are stored with the coordinates.
    d.FoundationType = HalfSpaceFoundation;
    d.BedrockDepth = 40;
    form.FormActivate();
    f.lifecycle.Activate();
    f.fields[TFoundationsFormLogic::BaseZField].SetText("-1.25");
    ASSERT_TRUE(f.lifecycle.Deactivate(&f.fields[TFoundationsFormLogic::BaseZField]).Ok);
    EXPECT_EQ(d.BaseZ, -1.25L);
    EXPECT_EQ(d.BedrockDepth, 40.0L);
}

} // namespace
} // namespace quavis
