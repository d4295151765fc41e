#include "forms/layout_form.h"
#include "forms/title_form.h"

#include "model/project.h"

#include <gtest/gtest.h>

#include <string>

namespace quavis {
namespace {

TEST(TitleForm, MarksModifiedOnlyWhenTheTitleChangesAndHoldsEightyCharacters)
{
    TProject project;
    project.ProgramData().Title = "Pump foundation";
    project.SetModified(false);
    TTitleFormLogic form(project);
    int closed = 0;
    form.OnClosed = [&] { ++closed; };
    form.FormActivate();
    EXPECT_EQ(form.Memo(), "Pump foundation");
    form.FormClose();
    EXPECT_FALSE(project.IsModified());
    EXPECT_EQ(closed, 1);

    form.FormActivate();
    form.SetMemo(std::string(85, 'x'));
    EXPECT_EQ(form.Memo().size(), 80u);
    form.FormDeactivate();
    EXPECT_EQ(project.ProgramData().Title, std::string(80, 'x'));
    EXPECT_TRUE(project.IsModified());
}

TEST(TitleForm, KeepsTheTitleOnOneLineAndCountsCharactersNotBytes)
{
    TProject project;
    TTitleFormLogic form(project);
    form.SetMemo("Pump\r\nfoundation\nline\rthree");
    EXPECT_EQ(form.Memo(), "Pump foundation line three");

    std::string accented;
    for (int i = 0; i < 81; ++i) accented += "\xc3\xa9"; // U+00E9, two bytes each
    form.SetMemo(accented);
    EXPECT_EQ(form.Memo(), accented.substr(0, 160));
}

TEST(LayoutForm, ChoosingAnotherTypeSetsItAndMarksModifiedOnLeaving)
{
    TProject project;
    project.SetModified(false);
    TLayoutFormLogic form(project);
    int committed = 0;
    form.OnTypeCommitted = [&] { ++committed; };
    form.FormActivate();
    EXPECT_EQ(form.ComboText(), "HALF-SPACE");
    form.ComboBox1Change("PILE");
    EXPECT_EQ(project.ProgramData().FoundationType, PileFoundation);
    EXPECT_EQ(form.PictureFile("/opt/quavis/"), "/opt/quavis/pile.bmp");
    EXPECT_FALSE(project.IsModified());
    form.FormDeactivate();
    EXPECT_EQ(project.ProgramData().FoundationKeyword, "PILE");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(committed, 1);

    // Choosing the type the project already has changes nothing.
    project.SetModified(false);
    form.FormActivate();
    form.ComboBox1Change("MULTILAYER");
    form.ComboBox1Change("PILE");
    form.FormDeactivate();
    EXPECT_FALSE(project.IsModified());

    // A text that names no type leaves the type and has no picture.
    form.ComboBox1Change("PILES");
    EXPECT_EQ(project.ProgramData().FoundationType, PileFoundation);
    EXPECT_EQ(form.PictureFile("/opt/quavis"), "");
    EXPECT_EQ(TLayoutFormLogic::PictureLeft(301, 100), 100); // 100.5 to the nearest, halves to even
    EXPECT_EQ(TLayoutFormLogic::PictureLeft(300, 100), 100);
}

} // namespace
} // namespace quavis
