// The numeric entry field as the user meets it: typed expressions, Enter and the operator keys, the exit
// check's failures with their messages and the focus put back, integer-only and hexadecimal fields and the
// companion label.
#include <cmath>
#include <string>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include "entry/data_edit.h"
#include "support/scripted_prompter.h"

namespace quavis::test {
namespace {

class DataEditTest : public ::testing::Test {
protected:
    DataEditTest()
    {
        auto* layout = new QVBoxLayout(&window);
        label = new QLabel(&window);
        edit = new TDataEdit(prompter, &window);
        other = new QLineEdit(&window);
        layout->addWidget(label);
        layout->addWidget(edit);
        layout->addWidget(other);
        edit->SetEditLabel(label);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QCoreApplication::processEvents();
    }

    // Typed character by character, as from the keyboard.
    void Type(const std::string& text)
    {
        for (char c : text) {
            const QString s(QChar::fromLatin1(c));
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, s);
            QCoreApplication::sendEvent(edit, &press);
        }
    }
    void Enter()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QCoreApplication::sendEvent(edit, &press);
    }
    // The user tabs to the next field.
    void Leave()
    {
        ASSERT_EQ(QApplication::focusWidget(), edit);
        other->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    ScriptedPrompter prompter;
    QWidget window;
    QLabel* label = nullptr;
    TDataEdit* edit = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(DataEditTest, TypedExpressionBecomesItsValueOnEnter)
{
    edit->selectAll();
    Type("2*pi");
    EXPECT_EQ(edit->text(), "2*pi");
    Enter();
    EXPECT_EQ(edit->text(), "6.28318530717958648");
    EXPECT_NEAR(static_cast<double>(edit->Number()), 2 * M_PI, 1e-15);
    // Enter leaves the whole text selected, ready for the next entry.
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_TRUE(edit->Rules().IsValid());
    EXPECT_TRUE(prompter.Records().empty());
}

TEST_F(DataEditTest, OperatorAfterSelectAllExtendsTheValue)
{
    edit->SetNumber(10);
    edit->selectAll();
    Type("*2");
    EXPECT_EQ(edit->text(), "10*2");
    Enter();
    EXPECT_EQ(edit->text(), "20");

    // Any other key replaces the selected value.
    edit->selectAll();
    Type("7");
    EXPECT_EQ(edit->text(), "7");
}

TEST_F(DataEditTest, ExitCheckFailuresReportAndReturnTheFocus)
{
    struct Case {
        const char* name;
        long double minVal, maxVal;
        bool integerOnly;
        const char* typed;
        const char* textAfter;
        const char* message;
    };
    const Case cases[] = {
        {"above max", -1e9L, 100, false, "150", "100", "Entry must be less than or equal to 100"},
        {"below min", 5, 1e9L, false, "2", "5", "Entry must be greater than or equal to 5"},
        {"fraction", -1e9L, 1e9L, true, "2.5", "2.5", "Entry must be an integer."},
        {"not a number, integer field", -1e9L, 1e9L, true, "abc", "abc", "Entry must be a valid integer."},
        {"not a number", -1e9L, 1e9L, false, "abc", "abc",
         "Entry could not be evaluated:\rinvalid character(s) in expression"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit->SetIntegerOnly(c.integerOnly);
        edit->SetMinVal(c.minVal);
        edit->SetMaxVal(c.maxVal);
        edit->SetNumber(c.minVal > 0 ? c.minVal : 0);
        edit->setFocus();
        QCoreApplication::processEvents();
        edit->selectAll();
        Type(c.typed);
        prompter.ExpectMessage(std::string(c.message));
        Leave();
        EXPECT_EQ(edit->text().toStdString(), c.textAfter);
        EXPECT_FALSE(edit->Rules().IsValid());
        EXPECT_EQ(QApplication::focusWidget(), edit);
        prompter.VerifyAllAnswered();
    }
}

TEST_F(DataEditTest, ValidateRunsTheSameCheck)
{
    edit->SetMaxVal(100);
    edit->setText("120");
    prompter.ExpectMessage(std::string("Entry must be less than or equal to 100"));
    EXPECT_FALSE(edit->Validate());
    EXPECT_EQ(edit->text(), "100");
    // The corrected field now passes.
    EXPECT_TRUE(edit->Validate());
    edit->setText("40+2");
    EXPECT_TRUE(edit->Validate());
    EXPECT_EQ(edit->text(), "42");
}

TEST_F(DataEditTest, MinValAboveTheNumberMovesItUp)
{
    edit->SetNumber(3);
    edit->SetMinVal(8);
    EXPECT_EQ(edit->text(), "8");
    EXPECT_EQ(edit->Number(), 8.0L);
}

TEST_F(DataEditTest, HexFieldsShowAndTakeHexadecimal)
{
    edit->SetHex(true);
    edit->SetNumber(255);
    EXPECT_EQ(edit->text(), "$00FF");
    edit->selectAll();
    Type("$1F");
    Enter();
    EXPECT_EQ(edit->text(), "$001F");
    EXPECT_EQ(edit->Number(), 31.0L);
}

TEST_F(DataEditTest, LabelShowsCaptionWithTheUnitsOfTheSystem)
{
    struct Case {
        int units;
        const char* unitsString;
        const char* label;
    };
    const Case cases[] = {
        {1, "F6", "Total mass (slug)"},
        {2, "F6", "Total mass (Mg)"},
        {2, "F/L2^3", "Total mass (kN/m^3)"},
        {1, "L", "Total mass (in)"},
        {7, "F6-L2^2", "Total mass (F6-L2^2)"}, // beyond 3: the string as written
        {1, "", "Total mass"},
    };
    edit->SetCaption("Total mass");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unitsString);
        edit->SetUnitsString(c.unitsString);
        edit->SetUnits(c.units);
        EXPECT_EQ(label->text().toStdString(), c.label);
    }
    EXPECT_EQ(label->buddy(), edit);
    edit->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    edit->setEnabled(true);
    EXPECT_TRUE(label->isEnabled());
}

TEST_F(DataEditTest, TypingReportsAChange)
{
    int changes = 0;
    edit->SetMaxVal(3);
    QObject::connect(edit, &TDataEdit::Changed, [&] { ++changes; });
    edit->selectAll();
    Type("5");
    EXPECT_GE(changes, 1);
    const int typed = changes;
    // The check's correction to the limit is a change too.
    prompter.ExpectMessage(std::string("Entry must be less than or equal to 3"));
    Enter();
    EXPECT_EQ(edit->text(), "3");
    EXPECT_GT(changes, typed);
}

} // namespace
} // namespace quavis::test
