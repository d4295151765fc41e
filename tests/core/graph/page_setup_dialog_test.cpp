#include "graph/page_setup_dialog.h"
#include "plot_printers.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quavis {
namespace {

TEST(TPageSetupDialog, NewComponentDefaults)
{
    const TPageSetupDialog d;
    EXPECT_EQ(d.Options(), (TPageOptions{poDefaultMinMargins, poHundredthsOfMillimeters}));
    EXPECT_EQ(d.DialogFlags(), 0x8u);
    EXPECT_EQ(d.Margins(), PageMargins{});
    EXPECT_EQ(d.MinMargins(), PageMargins{});
}

TEST(TPageSetupDialog, NewlyAddedMemberOfEachPairWins)
{
    struct Case {
        TPageOptions start;
        TPageOptions set;
        TPageOptions expected;
        std::uint32_t flags;
    };
    const Case cases[] = {
        {{poDefaultMinMargins, poHundredthsOfMillimeters}, {poMinMargins, poDefaultMinMargins}, {poMinMargins}, 0x1},
        {{poDefaultMinMargins, poThousandthsOfInches},
         {poHundredthsOfMillimeters, poThousandthsOfInches},
         {poHundredthsOfMillimeters},
         0x8},
        {{poMinMargins}, {poDefaultMinMargins, poMinMargins}, {poDefaultMinMargins}, 0x0},
        {{}, // both members new: the default minimum margins and millimetres win
         {poDefaultMinMargins, poMinMargins, poHundredthsOfMillimeters, poThousandthsOfInches},
         {poDefaultMinMargins, poHundredthsOfMillimeters},
         0x8},
        {{},
         {poDisableMargins, poMargins, poDisableOrientation, poDisablePaper, poDisablePrinter, poThousandthsOfInches},
         {poDisableMargins, poMargins, poDisableOrientation, poDisablePaper, poDisablePrinter, poThousandthsOfInches},
         0x336},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n++);
        TPageSetupDialog d;
        d.SetOptions(TPageOptions{});
        d.SetOptions(c.start);
        d.SetOptions(c.set);
        EXPECT_EQ(d.Options(), c.expected);
        EXPECT_EQ(d.DialogFlags(), c.flags);
    }
}

TEST(TPageSetupDialog, MarginsNeverBelowTheirMinimums)
{
    TPageSetupDialog d;
    d.SetMarginLeft(1000);
    d.SetMinMarginLeft(750);
    d.SetMarginLeft(500);
    EXPECT_EQ(d.MarginLeft(), 750);
    d.SetMarginLeft(1000);
    d.SetMinMarginLeft(2000);
    EXPECT_EQ(d.MinMarginLeft(), 1000);

    // Each side has its own pair.
    d.SetMarginTop(300);
    d.SetMinMarginTop(400);
    d.SetMarginRight(200);
    d.SetMarginBottom(-5);
    EXPECT_EQ(d.Margins(), (PageMargins{1000, 300, 200, 0}));
    EXPECT_EQ(d.MinMargins(), (PageMargins{1000, 300, 0, 0}));
}

class FakeHost : public TPageSetupHost {
public:
    PageSetupReply reply;
    bool fail = false;
    PageSetupRequest seen;
    std::vector<std::string> messages;
    PageSetupReply RunPageSetup(const PageSetupRequest& request) override
    {
        seen = request;
        if (fail) throw std::runtime_error("no printer driver");
        return reply;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

class PageSetupExecute : public ::testing::Test {
protected:
    void SetUp() override
    {
        d.SetOptions({poDefaultMinMargins, poThousandthsOfInches});
        for (auto set : {&TPageSetupDialog::SetMarginLeft, &TPageSetupDialog::SetMarginTop,
                         &TPageSetupDialog::SetMarginRight, &TPageSetupDialog::SetMarginBottom})
            (d.*set)(1000);
        d.SetMinMarginLeft(500);
        d.SetMinMarginBottom(250);
    }
    TPageSetupDialog d;
    FakeHost host;
};

TEST_F(PageSetupExecute, ConfirmedKeepsPaperAndRaisesLowMargins)
{
    host.reply = {true, 8500, 11000, {100, 2000, 300, 400}};
    EXPECT_TRUE(d.Execute(host));
    EXPECT_EQ(host.seen.flags, 0x4u | kPageSetupEnableHook);
    EXPECT_EQ(host.seen.margins, (PageMargins{1000, 1000, 1000, 1000}));
    EXPECT_EQ(host.seen.minMargins, (PageMargins{500, 0, 0, 250}));
    EXPECT_EQ(d.PaperWidth(), 8500);
    EXPECT_EQ(d.PaperLength(), 11000);
    EXPECT_EQ(d.Margins(), (PageMargins{500, 2000, 300, 400}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PageSetupExecute, CancelChangesNothing)
{
    host.reply = {false, 8500, 11000, {1, 2, 3, 4}};
    EXPECT_FALSE(d.Execute(host));
    EXPECT_EQ(d.PaperWidth(), 0);
    EXPECT_EQ(d.PaperLength(), 0);
    EXPECT_EQ(d.Margins(), (PageMargins{1000, 1000, 1000, 1000}));
}

TEST_F(PageSetupExecute, FailureIsReportedAndGivesFalse)
{
    host.fail = true;
    EXPECT_FALSE(d.Execute(host));
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Error in TPageSetupDialog.Execute\rno printer driver"}));
    EXPECT_EQ(d.Margins(), (PageMargins{1000, 1000, 1000, 1000}));
}

TEST(CenterDialogPosition, CentredAtOneThirdOfTheHeight)
{
    EXPECT_EQ(CenterDialogPosition({1920, 1080}, {400, 300}), (DevicePoint{760, 260}));
    EXPECT_EQ(CenterDialogPosition({1001, 1000}, {400, 299}), (DevicePoint{300, 233}));
}

} // namespace
} // namespace quavis
