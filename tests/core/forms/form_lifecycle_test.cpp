#include "forms/form_lifecycle.h"
#include "forms/mass_form.h"

#include "components/grid_table.h"
#include "model/project.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

struct TwoFieldForm {
    TProject project;
    test::ScriptedPrompter prompter;
    TFormLifecycle lifecycle{project, prompter};
    TDataEditRules radius, length;
    int closed = 0;

    TwoFieldForm()
    {
        radius.SetUnitsString("L2");
        radius.SetCaption("Radius");
        lifecycle.Bind(radius, &TProgramData::Radius);
        lifecycle.Bind(length, &TProgramData::LengthX);
        lifecycle.OnClosed = [this] { ++closed; };
        project.ProgramData().Radius = 1.5L;
        project.ProgramData().LengthX = 4;
        project.SetModified(false);
    }
};

TEST(FormLifecycle, ActivateLoadsWithTheProjectsUnitsAndMarksNothing)
{
    TwoFieldForm f;
    f.project.ProgramData().UnitSystem = SI;
    f.lifecycle.Activate();
    EXPECT_EQ(f.radius.Text(), "1.5");
    EXPECT_EQ(f.length.Text(), "4");
    EXPECT_EQ(f.radius.LabelCaption(), "Radius (m)");
    EXPECT_FALSE(f.project.IsModified());
    f.lifecycle.Changed();
    EXPECT_TRUE(f.project.IsModified());
}

TEST(FormLifecycle, DeactivateStoresEveryFieldOrNothing)
{
    TwoFieldForm f;
    f.lifecycle.Activate();
    int afterStore = 0;
    f.lifecycle.AfterStore = [&] { ++afterStore; };

    // The focused field refuses: the form stays, the model keeps its values.
    f.radius.SetText("2*");
    f.length.SetText("10/4");
    f.prompter.ExpectMessage("Entry could not be evaluated:\rinvalid expression");
    TFormCommitResult r = f.lifecycle.Deactivate(&f.radius);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Refused, &f.radius);
    EXPECT_EQ(f.project.ProgramData().Radius, 1.5L);
    EXPECT_EQ(f.project.ProgramData().LengthX, 4);
    EXPECT_EQ(afterStore, 0);

    // A faulty field that lost the focus refuses as well.
    f.prompter.ExpectMessage("Entry could not be evaluated:\rinvalid expression");
    r = f.lifecycle.Deactivate(&f.length);
    EXPECT_EQ(r.Refused, &f.radius);
    EXPECT_EQ(f.project.ProgramData().LengthX, 4);

    f.radius.SetText("2*3");
    r = f.lifecycle.Deactivate(nullptr);
    EXPECT_TRUE(r.Ok);
    EXPECT_EQ(f.project.ProgramData().Radius, 6);
    EXPECT_EQ(f.project.ProgramData().LengthX, 2.5L);
    EXPECT_EQ(afterStore, 1);
}

TEST(FormLifecycle, CloseIsRefusedOnAnInvalidFieldAndReportedOnce)
{
    TwoFieldForm f;
    f.lifecycle.Activate();
    f.length.SetMaxVal(5);
    f.length.SetText("9");
    f.prompter.ExpectMessage("Entry must be less than or equal to 5");
    EXPECT_FALSE(f.lifecycle.Close(&f.length).Ok);
    EXPECT_EQ(f.closed, 0);
    EXPECT_TRUE(f.lifecycle.Close(&f.length).Ok); // the field now holds its limit
    EXPECT_EQ(f.closed, 1);
    EXPECT_EQ(f.project.ProgramData().LengthX, 5);
}

TEST(MassForm, CalculatorFillsTheFieldsAndTheBaseTakesTheGlobalCentreOnLeaving)
{
    TProject project;
    test::ScriptedPrompter prompter;
    TMassFormLogic form(TMassFormKind::Footing, project, prompter);
    TGridTable& t = project.MassCal;
    t.SetRowCount(2);
    t.Column(0).SetFloat(0, 1);
    t.Column(0).SetFloat(1, 1);
    for (int c = 1; c <= 3; ++c) t.Column(c).SetFloat(1, 2);
    project.SetModified(false);

    form.FormActivate();
    EXPECT_EQ(form.Calculate(), nullptr);
    EXPECT_TRUE(form.Calculated());
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(form.TotalMass.Text(), "2");
    EXPECT_EQ(form.InertiaXX.Text(), "4");
    EXPECT_EQ(form.ProductXY.Text(), "2");
    EXPECT_EQ(form.ProductXZ.Text(), "-2");
    EXPECT_EQ(form.ProductYZ.Text(), "-2");
    EXPECT_EQ(form.CgLocalZ.Text(), "1");
    EXPECT_EQ(form.CbGlobalX.Text(), "-1");
    EXPECT_EQ(form.CbGlobalZ.Text(), "1");
    // Nothing reaches the model before the form is left.
    EXPECT_EQ(project.ProgramData().TotalMass, 0);

    ASSERT_TRUE(form.FormDeactivate(nullptr).Ok);
    const TProgramData& d = project.ProgramData();
    EXPECT_EQ(d.TotalMass, 2);
    EXPECT_EQ(d.ProductXZ, -2);
    EXPECT_EQ(d.BaseX, -1);
    EXPECT_EQ(d.BaseY, -1);
    EXPECT_EQ(d.BaseZ, 1);
}

TEST(MassForm, TypedValuesWithoutTheCalculatorLeaveTheBase)
{
    TProject project;
    test::ScriptedPrompter prompter;
    TMassFormLogic form(TMassFormKind::PileCap, project, prompter);
    EXPECT_STREQ(form.Caption(), "Pile Cap Properties");
    project.ProgramData().BaseX = 7;
    project.ProgramData().CbGlobalX = -3;
    form.FormActivate();
    EXPECT_EQ(form.TotalMass.LabelCaption(), "Total mass (including equipment) of footing (Mg)");
    form.TotalMass.SetText("12.5");
    ASSERT_TRUE(form.FormDeactivate(&form.TotalMass).Ok);
    EXPECT_EQ(project.ProgramData().TotalMass, 12.5L);
    EXPECT_EQ(project.ProgramData().BaseX, 7);
}

TEST(MassForm, AFaultyLocalBaseCentreStopsTheCalculation)
{
    TProject project;
    test::ScriptedPrompter prompter;
    TMassFormLogic form(TMassFormKind::Footing, project, prompter);
    form.FormActivate();
    form.CbLocalY.SetText("q");
    prompter.ExpectMessage("Entry could not be evaluated:\rinvalid character(s) in expression");
    EXPECT_EQ(form.Calculate(), &form.CbLocalY);
    EXPECT_FALSE(form.Calculated());
}

} // namespace
} // namespace quavis
