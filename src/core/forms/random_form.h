#pragma once

#include <vector>

#include "forms/harmonic_form.h"

namespace quavis {

class TGridTable;
class TProject;

// The random loading form (its caption is the system's own, "Tansient Loading Data"): frequency range,
// number of points, observation period and number of spectra; the spectra themselves are edited in the
// random loading table, which the form's button opens.
struct TRandomFormLogic {
    static constexpr const char* FormClass = "Tfrmrandom";
    static constexpr const char* Caption = "Tansient Loading Data";
    static constexpr const char* Note =
        "Enter spectrum coordinates and spectrum amplitude by clicking the right button ";
    static constexpr const char* ButtonCaption = "Data Button";

    // DataEdit1 .. DataEdit5 in order.
    static const std::vector<TLoadingField>& Fields();
    // The table the button opens.
    static TGridTable& DataTable(TProject& project);
    // "Data Button": the editor of that table; the user adds a row per spectrum.
    static void Button1Click(TProject& project);
};

} // namespace quavis
