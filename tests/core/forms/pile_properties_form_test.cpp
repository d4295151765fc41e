#include "forms/pile_properties_form.h"

#include "model/project.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

TEST(PilePropertiesForm, ChoicesShowTheFlagsAndAChangedChoiceSetsItsFlagAndMarksModified)
{
    TProject project;
    test::ScriptedPrompter prompter;
    TProgramData& d = project.ProgramData();
    d.PileHeadFixed = PinnedPileHead;
    d.EndBearing = EndBearingPiles;
    d.PileInteraction = 1;
    d.PileHeadText.clear(); // the file does not hold the texts
    d.PileLength = 12.25L;
    project.SetModified(false);

    TPilePropertiesLogic form(TPilePropertiesKind::Pile, project, prompter);
    form.FormActivate();
    EXPECT_EQ(form.Choices().ComboBox1, "PINNED");
    EXPECT_EQ(form.Choices().ComboBox2, "End-Bearing Piles");
    EXPECT_EQ(form.Choices().ComboBox3, "Yes");
    EXPECT_EQ(form.Fields[7].Text(), "12.25");
    EXPECT_FALSE(project.IsModified());

    form.Choices().ComboBox3Change("No");
    EXPECT_EQ(d.PileInteraction, 0);
    EXPECT_TRUE(project.IsModified());
    form.Choices().ComboBox1Change("FIXED");
    EXPECT_EQ(d.PileHeadFixed, FixedPileHead);
    form.Choices().ComboBox2Change("Something else"); // not in the list: the flag stays
    EXPECT_EQ(d.EndBearing, EndBearingPiles);
    form.Choices().ComboBox2Change("Floating Piles");

    form.Fields[9].SetText("3e12"); // above its limit
    prompter.ExpectMessage("Entry must be less than or equal to 2147483647000");
    EXPECT_FALSE(form.FormDeactivate(&form.Fields[9]).Ok);
    form.Fields[4].SetText("0.3");
    ASSERT_TRUE(form.FormDeactivate(&form.Fields[4]).Ok);
    EXPECT_EQ(d.PilePoisson, 0.3L);
    EXPECT_EQ(d.StaticLoad, 2147483647000.0L);
    EXPECT_EQ(d.EndBearing, FloatingPiles);
}

TEST(PilePropertiesForm, ActivationStoresTheFieldsAsShown)
{
    TProject project;
    test::ScriptedPrompter prompter;
    project.ProgramData().PileLength = 5e9L; // beyond the field's limit
    TPilePropertiesLogic form(TPilePropertiesKind::Multilayer, project, prompter);
    EXPECT_STREQ(form.Caption(), "Foundation Properties");
    EXPECT_FALSE(form.HasChoices());
    form.FormActivate();
    EXPECT_EQ(form.Fields[7].Text(), "2147483647");
    EXPECT_EQ(project.ProgramData().PileLength, 2147483647.0L);
    EXPECT_EQ(form.Fields[8].LabelCaption(), "Cross-sectional coefficient of rigidity");
}

} // namespace
} // namespace quavis
