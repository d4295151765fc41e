#include "forms/transient_form.h"

#include <gtest/gtest.h>

#include "components/grid_table.h"
#include "loading_form_fixture.h"

namespace quavis {
namespace {

TEST(TransientForm, CountsAreIntegersStoredRoundedAndTheTimeStepIsReal)
{
    const auto& fields = TTransientFormLogic::Fields();
    test::TLoadingFormFields form(fields);
    TProgramData& d = form.Project.ProgramData();
    d.PointCount = 100;
    d.TimeInterval = 0.02L;
    d.LoadTypeCount = 3;
    form.Lifecycle.Activate();
    TDataEditRules& points = form.Field(fields, "DataEdit1");
    TDataEditRules& step = form.Field(fields, "DataEdit2");
    TDataEditRules& types = form.Field(fields, "DataEdit3");
    EXPECT_EQ(points.Text(), "100");
    EXPECT_EQ(step.Text(), "0.02");
    EXPECT_EQ(types.Text(), "3");
    EXPECT_EQ(points.LabelCaption(), "Number of points ");
    EXPECT_EQ(step.LabelCaption(), "Time interval between points (sec)");
    EXPECT_EQ(types.LabelCaption(), "Number of load type to be input");

    points.SetText("2.5");
    form.Prompter.ExpectMessage("Entry must be an integer.");
    EXPECT_FALSE(form.Lifecycle.Deactivate(&points).Ok);
    types.SetText("x");
    form.Prompter.ExpectMessage("Entry must be a valid integer.");
    EXPECT_FALSE(form.Lifecycle.Deactivate(&types).Ok);
    EXPECT_EQ(d.PointCount, 100);
    EXPECT_EQ(d.LoadTypeCount, 3);

    points.SetText("400/2");
    step.SetText("1/8");
    types.SetText("6");
    ASSERT_TRUE(form.Lifecycle.Deactivate(&types).Ok);
    EXPECT_EQ(d.PointCount, 200);
    EXPECT_EQ(d.TimeInterval, 0.125L);
    EXPECT_EQ(d.LoadTypeCount, 6);
}

TEST(TransientForm, IntegerFieldsKeepTo32Bits)
{
    const auto& fields = TTransientFormLogic::Fields();
    test::TLoadingFormFields form(fields);
    TDataEditRules& points = form.Field(fields, "DataEdit1");
    points.SetText("3e9");
    form.Prompter.ExpectMessage("Entry must be less than or equal to 2147483647");
    EXPECT_FALSE(form.Lifecycle.Deactivate(&points).Ok);
    ASSERT_TRUE(form.Lifecycle.Deactivate(nullptr).Ok);
    EXPECT_EQ(form.Project.ProgramData().PointCount, 2147483647);
}

TEST(TransientForm, TheDataButtonOpensTheLoadTypeTableEachTimeInTheSameWindow)
{
    test::RecordingEditors editors;
    TProject project;
    TTransientFormLogic::Button1Click(project);
    TTransientFormLogic::Button1Click(project);
    ASSERT_EQ(editors.Made.size(), 1u);
    EXPECT_EQ(editors.Made[0].Table, &project.TLoadtype);
    EXPECT_FALSE(editors.Made[0].Modal);
    EXPECT_EQ(editors.Shown, 2);
    // The form leaves the table's size to the user.
    EXPECT_EQ(project.TLoadtype.RowCount(), project.TLoadtype.MinRows());
}

} // namespace
} // namespace quavis
