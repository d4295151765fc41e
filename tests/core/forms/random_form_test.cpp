#include "forms/random_form.h"

#include <gtest/gtest.h>

#include "components/grid_table.h"
#include "loading_form_fixture.h"

namespace quavis {
namespace {

TEST(RandomForm, EachFieldEditsItsOwnMember)
{
    const auto& fields = TRandomFormLogic::Fields();
    test::TLoadingFormFields form(fields);
    TProgramData& d = form.Project.ProgramData();
    d.RandomMaxFrequency = 50;
    d.RandomMinFrequency = 0.5L;
    d.PointCount = 256;
    d.ObservationPeriod = 10.24L;
    d.LoadTypeCount = 2;
    form.Lifecycle.Activate();
    const struct {
        const char* Name;
        const char* Shown;
        const char* Label;
        const char* Typed;
    } cases[] = {
        {"DataEdit1", "50", "Maximum frequency (Hz)", "60"},
        {"DataEdit2", "0.5", "Minimum frequency (Hz)", "1"},
        {"DataEdit3", "256", "Number of points to be read", "512"},
        {"DataEdit4", "10.24", "Observation period (sec)", "20.48"},
        {"DataEdit5", "2", "Number of spectrum", "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TDataEditRules& field = form.Field(fields, c.Name);
        EXPECT_EQ(field.Text(), c.Shown);
        EXPECT_EQ(field.LabelCaption(), c.Label);
        field.SetText(c.Typed);
    }
    ASSERT_TRUE(form.Lifecycle.Deactivate(nullptr).Ok);
    EXPECT_EQ(d.RandomMaxFrequency, 60);
    EXPECT_EQ(d.RandomMinFrequency, 1);
    EXPECT_EQ(d.PointCount, 512);
    EXPECT_EQ(d.ObservationPeriod, 20.48L);
    EXPECT_EQ(d.LoadTypeCount, 3);
}

TEST(RandomForm, AtLeastOneSpectrumStartingAtOne)
{
    const auto& fields = TRandomFormLogic::Fields();
    test::TLoadingFormFields form(fields);
    TDataEditRules& spectra = form.Field(fields, "DataEdit5");
    EXPECT_EQ(spectra.Text(), "1");
    EXPECT_TRUE(spectra.IntegerOnly());

    // A new project holds no spectrum: the form shows, and stores, the least it accepts.
    TProgramData& d = form.Project.ProgramData();
    d.LoadTypeCount = 0;
    form.Lifecycle.Activate();
    EXPECT_EQ(spectra.Text(), "1");
    ASSERT_TRUE(form.Lifecycle.Deactivate(nullptr).Ok);
    EXPECT_EQ(d.LoadTypeCount, 1);

    spectra.SetText("0");
    form.Prompter.ExpectMessage("Entry must be greater than or equal to 1");
    EXPECT_FALSE(form.Lifecycle.Deactivate(&spectra).Ok);
    EXPECT_EQ(spectra.Text(), "1");

    TDataEditRules& points = form.Field(fields, "DataEdit3");
    points.SetText("2147483648");
    form.Prompter.ExpectMessage("Entry must be less than or equal to 2147483647");
    EXPECT_FALSE(form.Lifecycle.Deactivate(&points).Ok);
}

TEST(RandomForm, TheDataButtonOpensTheRandomLoadingTable)
{
    test::RecordingEditors editors;
    TProject project;
    TRandomFormLogic::Button1Click(project);
    ASSERT_EQ(editors.Made.size(), 1u);
    EXPECT_EQ(editors.Made[0].Table, &project.Trandom);
    EXPECT_EQ(editors.Shown, 1);
}

} // namespace
} // namespace quavis
