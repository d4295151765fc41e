#include "form_test_fixture.h"

#include <fstream>
#include <sstream>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include "components/grid_editor.h"
#include "components/grid_table.h"
#include "entry/data_edit.h"
#include "forms/properties/frm_c_pile_properties.h"
#include "forms/properties/frm_massdata.h"
#include "forms/properties/frm_multimat.h"
#include "forms/properties/frm_nc_pile_properties.h"
#include "model/project.h"
#include "support/recording_editors.h"
#include "support/float_compare.h"

namespace quavis::test {
namespace {

class PropertiesFormsTest : public InputFormTest {};

// ---- Every form: opened from its Data item, loaded from the model, stored on leaving, refusing to close
// on an invalid field, marking the project modified on an edit ----

struct FormCase {
    int type;
    const char* item;
    const char* formClass;
    const char* caption;
    // A field of the form (by control name), its model member and the label it shows in SI units.
    const char* field;
    long double TProgramData::*member;
    const char* siLabel;
    // A text beyond the field's limits and the message it gives, or none.
    const char* beyondLimit;
    const char* limitMessage;
};

std::string CaseName(const ::testing::TestParamInfo<FormCase>& info)
{
    return std::string(info.param.formClass) + "_" + std::to_string(info.param.type);
}

class PropertiesFormCases : public PropertiesFormsTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(PropertiesFormCases, DataItemOpensOneInstanceUntilClosed)
{
    const FormCase& c = GetParam();
    SetType(c.type);
    ExpectOneInstanceUntilClosed(c.item, c.formClass, c.caption);
    EXPECT_FALSE(form->Logic().IsModified());
}

TEST_P(PropertiesFormCases, LoadsInTheProjectsUnitsStoresOnLeavingAndMarksAnEditModified)
{
    const FormCase& c = GetParam();
    SetType(c.type);
    Data().UnitSystem = SI;
    Data().*c.member = 2.5L;
    QMdiSubWindow* window = OpenData(c.item, c.formClass);
    ASSERT_NE(window, nullptr);
    auto* field = window->widget()->findChild<TDataEdit*>(QString::fromLatin1(c.field));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(Text(field), "2.5");
    EXPECT_EQ(Text(field->EditLabel()), c.siLabel);
    EXPECT_FALSE(form->Logic().IsModified());

    Enter(field, QStringLiteral("3*4"));
    EXPECT_TRUE(form->Logic().IsModified());
    EXPECT_EQ(Data().*c.member, 2.5L); // nothing reaches the model before the form is left
    Commit();
    EXPECT_EQ(Data().*c.member, 12);
    EXPECT_EQ(Text(field), "12");
    CloseWindow(window);
    EXPECT_FALSE(form->Logic().IsFormOpen(c.formClass));
}

TEST_P(PropertiesFormCases, AnInvalidFieldRefusesTheCloseWithItsMessage)
{
    const FormCase& c = GetParam();
    SetType(c.type);
    Data().*c.member = 1;
    QMdiSubWindow* window = OpenData(c.item, c.formClass);
    ASSERT_NE(window, nullptr);
    auto* field = window->widget()->findChild<TDataEdit*>(QString::fromLatin1(c.field));
    ASSERT_NE(field, nullptr);

    Enter(field, QStringLiteral("2*"));
    ASSERT_EQ(QApplication::focusWidget(), field);
    prompter.ExpectMessage("Entry could not be evaluated:\rinvalid expression");
    window->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->Logic().IsFormOpen(c.formClass));
    EXPECT_EQ(form->FindChild(c.formClass), window);
    EXPECT_EQ(Data().*c.member, 1);
    EXPECT_EQ(Text(field), "2*"); // kept for correcting

    if (c.beyondLimit) {
        Enter(field, QString::fromLatin1(c.beyondLimit));
        prompter.ExpectMessage(c.limitMessage);
        window->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(form->FindChild(c.formClass), window);
    }
    Enter(field, QStringLiteral("7"));
    CloseWindow(window);
    EXPECT_FALSE(form->Logic().IsFormOpen(c.formClass));
    EXPECT_EQ(Data().*c.member, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PropertiesFormCases,
    ::testing::Values(
        FormCase{HalfSpaceFoundation, "FootingMassParameters1", "TfrmMassdata", "Mass Data", "DataEdit1",
                 &TProgramData::TotalMass, "Total mass (self weight only) of the foundation (Mg)", "3e9",
                 "Entry must be less than or equal to 2147483647"},
        FormCase{MultilayerFoundation, "FootingMassParameters1", "TfrmMassdata", "Mass Data", "DataEdit2",
                 &TProgramData::InertiaXX, "Mass moment of inertia about X-axis (Mg-m^2)", nullptr, nullptr},
        FormCase{PileFoundation, "PilecapDimension1", "TfrmNCPileProperties", "Pile Cap Properties", "DataEdit5",
                 &TProgramData::TotalMass, "Total mass (including equipment) of footing (Mg)", "-3e9",
                 "Entry must be greater than or equal to -2147483648"},
        FormCase{PileFoundation, "PileProperties1", "TfrmCPileProperties", "Pile Properties", "DataEdit10",
                 &TProgramData::StaticLoad, "Static load on foundation (kN)", "1e13",
                 "Entry must be less than or equal to 2147483647000"},
        FormCase{MultilayerFoundation, "FoundationDimensionandConstants1", "TfrmMultimat", "Foundation Properties",
                 "DataEdit3", &TProgramData::BaseZ,
                 "Height of center of gravity of foundation from the base (Zc) (m)", nullptr, nullptr}),
    CaseName);

// ---- Mass forms: the table button and the calculator ----

void FillMassCal(TGridTable& t, const std::vector<std::array<long double, 7>>& rows)
{
    t.SetRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 7; ++c) t.Column(c).SetFloat(static_cast<int>(r), rows[r][static_cast<std::size_t>(c)]);
}

struct MassCase {
    int type;
    const char* item;
    const char* formClass;
};

class MassFormCases : public PropertiesFormsTest, public ::testing::WithParamInterface<MassCase> {};

TEST_P(MassFormCases, TableButtonOpensTheMassComponentsEditor)
{
    const MassCase& c = GetParam();
    SetType(c.type);
    RecordingEditors editors;
    auto* window = OpenForm<TMassFormWindow>(c.item, c.formClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->TableButton()->text().toStdString(), "Input all the mass components");
    window->TableButton()->click();
    ASSERT_EQ(editors.Made.size(), 1u);
    EXPECT_EQ(editors.Made[0].Table, &Project().MassCal);
    Project().MassCal.CloseEditor();
}

TEST_P(MassFormCases, CalculatorFillsTheFormAndTheBaseTakesTheGlobalCentreOnLeaving)
{
    const MassCase& c = GetParam();
    SetType(c.type);
    FillMassCal(Project().MassCal, {{1, 0, 0, 0, 0, 0, 0}, {1, 2, 2, 2, 0, 0, 0}});
    Data().BaseX = 9;
    form->Logic().SetModified(false);
    auto* window = OpenForm<TMassFormWindow>(c.item, c.formClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->CalculateButton()->text().toStdString(), "Calculate mass moment of inertia");
    EXPECT_FALSE(window->Field(MassCgLocalX)->isEnabled());
    EXPECT_FALSE(window->Field(MassCbGlobalZ)->isEnabled());
    EXPECT_TRUE(window->Field(MassCbLocalX)->isEnabled());

    window->CalculateButton()->click();
    EXPECT_TRUE(form->Logic().IsModified());
    const std::pair<TMassField, const char*> shown[] = {
        {MassTotal, "2"},      {MassInertiaXX, "4"},  {MassInertiaZZ, "4"}, {MassProductXY, "2"},
        {MassProductXZ, "-2"}, {MassProductYZ, "-2"}, {MassCgLocalX, "1"},  {MassCgLocalZ, "1"},
        {MassCbGlobalX, "-1"}, {MassCbGlobalY, "-1"}, {MassCbGlobalZ, "1"}};
    for (const auto& [field, text] : shown) EXPECT_EQ(Text(window->Field(field)), text) << field;
    EXPECT_EQ(Data().TotalMass, 0);
    EXPECT_EQ(Data().BaseX, 9);

    Commit();
    EXPECT_EQ(Data().TotalMass, 2);
    EXPECT_EQ(Data().ProductYZ, -2);
    EXPECT_EQ(Data().CgLocalY, 1);
    EXPECT_EQ(Data().BaseX, -1);
    EXPECT_EQ(Data().BaseY, -1);
    EXPECT_EQ(Data().BaseZ, 1);
}

TEST_P(MassFormCases, TypedValuesWithoutTheCalculatorLeaveTheBaseAndAFaultyBaseCentreStopsIt)
{
    const MassCase& c = GetParam();
    SetType(c.type);
    FillMassCal(Project().MassCal, {{4, 1, 1, 1, 0, 0, 0}});
    Data().BaseX = 9;
    Data().CbGlobalX = -3;
    auto* window = OpenForm<TMassFormWindow>(c.item, c.formClass);
    ASSERT_NE(window, nullptr);
    Enter(window->Field(MassTotal), QStringLiteral("12.5"));
    Commit();
    EXPECT_EQ(Data().TotalMass, 12.5L);
    EXPECT_EQ(Data().BaseX, 9);

    // A local base centre that cannot be evaluated is reported and nothing is calculated.
    Enter(window->Field(MassCbLocalY), QStringLiteral("2*"));
    prompter.ExpectMessage("Entry could not be evaluated:\rinvalid expression");
    window->CalculateButton()->click();
    EXPECT_EQ(Text(window->Field(MassTotal)), "12.5");
    EXPECT_FALSE(window->Steps().Calculated());
    Enter(window->Field(MassCbLocalY), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Forms, MassFormCases,
                         ::testing::Values(MassCase{HalfSpaceFoundation, "FootingMassParameters1", "TfrmMassdata"},
                                           MassCase{PileFoundation, "PilecapDimension1", "TfrmNCPileProperties"}),
                         [](const ::testing::TestParamInfo<MassCase>& info) { return std::string(info.param.formClass); });

TEST_F(PropertiesFormsTest, MassFormsNameTheirControlsAsTheirTwinsDo)
{
    SetType(PileFoundation);
    Data().UnitSystem = English;
    auto* cap = OpenForm<TfrmNCPileProperties>("PilecapDimension1", "TfrmNCPileProperties");
    ASSERT_NE(cap, nullptr);
    EXPECT_EQ(cap->findChild<TDataEdit*>(QStringLiteral("DataEdit1")), cap->Field(MassCgLocalX));
    EXPECT_EQ(cap->findChild<TDataEdit*>(QStringLiteral("DataEdit4")), cap->Field(MassCbLocalX));
    EXPECT_EQ(cap->findChild<QPushButton*>(QStringLiteral("Button1")), cap->TableButton());
    EXPECT_EQ(Text(cap->Field(MassCbGlobalX)->EditLabel()), "X-coord. of C.B. (ft)");
}

// ---- Pile properties: the choice boxes ----

TEST_F(PropertiesFormsTest, PileChoicesShowTheFlagsAndAChangeSetsTheFlagAndMarksModified)
{
    SetType(PileFoundation);
    Data().PileHeadFixed = PinnedPileHead;
    Data().EndBearing = EndBearingPiles;
    Data().PileInteraction = 1;
    Data().PileHeadText.clear(); // not held by the project file
    form->Logic().SetModified(false);
    auto* window = OpenForm<TfrmCPileProperties>("PileProperties1", "TfrmCPileProperties");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Text(window->ComboBox(0)), "PINNED");
    EXPECT_EQ(Text(window->ComboBox(1)), "End-Bearing Piles");
    EXPECT_EQ(Text(window->ComboBox(2)), "Yes");
    EXPECT_FALSE(form->Logic().IsModified());

    window->ComboBox(0)->setCurrentIndex(0);
    EXPECT_EQ(Data().PileHeadFixed, FixedPileHead);
    EXPECT_TRUE(form->Logic().IsModified());
    window->ComboBox(1)->setCurrentIndex(0);
    EXPECT_EQ(Data().EndBearing, FloatingPiles);
    window->ComboBox(2)->setCurrentText(QStringLiteral("No"));
    EXPECT_EQ(Data().PileInteraction, 0);
    EXPECT_EQ(Data().InteractionText, "No");
    Commit();
    EXPECT_EQ(Data().PileInteraction, 0);
    EXPECT_EQ(Data().PileHeadFixed, FixedPileHead);

    // What was chosen reaches the project file: no interaction, no "INTERACTION" line.
    const std::string path = (projects.Path() / "piles.vqd").string();
    prompter.ExpectSaveFile(path);
    OpenMenu("FileMenu");
    Click("FileSaveAs");
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    ASSERT_FALSE(text.str().empty());
    EXPECT_EQ(text.str().find("INTERACTION"), std::string::npos);
}

TEST_F(PropertiesFormsTest, PileFormShowsItsGroupNoteAndChoiceLabels)
{
    SetType(PileFoundation);
    Data().UnitSystem = English;
    auto* window = OpenForm<TfrmCPileProperties>("PileProperties1", "TfrmCPileProperties");
    ASSERT_NE(window, nullptr);
    std::vector<std::string> labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) labels.push_back(label->text().toStdString());
    for (const char* expected : {"(use 1.334 for solid circular sections; use 1.52 for rectangular sections)",
                                 "The connection between the pile cap and pile head",
                                 "Select either floating piles or  end-bearing piles",
                                 "Consider the interaction of pile-soil-pile ", "X Coordinate (Xc)  (ft)",
                                 "&Elastic modulus of the pile  (lbs/ft^2)"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end()) << expected;
    // The multilayer twin has no choices.
    SetType(MultilayerFoundation);
    auto* multimat = OpenForm<TfrmMultimat>("FoundationDimensionandConstants1", "TfrmMultimat");
    ASSERT_NE(multimat, nullptr);
    EXPECT_TRUE(multimat->findChildren<QComboBox*>().isEmpty());
    EXPECT_EQ(Text(multimat->Field(8)->EditLabel()), "Cross-sectional coefficient of rigidity");
}

TEST_F(PropertiesFormsTest, ActivationStoresTheFieldsAsShownAndAUnitSwitchReloadsTheOpenForms)
{
    SetType(PileFoundation);
    Data().UnitSystem = English;
    Data().BaseX = 10;
    Data().TotalMass = 3;
    // A value with more digits than a field shows: the model takes the shown value at once.
    const long double third = 1.0L / 3;
    Data().PileDamping = third;
    auto* cap = OpenForm<TfrmNCPileProperties>("PilecapDimension1", "TfrmNCPileProperties");
    ASSERT_NE(cap, nullptr);
    auto* pile = OpenForm<TfrmCPileProperties>("PileProperties1", "TfrmCPileProperties");
    ASSERT_NE(pile, nullptr);
    EXPECT_EQ(Text(pile->Field(0)), "10");
    EXPECT_EQ(Data().PileDamping, pile->Field(5)->Number());
    EXPECT_NE(Data().PileDamping, third);
    EXPECT_FALSE(form->Logic().IsModified());

    OpenMenu("DataMenu");
    Click("SIUnits");
    QCoreApplication::processEvents();
    // Both forms are reloaded in the new system, the active one and the one behind it.
    EXPECT_NEAR(static_cast<double>(pile->Field(0)->Number()), 3.048, 1e-9);
    EXPECT_EQ(Text(pile->Field(0)->EditLabel()), "X Coordinate (Xc)  (m)");
    EXPECT_NEAR(static_cast<double>(cap->Field(MassTotal)->Number()), static_cast<double>(Data().TotalMass), 1e-12);
    EXPECT_EQ(Text(cap->Field(MassTotal)->EditLabel()), "Total mass (including equipment) of footing (Mg)");
}

// The frame goes while a closed form still waits for its deferred deletion (as when the program ends
// right after closing it): the window goes with the frame without reporting to the logic that is gone
// already (the sanitizer build catches such a use).
TEST_F(PropertiesFormsTest, AFormClosedJustBeforeTheMainWindowGoesGoesWithIt)
{
    SetType(HalfSpaceFoundation);
    QPointer<QMdiSubWindow> window = OpenData("FootingMassParameters1", "TfrmMassdata");
    ASSERT_FALSE(window.isNull());
    window->close();
    EXPECT_FALSE(window.isNull()); // closed, not yet deleted
    form.reset();
    EXPECT_TRUE(window.isNull());
}

// A unit switch chosen from the menu while a form is active: the form shows the converted numbers, and
// leaving it afterwards never stores the old system's numbers into the converted model. The two forms
// that the unit switch does not reload by name are the ones at risk.
struct SwitchCase {
    int type;
    const char* item;
    const char* formClass;
    const char* field;
    long double TProgramData::*member;
};

class UnitSwitchCases : public PropertiesFormsTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(UnitSwitchCases, TheActiveFormShowsAndKeepsTheConvertedNumbers)
{
    const SwitchCase& c = GetParam();
    SetType(c.type);
    Data().UnitSystem = English;
    Data().*c.member = 10;
    QMdiSubWindow* window = OpenData(c.item, c.formClass);
    ASSERT_NE(window, nullptr);
    auto* field = window->widget()->findChild<TDataEdit*>(QString::fromLatin1(c.field));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(Text(field), "10");

    OpenMenu("DataMenu");
    Click("SIUnits");
    QCoreApplication::processEvents();
    const long double converted = Data().*c.member;
    ASSERT_NE(converted, 10);
    // The field shows 18 digits of the converted value.
    EXPECT_NEAR_REL(field->Number(), converted, 1e-15L);
    Commit();
    EXPECT_NEAR_REL(Data().*c.member, converted, 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, UnitSwitchCases,
    ::testing::Values(SwitchCase{HalfSpaceFoundation, "FootingMassParameters1", "TfrmMassdata", "DataEdit1",
                                 &TProgramData::TotalMass},
                      SwitchCase{MultilayerFoundation, "FoundationDimensionandConstants1", "TfrmMultimat",
                                 "DataEdit3", &TProgramData::BaseZ}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.formClass); });

} // namespace
} // namespace quavis::test
