#include "form_test_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "entry/data_edit.h"
#include "shell/dlg_options_window.h"

namespace quavis::test {
namespace {

class ControlOptionsTest : public InputFormTest {};

TEST_F(ControlOptionsTest, AFocusedNumericFieldThatFailsRefusesTheCloseWithItsMessage)
{
    OpenMenu("DataMenu");
    Click("OptionsControl");
    QMdiSubWindow* window = form->FindChild("TDlgOptions");
    ASSERT_NE(window, nullptr);
    auto* options = qobject_cast<TDlgOptionsWindow*>(window->widget());
    ASSERT_NE(options, nullptr);
    auto* field = new TDataEdit(prompter, options);
    field->SetMaxVal(100);
    options->AddNumericField(field, field->Rules());
    field->show();
    options->EdtWord()->setText(QStringLiteral("/opt/editor"));

    field->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), field);
    Type(field, QStringLiteral("150"));
    prompter.ExpectMessage("Entry must be less than or equal to 100");
    window->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->FindChild("TDlgOptions"), window);
    EXPECT_TRUE(form->Logic().IsFormOpen("TDlgOptions"));
    EXPECT_EQ(field->text().toStdString(), "100"); // the limit put in, as when the field is left

    // The field now passes: the dialog closes and writes the path.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form->Logic().IsFormOpen("TDlgOptions"));
    EXPECT_TRUE(form->MdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(form->Logic().Settings().WordProcessorPath, "/opt/editor");
}

TEST_F(ControlOptionsTest, WithoutAFocusedNumericFieldTheDialogClosesAtOnce)
{
    OpenMenu("DataMenu");
    Click("OptionsControl");
    QMdiSubWindow* window = form->FindChild("TDlgOptions");
    ASSERT_NE(window, nullptr);
    auto* options = qobject_cast<TDlgOptionsWindow*>(window->widget());
    auto* field = new TDataEdit(prompter, options);
    options->AddNumericField(field, field->Rules());
    field->Rules().SetText("2*"); // faulty, but not the focused control
    options->EdtWord()->setFocus(Qt::OtherFocusReason);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form->Logic().IsFormOpen("TDlgOptions"));
}

} // namespace
} // namespace quavis::test
