#include "form_test_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "entry/data_edit.h"
#include "forms/system/foundations_form_window.h"
#include "forms/system/layout_form_window.h"
#include "forms/system/shape_form_window.h"
#include "forms/system/tipsoil_form_window.h"
#include "forms/system/title_dialog.h"
#include "support/float_compare.h"

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

class SystemFormsTest : public InputFormTest {
protected:
    void SetUp() override
    {
        for (const char* picture : {"halfspace.bmp", "pile.bmp", "stratum.bmp", "multilayer.bmp"})
            fs::copy_file(fs::path(QUAVIS_PROGRAM_FOLDER_PATH) / picture, programFolder.Path() / picture);
        InputFormTest::SetUp();
    }

    QImage Picture(const char* name) const
    {
        return QImage(QString::fromStdString((programFolder.Path() / name).string())).convertToFormat(QImage::Format_RGB32);
    }
};

struct OpenCase {
    int type;
    const char* item;
    const char* formClass;
    const char* caption;
};

class SystemFormsOpen : public SystemFormsTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(SystemFormsOpen, DataItemOpensOneInstanceUntilClosed)
{
    const OpenCase& c = GetParam();
    SetType(c.type);
    ExpectOneInstanceUntilClosed(c.item, c.formClass, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Items, SystemFormsOpen,
    ::testing::Values(OpenCase{HalfSpaceFoundation, "DataTitle", "TdlgTitle", "Project Title"},
                      OpenCase{PileFoundation, "OptionofFoundationSystem1", "TfrmLayout", "Foundation Options"},
                      OpenCase{HalfSpaceFoundation, "OptionofFoundationShape1", "TfrmShape", "Foundation Shape"},
                      OpenCase{MultilayerFoundation, "OptionofFoundationShape1", "TfrmShape", "Foundation Shape"},
                      OpenCase{PileFoundation, "PileCapShapeDimension1", "TfrmShape", "Foundation Shape"},
                      OpenCase{HalfSpaceFoundation, "FoundationDimensionandConstants1", "TfrmFoundations",
                               "Foundation Data"},
                      OpenCase{StratumFoundation, "FoundationDimensionandConstants1", "TfrmFoundations",
                               "Foundation Data"},
                      OpenCase{PileFoundation, "SoilDataBelowFoundationTip1", "TfrmTipsoil",
                               "Soil Below The Footing"},
                      OpenCase{StratumFoundation, "SoilDataBelowFoundationTip1", "TfrmTipsoil",
                               "Soil Below The Footing"}),
    [](const ::testing::TestParamInfo<OpenCase>& info) {
        return std::string(info.param.item) + "_" + std::to_string(info.param.type);
    });

// One field of each numeric form, loaded, edited, stored and refused.
struct FieldCase {
    int type;
    const char* item;
    const char* formClass;
    std::size_t field;
    long double TProgramData::*member;
    const char* typed;
    long double stored;
};

class SystemFormsFields : public SystemFormsTest, public ::testing::WithParamInterface<FieldCase> {
protected:
    TDataEdit* Field(QMdiSubWindow* window, std::size_t index)
    {
        QWidget* widget = window->widget();
        if (auto* shape = dynamic_cast<TfrmShape*>(widget)) return shape->DataEdit(index);
        if (auto* foundations = dynamic_cast<TfrmFoundations*>(widget)) return foundations->DataEdit(index);
        if (auto* tipsoil = dynamic_cast<TfrmTipsoil*>(widget)) return tipsoil->DataEdit(index);
        return nullptr;
    }
};

TEST_P(SystemFormsFields, LoadFromTheModelStoreOnLeavingAndRefuseToCloseOnAFaultyEntry)
{
    const FieldCase& c = GetParam();
    SetType(c.type);
    Data().ShapeCircular = c.field == 0 ? CircularShape : RectangularShape;
    Data().*c.member = 2.5L;
    QMdiSubWindow* window = OpenData(c.item, c.formClass);
    ASSERT_NE(window, nullptr);
    TDataEdit* field = Field(window, c.field);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), QStringLiteral("2.5"));
    EXPECT_FALSE(form->Logic().IsModified());

    Enter(field, QString::fromLatin1(c.typed));
    EXPECT_TRUE(form->Logic().IsModified());
    EXPECT_EQ(Data().*c.member, 2.5L); // not before the form is left
    Commit();
    EXPECT_EQ(Data().*c.member, c.stored);
    EXPECT_EQ(field->text().toStdString(), TDataEditRules::FormatValue(c.stored, false));

    Enter(field, QStringLiteral("3*("));
    TDataEditRules faulty;
    faulty.SetText("3*(");
    const std::string message = faulty.ExitCheck().Message;
    ASSERT_FALSE(message.empty());
    prompter.ExpectMessage(message);
    CloseWindow(window);
    ASSERT_EQ(form->FindChild(c.formClass), window);
    EXPECT_TRUE(form->Logic().IsFormOpen(c.formClass));
    EXPECT_EQ(field->text(), QStringLiteral("3*("));
    EXPECT_EQ(Data().*c.member, c.stored);
    prompter.VerifyAllAnswered();

    Enter(field, QStringLiteral("1"));
    CloseWindow(window);
    EXPECT_FALSE(form->Logic().IsFormOpen(c.formClass));
    EXPECT_EQ(Data().*c.member, 1.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SystemFormsFields,
    ::testing::Values(
        FieldCase{HalfSpaceFoundation, "OptionofFoundationShape1", "TfrmShape", 0, &TProgramData::Radius, "2*3", 6},
        FieldCase{PileFoundation, "PileCapShapeDimension1", "TfrmShape", 2, &TProgramData::WidthY, "1e10", 1e10L},
        FieldCase{StratumFoundation, "FoundationDimensionandConstants1", "TfrmFoundations", 4,
                  &TProgramData::BedrockDepth, "40+2", 42},
        FieldCase{HalfSpaceFoundation, "FoundationDimensionandConstants1", "TfrmFoundations", 0,
                  &TProgramData::BaseX, "-7/2", -3.5L},
        FieldCase{PileFoundation, "SoilDataBelowFoundationTip1", "TfrmTipsoil", 1, &TProgramData::BelowUnitWeight,
                  "120", 120},
        FieldCase{MultilayerFoundation, "SoilDataBelowFoundationTip1", "TfrmTipsoil", 3, &TProgramData::BelowDamping,
                  "0.05", 0.05L}),
    [](const ::testing::TestParamInfo<FieldCase>& info) {
        return std::string(info.param.formClass) + "_" + std::to_string(info.index);
    });

// The main window does not reload these forms after a unit switch; while one stays active it must not
// store its old-unit numbers into the converted model.
TEST_F(SystemFormsTest, UnitSwitchWhileAFormIsActiveKeepsTheConvertedValues)
{
    struct Case {
        int type;
        const char* item;
        const char* formClass;
        std::size_t field;
        long double TProgramData::*member;
    };
    for (const Case& c : {Case{PileFoundation, "SoilDataBelowFoundationTip1", "TfrmTipsoil", 1,
                               &TProgramData::BelowUnitWeight},
                          Case{StratumFoundation, "FoundationDimensionandConstants1", "TfrmFoundations", 4,
                               &TProgramData::BedrockDepth}}) {
        SCOPED_TRACE(c.formClass);
        SetType(c.type);
        form->Logic().Project().ChangeUnitSystem(English);
        Data().*c.member = 100;
        QMdiSubWindow* window = OpenData(c.item, c.formClass);
        ASSERT_NE(window, nullptr);
        auto* data = dynamic_cast<TDataForm*>(window->widget());
        ASSERT_NE(data, nullptr);
        TDataEdit* field = data->Fields().at(c.field);
        OpenMenu("DataMenu");
        OpenMenu("OptionsUnits");
        Click("SIUnits");
        const double converted = static_cast<double>(Data().*c.member);
        ASSERT_NE(converted, 100.0);
        Commit();
        // The fields hold 18 significant digits: the value comes back to within its last bits.
        EXPECT_NEAR_REL(static_cast<double>(Data().*c.member), converted, 1e-15);
        EXPECT_EQ(field->Rules().Units(), SI);
        CloseWindow(window);
        EXPECT_NEAR_REL(static_cast<double>(Data().*c.member), converted, 1e-15);
    }
}

TEST_F(SystemFormsTest, FirstFieldRefusesAValueBeyondItsLimitAndTakesTheLimit)
{
    TfrmTipsoil* tipsoil = OpenForm<TfrmTipsoil>("SoilDataBelowFoundationTip1", "TfrmTipsoil");
    ASSERT_NE(tipsoil, nullptr);
    Enter(tipsoil->DataEdit(0), QStringLiteral("3e9"));
    prompter.ExpectMessage("Entry must be less than or equal to 2147483647");
    Commit();
    EXPECT_EQ(tipsoil->DataEdit(0)->text(), QStringLiteral("2147483647"));
    EXPECT_EQ(Data().BelowShearWaveVelocity, 0.0L);
    Commit();
    EXPECT_EQ(Data().BelowShearWaveVelocity, 2147483647.0L);
}

TEST_F(SystemFormsTest, ShapeButtonsSwitchTheFieldsAndTheModelAtOnce)
{
    form->Logic().Project().ChangeUnitSystem(English);
    Data().LengthX = 12;
    Data().WidthY = 8;
    form->Logic().SetModified(false);
    TfrmShape* shape = OpenForm<TfrmShape>("OptionofFoundationShape1", "TfrmShape");
    ASSERT_NE(shape, nullptr);
    EXPECT_TRUE(shape->RadioButton1()->isChecked());
    EXPECT_FALSE(shape->RadioButton2()->isChecked());
    EXPECT_TRUE(shape->DataEdit(0)->isHidden());
    EXPECT_TRUE(shape->LabelOf(shape->DataEdit(0))->isHidden());
    EXPECT_FALSE(shape->DataEdit(1)->isHidden());
    EXPECT_EQ(shape->LabelOf(shape->DataEdit(1))->text(), QStringLiteral("Length x,  (ft)"));

    shape->RadioButton2()->click();
    EXPECT_EQ(Data().ShapeCircular, CircularShape);
    EXPECT_TRUE(form->Logic().IsModified());
    EXPECT_FALSE(shape->RadioButton1()->isChecked());
    EXPECT_FALSE(shape->DataEdit(0)->isHidden());
    EXPECT_TRUE(shape->DataEdit(1)->isHidden());
    EXPECT_TRUE(shape->LabelOf(shape->DataEdit(2))->isHidden());
    Enter(shape->DataEdit(0), QStringLiteral("4"));

    shape->RadioButton1()->click();
    Commit();
    EXPECT_EQ(Data().ShapeCircular, RectangularShape);
    EXPECT_EQ(Data().Radius, 4.0L);
    EXPECT_EQ(Data().LengthX, 12.0L);
    EXPECT_EQ(shape->DataEdit(2)->text(), QStringLiteral("8"));
}

TEST_F(SystemFormsTest, ShapeWithoutAPageMakesTheFormHiddenWithNeitherButtonChecked)
{
    Data().ShapeCircular = 2;
    QMdiSubWindow* window = OpenData("OptionofFoundationShape1", "TfrmShape");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(form->Logic().IsFormOpen("TfrmShape"));
    EXPECT_TRUE(window->isHidden());
    auto* shape = dynamic_cast<TfrmShape*>(window->widget());
    ASSERT_NE(shape, nullptr);
    EXPECT_FALSE(shape->RadioButton1()->isChecked());
    EXPECT_FALSE(shape->RadioButton2()->isChecked());
    EXPECT_TRUE(shape->DataEdit(0)->isHidden());
    EXPECT_EQ(Data().ShapeCircular, 2);
}

TEST_F(SystemFormsTest, ShapeFormFollowsAUnitSwitchWhileOpen)
{
    form->Logic().Project().ChangeUnitSystem(English);
    Data().LengthX = 10;
    TfrmShape* shape = OpenForm<TfrmShape>("OptionofFoundationShape1", "TfrmShape");
    ASSERT_NE(shape, nullptr);
    OpenMenu("DataMenu");
    OpenMenu("OptionsUnits");
    Click("SIUnits");
    EXPECT_EQ(shape->LabelOf(shape->DataEdit(1))->text(), QStringLiteral("Length x,  (m)"));
    EXPECT_EQ(shape->DataEdit(1)->text().toStdString(), TDataEditRules::FormatValue(Data().LengthX, false));
    EXPECT_NEAR(static_cast<double>(Data().LengthX), 3.048, 1e-9);
}

TEST_F(SystemFormsTest, FoundationFormShowsTheDepthsOnlyForAStratum)
{
    SetType(HalfSpaceFoundation);
    auto* foundations = OpenForm<TfrmFoundations>("FoundationDimensionandConstants1", "TfrmFoundations");
    ASSERT_NE(foundations, nullptr);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(foundations->DataEdit(i)->isHidden(), i >= 3) << i;
        EXPECT_EQ(foundations->LabelOf(foundations->DataEdit(i))->isHidden(), i >= 3) << i;
    }
    CloseWindow(form->FindChild("TfrmFoundations"));

    SetType(StratumFoundation);
    form->Logic().Project().ChangeUnitSystem(English);
    foundations = OpenForm<TfrmFoundations>("FoundationDimensionandConstants1", "TfrmFoundations");
    ASSERT_NE(foundations, nullptr);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_FALSE(foundations->DataEdit(i)->isHidden()) << i;
    EXPECT_EQ(foundations->LabelOf(foundations->DataEdit(3))->text(),
              QStringLiteral("Depth from ground surface to base of foundation (ft)"));
}

TEST_F(SystemFormsTest, LayoutFormCommitsTheTypeAndTheDataMenuFollowsOnLeaving)
{
    SetType(HalfSpaceFoundation);
    QMdiSubWindow* title = OpenData("DataTitle", "TdlgTitle");
    auto* layout = OpenForm<TfrmLayout>("OptionofFoundationSystem1", "TfrmLayout");
    ASSERT_NE(layout, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(layout->ComboBox1()->currentText(), QStringLiteral("HALF-SPACE"));
    EXPECT_EQ(layout->Image1()->pixmap().toImage().convertToFormat(QImage::Format_RGB32), Picture("halfspace.bmp"));
    EXPECT_FALSE(form->Action("PileProperties1")->isEnabled());

    layout->ComboBox1()->setCurrentText(QStringLiteral("PILE"));
    EXPECT_EQ(layout->Image1()->pixmap().toImage().convertToFormat(QImage::Format_RGB32), Picture("pile.bmp"));
    // Centred on the form.
    const QRect picture(layout->Image1()->mapTo(layout, QPoint(0, 0)), layout->Image1()->size());
    EXPECT_LE(std::abs(picture.center().x() - layout->width() / 2), 1);

    // Leaving the form for another window commits the type; the pile items follow without the menu.
    form->MdiArea()->setActiveSubWindow(title);
    QCoreApplication::processEvents();
    EXPECT_EQ(Data().FoundationKeyword, "PILE");
    EXPECT_EQ(Data().FoundationType, PileFoundation);
    EXPECT_TRUE(form->Logic().IsModified());
    EXPECT_TRUE(form->Action("PileProperties1")->isEnabled());
    EXPECT_TRUE(form->Action("PileGroupArrangement1")->isEnabled());

    // The same type again on a pile project is no change.
    form->Logic().SetModified(false);
    form->MdiArea()->setActiveSubWindow(form->FindChild("TfrmLayout"));
    layout->ComboBox1()->setCurrentText(QStringLiteral("STRATUM"));
    layout->ComboBox1()->setCurrentText(QStringLiteral("PILE"));
    CloseWindow(form->FindChild("TfrmLayout"));
    EXPECT_FALSE(form->Logic().IsModified());
    EXPECT_FALSE(form->Logic().IsFormOpen("TfrmLayout"));
}

TEST_F(SystemFormsTest, LayoutFormReportsAMissingPictureAndKeepsThePreviousOne)
{
    fs::remove(programFolder.Path() / "stratum.bmp");
    auto* layout = OpenForm<TfrmLayout>("OptionofFoundationSystem1", "TfrmLayout");
    ASSERT_NE(layout, nullptr);
    const std::string missing = (programFolder.Path() / "stratum.bmp").string();
    prompter.ExpectMessage(TLayoutFormLogic::PictureError(missing));
    layout->ComboBox1()->setCurrentText(QStringLiteral("STRATUM"));
    EXPECT_EQ(layout->Image1()->pixmap().toImage().convertToFormat(QImage::Format_RGB32), Picture("halfspace.bmp"));
    Commit();
    EXPECT_EQ(Data().FoundationType, StratumFoundation);
}

TEST_F(SystemFormsTest, TitleDialogTakesOneLineOfEightyCharactersAndMarksOnlyAChange)
{
    Data().Title = "Pump";
    form->Logic().SetModified(false);
    QMdiSubWindow* window = OpenData("DataTitle", "TdlgTitle");
    ASSERT_NE(window, nullptr);
    auto* title = dynamic_cast<TdlgTitle*>(window->widget());
    ASSERT_NE(title, nullptr);
    QPlainTextEdit* memo = title->TitleMemo();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Pump"));
    Commit();
    EXPECT_FALSE(form->Logic().IsModified());

    memo->setFocus(Qt::OtherFocusReason);
    memo->moveCursor(QTextCursor::End);
    Type(memo, QStringLiteral(" station"));
    PressKey(memo, Qt::Key_Return);
    Type(memo, QString(90, QLatin1Char('x')));
    EXPECT_EQ(memo->toPlainText().size(), 80);
    EXPECT_FALSE(memo->toPlainText().contains(QLatin1Char('\n')));
    CloseWindow(window);
    EXPECT_EQ(Data().Title, "Pump station" + std::string(68, 'x'));
    EXPECT_TRUE(form->Logic().IsModified());
    EXPECT_FALSE(form->Logic().IsFormOpen("TdlgTitle"));
}

} // namespace
} // namespace quavis::test
