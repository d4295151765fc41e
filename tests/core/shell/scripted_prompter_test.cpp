#include "support/scripted_prompter.h"

#include "shell/memory_settings_store.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace quavis {
namespace {

using test::ScriptedPrompter;

TEST(ScriptedPrompter, AnswersInOrderAndRecordsEveryPrompt)
{
    ScriptedPrompter prompter;
    prompter.ExpectYesNoCancel(TPromptAnswer::No, "Save?")
        .ExpectMessage("Done")
        .ExpectSaveFile("/tmp/x.vqd")
        .ExpectYesNo(TPromptAnswer::Yes);
    EXPECT_EQ(prompter.AskYesNoCancel("Save?"), TPromptAnswer::No);
    prompter.ShowMessage("Done", TMessageKind::Warning);
    TFileDialogRequest request;
    request.Title = "Save As";
    EXPECT_EQ(prompter.AskSaveFileName(request), std::optional<std::string>("/tmp/x.vqd"));
    EXPECT_EQ(prompter.AskYesNo("Sure?"), TPromptAnswer::Yes);
    EXPECT_EQ(prompter.PendingCount(), 0u);
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"Save?", "Done", "Sure?"}));
    ASSERT_EQ(prompter.Records().size(), 4u);
    EXPECT_EQ(prompter.Records()[1].Kind, TMessageKind::Warning);
    EXPECT_EQ(prompter.Records()[2].Request.Title, "Save As");
}

TEST(ScriptedPrompter, FailsOnWhatItWasNotToldToExpect)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            EXPECT_EQ(prompter.AskYesNoCancel("Unexpected"), TPromptAnswer::Cancel);
        },
        "Unexpected Yes/No/Cancel question");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.ExpectMessage("Right text");
            prompter.ShowMessage("Wrong text", TMessageKind::Information);
        },
        "instead of \"Right text\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.ExpectOpenFile("/x");
            EXPECT_EQ(prompter.AskSaveFileName({}), std::nullopt);
            prompter.VerifyAllAnswered();
        },
        "but got a save dialog");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter prompter;
            prompter.ExpectMessage("Never shown");
        },
        "never shown");
}

TEST(MemorySettingsStore, TypesAndFailures)
{
    TMemorySettingsStore store;
    EXPECT_FALSE(store.GroupExists());
    EXPECT_EQ(store.ReadString("Absent"), "");
    EXPECT_EQ(store.ReadInteger("Absent", 7), 7);
    store.WriteInteger("Count", 3);
    store.WriteString("Name", "x");
    EXPECT_TRUE(store.GroupExists());
    EXPECT_EQ(store.ReadInteger("Count", 0), 3);
    EXPECT_THROW(store.ReadString("Count"), ESettingsError);
    EXPECT_THROW(store.ReadInteger("Name", 0), ESettingsError);
    store.SetReadOnly(true);
    EXPECT_THROW(store.WriteString("Name", "y"), ESettingsError);
    EXPECT_EQ(store.ReadString("Name"), "x");
    EXPECT_EQ(store.WriteCount(), 2);
}

} // namespace
} // namespace quavis
