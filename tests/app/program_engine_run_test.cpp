// The desktop program with the real engine library: Run Analysis on an example project, then the
// Graphics menu.

#include "app_fixture.h"

#include "graph/graph_plot.h"
#include "graph/plot_form.h"
#include "results/plot_data_reader.h"
#include "shell/analysis_run.h"

#include <QMdiArea>

#include <filesystem>

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

fs::path Example(const std::string& name)
{
    return fs::path(QUAVIS_FIXTURES_DIR).parent_path().parent_path() / "assets" / "examples" / name;
}

class ProgramEngineRunTest : public MainFormTest {
protected:
    TPlotForm* PlotOf(const char* graphName)
    {
        TGraphPlot* g = form->Logic().Project().ResultGraphs().Find(graphName);
        auto* h = g ? dynamic_cast<TPlotWindowHandleQt*>(g->PlotWindow()) : nullptr;
        return h ? h->Form() : nullptr;
    }
};

TEST_F(ProgramEngineRunTest, RunAnalysisOfTheEmbeddedExampleThenTheGraphicsMenu)
{
    RegisterPlotWindows();
    // The program folder holds a copy of the built engine, as an installation does.
    fs::copy_file(fs::path(QUAVIS_PROGRAM_FOLDER_PATH) / EngineLibraryFileName, programFolder / EngineLibraryFileName);
    const fs::path project = projects / "footing_embedded.vqd";
    fs::copy_file(Example("footing_embedded.vqd"), project);
    Start({project.string()});
    EXPECT_FALSE(form->Logic().ResultsLoaded());

    prompter.ExpectMessage(ComputationsCompletedMessage);
    OpenMenu("ComputationMenu");
    Click("CompRun");
    QCoreApplication::processEvents();

    ASSERT_TRUE(form->Logic().ResultsLoaded());
    EXPECT_FALSE(form->Run().LibraryLoaded());
    const TResultGraphs& graphs = form->Logic().Project().ResultGraphs();
    EXPECT_EQ(graphs.pltRealKXX.LineCount(), 3);
    EXPECT_EQ(graphs.pltRealKXX.CurvePointCount(), 391);
    EXPECT_EQ(graphs.pltDxyzR.CurvePointCount(), 391);
    EXPECT_GT(graphs.pltRealKWW.PointAt(0, 0).Y, 0.0L);
    EXPECT_TRUE(fs::exists(fs::path(project).replace_extension(".vqo")));

    OpenMenu("GraphicsMenu");
    for (const char* item : {"mrealKxx", "mRealKppx", "mdampCXX", "mDampCppx", "ForceResponseAmplitude1",
                             "MomentResponseAmplitude1", "FootingResponseAmplitudeDisplacement1"})
        EXPECT_TRUE(form->Action(item)->isEnabled()) << item;
    Click("mrealKxx");
    Click("ForceResponseAmplitude1");
    QCoreApplication::processEvents();
    ASSERT_NE(PlotOf("pltRealKXX"), nullptr);
    ASSERT_NE(PlotOf("pltDxyzR"), nullptr);
    EXPECT_EQ(&PlotOf("pltDxyzR")->Graph(), &graphs.pltDxyzR);
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 2);
}

} // namespace
} // namespace quavis::test
