#include "support/cli_runner.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include "model/project.h"
#include "views/side_view.h"
#include "views/top_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace quavis::test {
namespace {

std::uint32_t Big32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(b.at(at + i));
    return v;
}

std::uint32_t Little(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b.at(at + static_cast<std::size_t>(i)));
    return v;
}

// Red, green and blue of pixel (x, y), y from the top, of a 24- or 32-bit BMP.
std::uint32_t BmpRgb(const std::string& b, int x, int y)
{
    const int width = static_cast<int>(Little(b, 18, 4));
    const int height = static_cast<int>(Little(b, 22, 4));
    const int bytesPerPixel = static_cast<int>(Little(b, 28, 2)) / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    const std::size_t at = Little(b, 10, 4) + static_cast<std::size_t>(height - 1 - y) * stride +
                           static_cast<std::size_t>(x) * bytesPerPixel;
    return Little(b, at, 3);
}

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kButtonFace = 0xF0F0F0;
constexpr std::uint32_t kBlack = 0x000000;

// Three piles of radius 0.3 at (0, 0), (2.5, 0) and (0, 2.5), the first battered in the XZ plane.
struct ViewJob {
    TempDir dir;
    std::filesystem::path project = dir.Write("piles.vqd", ReadFileBytes(FixturePath("pile_battered.vqd")));
    std::string Out(const std::string& name) const { return (dir.Path() / name).string(); }
};

TEST(ViewCommand, PictureHasTheWindowsClientSize)
{
    const struct {
        const char* kind;
        std::uint32_t width, height;
    } cases[] = {{"top", 610, 392}, {"xz", 727, 590}, {"yz", 727, 590}};
    ViewJob job;
    for (const auto& c : cases) {
        const std::string out = job.Out(std::string(c.kind) + ".png");
        const CliResult r = RunCli({"view", c.kind, job.project.string(), out});
        ASSERT_EQ(r.exitCode, 0) << c.kind << ": " << r.err;
        const std::string png = ReadFileBytes(out);
        ASSERT_GE(png.size(), 24u) << c.kind;
        EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << c.kind;
        EXPECT_EQ(png.substr(12, 4), "IHDR") << c.kind;
        EXPECT_EQ(Big32(png, 16), c.width) << c.kind;
        EXPECT_EQ(Big32(png, 20), c.height) << c.kind;
    }
}

TEST(ViewCommand, TopViewFillsEveryPileOnWhite)
{
    ViewJob job;
    const std::string out = job.Out("top.bmp");
    const CliResult r = RunCli({"view", "top", job.project.string(), out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string bmp = ReadFileBytes(out);
    ASSERT_GE(bmp.size(), 54u);
    ASSERT_EQ(bmp.substr(0, 2), "BM");

    TProject project;
    project.CreateFromFile(job.project.string());
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    view.Resize(610, 392);
    ASSERT_TRUE(view.Activate(project, prompter));
    ASSERT_EQ(view.Discs().size(), 3u);
    const TViewWindow& w = view.Window();
    for (const TTopViewGeometry::TDisc& d : view.Discs()) {
        const int x = MapToPixel(d.X, w.Left, w.Right, 610);
        const int y = MapToPixel(d.Y, w.Top, w.Bottom, 392);
        EXPECT_EQ(BmpRgb(bmp, x, y), kBlack) << "pile at " << static_cast<double>(d.X) << ", " << static_cast<double>(d.Y);
    }
    EXPECT_EQ(BmpRgb(bmp, 2, 2), kWhite);
    EXPECT_EQ(BmpRgb(bmp, 607, 389), kWhite);
}

TEST(ViewCommand, SideViewDrawsThePilesOnButtonFace)
{
    ViewJob job;
    const std::string out = job.Out("xz.bmp");
    const CliResult r = RunCli({"view", "xz", job.project.string(), out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string bmp = ReadFileBytes(out);
    ASSERT_GE(bmp.size(), 54u);

    TProject project;
    project.CreateFromFile(job.project.string());
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    view.Resize(727, 590);
    ASSERT_TRUE(view.Activate(project, prompter));
    ASSERT_EQ(view.Elements().size(), 3u);
    const TViewWindow& w = view.Window();
    for (const TSideViewGeometry::TElement& e : view.Elements()) {
        // Halfway down each pile, between its two sides.
        const long double x = (e.P0.X + e.P1.X + e.P2.X + e.P3.X) / 4, z = (e.P0.Z + e.P2.Z) / 2;
        EXPECT_EQ(BmpRgb(bmp, MapToPixel(x, w.Left, w.Right, 727), MapToPixel(z, w.Top, w.Bottom, 590)), kBlack);
    }
    // Right of every pile and label, below the last layer line.
    EXPECT_EQ(BmpRgb(bmp, 720, 585), kButtonFace);
}

TEST(ViewCommand, Errors)
{
    ViewJob job;
    const std::string out = job.Out("none.png");
    const CliResult unknownView = RunCli({"view", "front", job.project.string(), out});
    EXPECT_EQ(unknownView.exitCode, 2);
    const CliResult missing = RunCli({"view", "top", job.Out("missing.vqd"), out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    const CliResult unwritable = RunCli({"view", "top", job.project.string(), job.Out("no/such/folder/top.png")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("Cannot write"), std::string::npos) << unwritable.err;
}

} // namespace
} // namespace quavis::test
