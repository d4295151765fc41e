#include "results/graphics_menu.h"

#include "results/plot_data_reader.h"

#include <filesystem>
#include <system_error>

namespace quavis {

const std::array<TGraphicsItemInfo, GraphicsItemCount>& GraphicsMenuItems()
{
    static const std::array<TGraphicsItemInfo, GraphicsItemCount> items = {{
        {TGraphicsItem::mrealKxx, "mrealKxx", "&Translational Stiffness (Kxx, Kyy, Kww)", "pltRealKXX", false},
        {TGraphicsItem::mRealKppx, "mRealKppx", "Rotational Stiffness (Kppx, Kppy, Kzt)", "pltRealKPPX", false},
        {TGraphicsItem::mdampCXX, "mdampCXX", "Translational Damping (Cxx, Cyy, Cww)", "pltDampCXX", true},
        {TGraphicsItem::mDampCppx, "mDampCppx", "Rotational Damping (Cppx, Cppy, Czt)", "pltDampCPPX", false},
        {TGraphicsItem::ForceResponseAmplitude1, "ForceResponseAmplitude1",
         "Footing Response Amplitude (Displacement)", "pltDxyzR", true},
        {TGraphicsItem::MomentResponseAmplitude1, "MomentResponseAmplitude1",
         "Footing Response Amplitude (Rotation)", "pltMxyzR", false},
        {TGraphicsItem::FootingResponseAmplitudeDisplacement1, "FootingResponseAmplitudeDisplacement1",
         "Interactive Footing Response Amplitude ", nullptr, true},
    }};
    return items;
}

TGraphicsMenuState GraphicsMenuState(const TProgramData& data, bool resultsLoaded, bool plotDataFileExists)
{
    TGraphicsMenuState state;
    const bool available = resultsLoaded && plotDataFileExists;
    state.Enabled.fill(available);
    auto disable = [&state](TGraphicsItem item) { state.Enabled[static_cast<std::size_t>(item)] = false; };
    if (data.WriteMatrix == 0) {
        disable(TGraphicsItem::mrealKxx);
        disable(TGraphicsItem::mRealKppx);
        disable(TGraphicsItem::mdampCXX);
        disable(TGraphicsItem::mDampCppx);
        disable(TGraphicsItem::ForceResponseAmplitude1);
        disable(TGraphicsItem::MomentResponseAmplitude1);
    }
    if (data.LoadingType != HarmonicLoading) {
        disable(TGraphicsItem::ForceResponseAmplitude1);
        disable(TGraphicsItem::MomentResponseAmplitude1);
    }
    return state;
}

TGraphicsMenuState GraphicsMenuState(const TProgramData& data, bool resultsLoaded)
{
    const std::filesystem::path path = PlotDataFileName(data.FileName);
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error);
    return GraphicsMenuState(data, resultsLoaded, exists);
}

} // namespace quavis
