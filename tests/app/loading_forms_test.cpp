#include "form_test_fixture.h"

#include <algorithm>
#include <fstream>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "components/grid_editor.h"
#include "components/grid_table.h"
#include "entry/data_edit.h"
#include "forms/loading/loading_data_form.h"
#include "model/project.h"
#include "support/recording_editors.h"

namespace quavis::test {
namespace {

// How the user reaches a form: the loading type, then the data item (in its submenu, if any).
struct OpenSteps {
    const char* loadingItem;
    const char* item;
    const char* subMenu;
    const char* formClass;
};

struct LoadingCase {
    OpenSteps open;
    const char* caption;
    // A field (by control name), its model member (real or integer) and its label in SI units.
    const char* field;
    long double TProgramData::*real;
    int32_t TProgramData::*integer;
    const char* siLabel;
    // An entry the field refuses and its message.
    const char* refused;
    const char* message;
};

std::string CaseName(const ::testing::TestParamInfo<LoadingCase>& info) { return info.param.open.formClass; }

class LoadingFormsTest : public InputFormTest {
protected:

    // Chooses the loading type and the data item as the user does; returns the form's window.
    QMdiSubWindow* OpenData(const OpenSteps& c)
    {
        OpenMenu("DataMenu");
        OpenMenu("OptionofLoading1");
        Click(c.loadingItem);
        OpenMenu("DataMenu");
        if (c.subMenu) OpenMenu(c.subMenu);
        Click(c.item);
        QCoreApplication::processEvents();
        return form->FindChild(c.formClass);
    }

    long double Get(const LoadingCase& c) { return c.real ? Data().*c.real : Data().*c.integer; }
    void Set(const LoadingCase& c, long double x)
    {
        if (c.real)
            Data().*c.real = x;
        else
            Data().*c.integer = static_cast<int32_t>(x);
    }
};

class LoadingFormCases : public LoadingFormsTest, public ::testing::WithParamInterface<LoadingCase> {};

TEST_P(LoadingFormCases, OpensOnceForEveryFoundationTypeUntilClosed)
{
    const LoadingCase& c = GetParam();
    for (int type : {HalfSpaceFoundation, PileFoundation, StratumFoundation, MultilayerFoundation}) {
        SCOPED_TRACE(type);
        Data().FoundationType = type;
        Data().FoundationKeyword = FoundationKeywordOf(type);
        QMdiSubWindow* window = OpenData(c.open);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle().toStdString(), c.caption);
        EXPECT_EQ(OpenData(c.open), window);
        EXPECT_EQ(form->MdiArea()->subWindowList().size(), 1);
        EXPECT_TRUE(form->Logic().IsFormOpen(c.open.formClass));
        CloseWindow(window);
        EXPECT_FALSE(form->Logic().IsFormOpen(c.open.formClass));
        EXPECT_TRUE(form->MdiArea()->subWindowList().isEmpty());
    }
}

TEST_P(LoadingFormCases, LoadsInTheProjectsUnitsStoresOnLeavingAndMarksAnEditModified)
{
    const LoadingCase& c = GetParam();
    Data().UnitSystem = SI;
    Set(c, 5);
    form->Logic().SetModified(false);
    QMdiSubWindow* window = OpenData(c.open);
    ASSERT_NE(window, nullptr);
    auto* field = window->widget()->findChild<TDataEdit*>(QString::fromLatin1(c.field));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(Text(field), "5");
    EXPECT_EQ(Text(field->EditLabel()), c.siLabel);
    // Choosing the loading type and the form is no edit of the project's values.
    form->Logic().SetModified(false);

    Enter(field, QStringLiteral("3*4"));
    EXPECT_TRUE(form->Logic().IsModified());
    EXPECT_EQ(Get(c), 5); // nothing reaches the model before the form is left
    Commit();
    EXPECT_EQ(Get(c), 12);
    EXPECT_EQ(Text(field), "12");
    CloseWindow(window);
}

TEST_P(LoadingFormCases, AFieldItRefusesKeepsTheFormOpenWithItsMessage)
{
    const LoadingCase& c = GetParam();
    Set(c, 2);
    QMdiSubWindow* window = OpenData(c.open);
    ASSERT_NE(window, nullptr);
    auto* field = window->widget()->findChild<TDataEdit*>(QString::fromLatin1(c.field));
    ASSERT_NE(field, nullptr);

    for (const auto& [typed, message] : {std::pair<QString, std::string>{QStringLiteral("2*"), ""},
                                         std::pair<QString, std::string>{QString::fromLatin1(c.refused), c.message}}) {
        SCOPED_TRACE(typed.toStdString());
        Enter(field, typed);
        ASSERT_EQ(QApplication::focusWidget(), field);
        prompter.ExpectMessage(message.empty() ? (field->Rules().IntegerOnly()
                                                      ? std::string("Entry must be a valid integer.")
                                                      : std::string("Entry could not be evaluated:\rinvalid expression"))
                                               : message);
        window->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(form->FindChild(c.open.formClass), window);
        EXPECT_TRUE(form->Logic().IsFormOpen(c.open.formClass));
        EXPECT_EQ(Get(c), 2);
    }
    Enter(field, QStringLiteral("7"));
    CloseWindow(window);
    EXPECT_FALSE(form->Logic().IsFormOpen(c.open.formClass));
    EXPECT_EQ(Get(c), 7);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LoadingFormCases,
    ::testing::Values(
        LoadingCase{{"HarmonicLoading1", "NonQuadratic1", "HarmonicLoadingData1", "Tfrmharmonic"},
                    "Harmonic Loading Data, NonQuadratic", "DataEdit8", &TProgramData::MomentY, nullptr,
                    "Moment about Y-axis (kN-m)", "3e9", "Entry must be less than or equal to 2147483647"},
        LoadingCase{{"HarmonicLoading1", "Quadratic1", "HarmonicLoadingData1", "TfrmQuad"},
                    "Harmonic Loading Data, Quadratic", "DataEdit9", &TProgramData::MomentZ, nullptr,
                    "Moment Coefficient about Z-axis (Mg-m^2)", "-3e9",
                    "Entry must be greater than or equal to -2147483648"},
        LoadingCase{{"TransientLoading1", "TransientLoadingData1", nullptr, "Tfrmtransient"}, "Transient Loading Data",
                    "DataEdit1", nullptr, &TProgramData::PointCount, "Number of points ", "2.5",
                    "Entry must be an integer."},
        LoadingCase{{"RandomLoading1", "RandomLoadingData1", nullptr, "Tfrmrandom"}, "Tansient Loading Data",
                    "DataEdit5", nullptr, &TProgramData::LoadTypeCount, "Number of spectrum", "0",
                    "Entry must be greater than or equal to 1"}),
    CaseName);

// ---- What single forms do ----

TEST_F(LoadingFormsTest, TheHarmonicItemsSetTheQuadraticFlag)
{
    const OpenSteps quad{"HarmonicLoading1", "Quadratic1", "HarmonicLoadingData1", "TfrmQuad"};
    const OpenSteps plain{"HarmonicLoading1", "NonQuadratic1", "HarmonicLoadingData1", "Tfrmharmonic"};
    ASSERT_NE(OpenData(quad), nullptr);
    EXPECT_EQ(Data().QuadraticLoading, 1);
    ASSERT_NE(OpenData(plain), nullptr);
    EXPECT_EQ(Data().QuadraticLoading, 0);
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 2);
}

TEST_F(LoadingFormsTest, AUnitSwitchRelabelsAndReloadsAnOpenForm)
{
    Data().UnitSystem = SI;
    Data().ForceX = 1;
    Data().LoadPointZ = 2;
    QMdiSubWindow* window = OpenData({"HarmonicLoading1", "NonQuadratic1", "HarmonicLoadingData1", "Tfrmharmonic"});
    ASSERT_NE(window, nullptr);
    auto* force = window->widget()->findChild<TDataEdit*>(QStringLiteral("DataEdit4"));
    auto* point = window->widget()->findChild<TDataEdit*>(QStringLiteral("DataEdit12"));
    ASSERT_TRUE(force && point);
    EXPECT_EQ(Text(point->EditLabel()), "Z-coordinate (m)");
    // The load point stands in its group.
    auto* group = window->widget()->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title().toStdString(), "Point of Application of Load");
    EXPECT_TRUE(group->isAncestorOf(point));
    EXPECT_FALSE(group->isAncestorOf(force));

    OpenMenu("DataMenu");
    OpenMenu("OptionsUnits");
    Click("EnglishUnits");
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(force->EditLabel()), "Force in X-direction (lbs)");
    EXPECT_EQ(Text(point->EditLabel()), "Z-coordinate (ft)");
    EXPECT_NEAR(static_cast<double>(force->Number()), 224.8089237, 1e-6);
    EXPECT_NEAR(static_cast<double>(point->Number()), 2 * 3.280839895, 1e-8);
}

TEST_F(LoadingFormsTest, WhatIsTypedInAHarmonicFormReachesTheProjectFile)
{
    const struct {
        OpenSteps open;
        const char* keyword;
    } cases[] = {
        {{"HarmonicLoading1", "NonQuadratic1", "HarmonicLoadingData1", "Tfrmharmonic"}, "NONQUADRATIC "},
        {{"HarmonicLoading1", "Quadratic1", "HarmonicLoadingData1", "TfrmQuad"}, "QUADRATIC "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.open.formClass);
        QMdiSubWindow* window = OpenData(c.open);
        ASSERT_NE(window, nullptr);
        const std::pair<const char*, const char*> typed[] = {
            {"DataEdit1", "10"}, {"DataEdit2", "1"},   {"DataEdit3", "1/2"},   {"DataEdit4", "100"},
            {"DataEdit6", "-2.5"}, {"DataEdit8", "7"}, {"DataEdit12", "-3/2"},
        };
        for (const auto& [name, text] : typed) {
            auto* field = window->widget()->findChild<TDataEdit*>(QString::fromLatin1(name));
            ASSERT_NE(field, nullptr) << name;
            Enter(field, QString::fromLatin1(text));
        }
        const std::string path = (projects.Path() / (std::string(c.open.formClass) + ".vqd")).string();
        if (Data().FileName == "NewData.vqd")
            prompter.ExpectSaveFile(path);
        else
            Data().FileName = path;
        OpenMenu("FileMenu"); // commits the form
        Click("FileSave");

        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path;
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line, '\n');)
            lines.push_back(line);
        const auto block = std::find(lines.begin(), lines.end(), std::string(c.keyword) + "\r");
        ASSERT_NE(block, lines.end());
        ASSERT_GE(lines.end() - block, 5);
        EXPECT_EQ(block[1], "62.8 6.28 3.14 \r");
        EXPECT_EQ(block[2], "100 0 -2.5 \r");
        EXPECT_EQ(block[3], "0 7 0 \r");
        EXPECT_EQ(block[4], "0 0 -1.5 \r");
        CloseWindow(window);
    }
}

TEST_F(LoadingFormsTest, TheDataButtonsOpenTheirTables)
{
    struct TCase {
        OpenSteps open;
        TGridTable* table;
        const char* note;
    };
    const TCase cases[] = {
        {{"TransientLoading1", "TransientLoadingData1", nullptr, "Tfrmtransient"}, &Project().TLoadtype,
         "Enter load type and load amplitude by clicking the right button"},
        {{"RandomLoading1", "RandomLoadingData1", nullptr, "Tfrmrandom"}, &Project().Trandom,
         "Enter spectrum coordinates and spectrum amplitude by clicking the right button "},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.open.formClass);
        RecordingEditors editors;
        QMdiSubWindow* window = OpenData(c.open);
        ASSERT_NE(window, nullptr);
        auto* button = window->widget()->findChild<QPushButton*>(QStringLiteral("Button1"));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), "Data Button");
        EXPECT_EQ(Text(window->widget()->findChild<QLabel*>(QStringLiteral("Note1"))), c.note);
        button->click();
        ASSERT_EQ(editors.Made.size(), 1u);
        EXPECT_EQ(editors.Made[0].Table, c.table);
        EXPECT_FALSE(editors.Made[0].Modal);
        EXPECT_EQ(editors.Shown, 1);
        c.table->CloseEditor();
        CloseWindow(window);
    }
}

TEST_F(LoadingFormsTest, TheQuadraticFormShowsItsNote)
{
    QMdiSubWindow* window = OpenData({"HarmonicLoading1", "Quadratic1", "HarmonicLoadingData1", "TfrmQuad"});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Text(window->widget()->findChild<QLabel*>(QStringLiteral("Note1"))),
              "Note: Force (or Moment) is equal to the  Force (Moment)  Coefficient ");
    EXPECT_EQ(Text(window->widget()->findChild<QLabel*>(QStringLiteral("Note2"))), "times the square of the frequency.");
}

TEST_F(LoadingFormsTest, ANewProjectShowsAtLeastOneSpectrumAndStoresIt)
{
    ASSERT_EQ(Data().LoadTypeCount, 0);
    QMdiSubWindow* window = OpenData({"RandomLoading1", "RandomLoadingData1", nullptr, "Tfrmrandom"});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Text(window->widget()->findChild<TDataEdit*>(QStringLiteral("DataEdit5"))), "1");
    Commit();
    EXPECT_EQ(Data().LoadTypeCount, 1);
}

// The quadratic form is made with the main window, hidden; the first project closes it like every child.
class QuadraticFormAtStartUp : public MainFormTest {};

TEST_F(QuadraticFormAtStartUp, ExistsHiddenUntilTheFirstProjectReplacesTheModel)
{
    form = std::make_unique<TMainForm>(Services());
    QMdiSubWindow* window = form->FindChild("TfrmQuad");
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(form->Logic().IsFormOpen("TfrmQuad"));

    form->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->FindChild("TfrmQuad"), nullptr);
    EXPECT_FALSE(form->Logic().IsFormOpen("TfrmQuad"));
    EXPECT_TRUE(form->MdiArea()->subWindowList().isEmpty());
}

} // namespace
} // namespace quavis::test
