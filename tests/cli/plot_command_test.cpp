#include "support/cli_runner.h"
#include "support/temp_dir.h"

#include "graph/plot_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace quavis::test {
namespace {

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::string bytes;

    std::uint32_t U32(std::size_t at) const
    {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
        return v;
    }
    // Red, green, blue of pixel (x, y), y from the top; only 24 and 32 bits per pixel.
    std::uint32_t Rgb(int x, int y) const
    {
        const std::size_t stride = (static_cast<std::size_t>(width) * (bitsPerPixel / 8) + 3) / 4 * 4;
        const std::size_t row = static_cast<std::size_t>(height - 1 - y); // stored bottom-up
        const std::size_t at = U32(10) + row * stride + static_cast<std::size_t>(x) * (bitsPerPixel / 8);
        const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(i))); };
        return (b(at + 2) << 16) | (b(at + 1) << 8) | b(at);
    }
};

Bitmap ReadBitmap(const std::filesystem::path& path)
{
    Bitmap bmp;
    bmp.bytes = ReadFileBytes(path);
    if (bmp.bytes.size() < 54 || bmp.bytes.compare(0, 2, "BM") != 0) return bmp;
    bmp.width = static_cast<int>(bmp.U32(18));
    bmp.height = static_cast<int>(bmp.U32(22));
    bmp.bitsPerPixel = static_cast<unsigned char>(bmp.bytes[28]) | (static_cast<unsigned char>(bmp.bytes[29]) << 8);
    return bmp;
}

struct PlotJob {
    TempDir dir;
    std::filesystem::path project;
    explicit PlotJob(bool withPlotData = true)
    {
        project = dir.Write("job.vqd", ReadFileBytes(FixturePath("plotdata_english_job.vqd")));
        if (withPlotData) dir.Write("job.vqp", ReadFileBytes(FixturePath("plotdata_english_job.vqp")));
    }
    std::string Out(const std::string& name) const { return (dir.Path() / name).string(); }
};

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

TEST(PlotCommand, DefaultPictureIsSixByFourInchesAt72PixelsPerInch)
{
    PlotJob job;
    const std::string out = job.Out("kxx.bmp");
    const CliResult r = RunCli({"plot", job.project.string(), "pltRealKXX", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Bitmap bmp = ReadBitmap(out);
    EXPECT_EQ(bmp.width, 432);
    EXPECT_EQ(bmp.height, 288);
    ASSERT_GE(bmp.bitsPerPixel, 24);

    // Laid out at the window's 96 dpi with the picture's 8-point base font: the frame of the data area is
    // black where the layout puts it and the page outside it white.
    const int h = TextUnit(CanvasBaseFontHeight(96), 10);
    const DeviceRect plot = BitmapPlotRect({0, 0, 432, 288}, h, 96, 96, false);
    EXPECT_EQ(bmp.Rgb(0, 0), kWhite);
    EXPECT_EQ(bmp.Rgb(431, 287), kWhite);
    EXPECT_EQ(bmp.Rgb(plot.left, (plot.top + plot.bottom) / 2), kBlack);
    EXPECT_EQ(bmp.Rgb(plot.right, (plot.top + plot.bottom) / 2), kBlack);
    EXPECT_EQ(bmp.Rgb(plot.left + 3, plot.top), kBlack);
    EXPECT_EQ(bmp.Rgb(plot.left - 1, plot.top + 1), kWhite);
}

TEST(PlotCommand, SizeOptionsAndMenuItemNames)
{
    PlotJob job;
    const std::string out = job.Out("resp.bmp");
    const CliResult r =
        RunCli({"plot", job.project.string(), "ForceResponseAmplitude1", out, "--height", "2", "--width", "3.5",
                "--ppi", "100"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const Bitmap bmp = ReadBitmap(out);
    EXPECT_EQ(bmp.width, 350);
    EXPECT_EQ(bmp.height, 200);
}

TEST(PlotCommand, RefusalsWriteNothing)
{
    struct Case {
        std::vector<std::string> extra;
        std::string graph;
        bool withPlotData;
        int exitCode;
    };
    const Case cases[] = {
        {{}, "pltNoSuchGraph", true, 1},
        {{}, "pltRealKXX", false, 1},                 // no results to draw
        {{"--ppi", "9"}, "pltRealKXX", true, 2},      // below the field's minimum
        {{"--height", "1.5"}, "pltRealKXX", true, 2}, // below two inches
    };
    for (const Case& c : cases) {
        PlotJob job(c.withPlotData);
        const std::string out = job.Out("x.bmp");
        std::vector<std::string> args{"plot", job.project.string(), c.graph, out};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.graph << " " << r.err;
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(std::filesystem::exists(out)) << c.graph;
    }
}

} // namespace
} // namespace quavis::test
