#include "shell/dlg_options.h"

#include "components/data_edit_rules.h"
#include "model/program_data.h"
#include "shell/memory_settings_store.h"
#include "shell/program_settings.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

TEST(ControlOptionsClose, AFocusedNumericFieldThatFailsKeepsTheDialogOpen)
{
    TMemorySettingsStore store;
    TProgramSettings settings(store);
    TProgramData data;
    test::ScriptedPrompter prompter;
    TDlgOptions dialog(settings, [&data]() -> TProgramData& { return data; }, prompter);
    int closed = 0;
    dialog.OnClosed = [&closed] { ++closed; };
    dialog.FormActivate();
    dialog.EdtWord = "/opt/editor";
    dialog.CheckBox1 = false; // the model holds 1 until the dialog writes it

    TDataEditRules field;
    field.SetMaxVal(10);
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{"3+", "Entry could not be evaluated:\rinvalid expression"},
                          Case{"11", "Entry must be less than or equal to 10"}}) {
        field.SetText(c.text);
        prompter.ExpectMessage(c.message);
        EXPECT_FALSE(dialog.FormClose(&field)) << c.text;
        EXPECT_EQ(closed, 0) << c.text;
        EXPECT_EQ(settings.WordProcessorPath, DefaultWordProcessorPath) << c.text;
        EXPECT_EQ(data.WriteMatrix, 1) << c.text;
    }
    // The failed limit check put the limit into the field: now it passes and the dialog closes.
    EXPECT_TRUE(dialog.FormClose(&field));
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(settings.WordProcessorPath, "/opt/editor");
    EXPECT_EQ(data.WriteMatrix, 0);
}

} // namespace
} // namespace quavis
