#include "forms/layout_form.h"

#include "model/program_data.h"
#include "model/project.h"

#include <cmath>

namespace quavis {

const std::vector<std::string>& TLayoutFormLogic::Items()
{
    static const std::vector<std::string> items = {HalfSpaceKeyword, PileKeyword, StratumKeyword, MultilayerKeyword};
    return items;
}

void TLayoutFormLogic::FormActivate()
{
    m_comboText = m_project.ProgramData().FoundationKeyword;
    m_keywordAtActivation = m_comboText;
    UpdateFootingType();
}

void TLayoutFormLogic::ComboBox1Change(const std::string& text)
{
    m_comboText = text;
    m_project.ProgramData().FoundationKeyword = text;
    UpdateFootingType();
}

void TLayoutFormLogic::FormDeactivate()
{
    TProgramData& d = m_project.ProgramData();
    d.FoundationKeyword = m_comboText;
    if (d.FoundationKeyword != m_keywordAtActivation) m_project.SetModified(true);
    UpdateFootingType();
    if (OnTypeCommitted) OnTypeCommitted();
}

void TLayoutFormLogic::FormClose()
{
    FormDeactivate();
    if (OnClosed) OnClosed();
}

void TLayoutFormLogic::UpdateFootingType()
{
    TProgramData& d = m_project.ProgramData();
    const auto& items = Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (d.FoundationKeyword == items[i]) d.FoundationType = static_cast<int32_t>(i + 1);
    }
}

std::string TLayoutFormLogic::PictureFile(const std::string& programFolder) const
{
    static const char* const files[] = {"halfspace.bmp", "pile.bmp", "stratum.bmp", "multilayer.bmp"};
    const std::string& keyword = m_project.ProgramData().FoundationKeyword;
    const auto& items = Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (keyword == items[i]) {
            std::string folder = programFolder;
            while (!folder.empty() && folder.back() == '/') folder.pop_back();
            return folder + "/" + files[i];
        }
    }
    return {};
}

int TLayoutFormLogic::PictureLeft(int formWidth, int pictureWidth)
{
    return static_cast<int>(std::nearbyint((formWidth - pictureWidth) / 2.0));
}

} // namespace quavis

namespace quavis {

std::string TLayoutFormLogic::PictureError(const std::string& file)
{
    return "Cannot open file \"" + file + "\". The picture is missing or unreadable.";
}

} // namespace quavis
