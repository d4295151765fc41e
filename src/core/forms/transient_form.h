#pragma once

#include <vector>

#include "forms/harmonic_form.h"

namespace quavis {

class TGridTable;
class TProject;

// The transient loading form ("Transient Loading Data"): the number of points, the time step and the
// number of load types; the load types and their amplitudes are edited in the load type table, which
// the form's button opens.
struct TTransientFormLogic {
    static constexpr const char* FormClass = "Tfrmtransient";
    static constexpr const char* Caption = "Transient Loading Data";
    static constexpr const char* Note = "Enter load type and load amplitude by clicking the right button";
    static constexpr const char* ButtonCaption = "Data Button";

    // DataEdit1 .. DataEdit3 in order.
    static const std::vector<TLoadingField>& Fields();
    // The table the button opens.
    static TGridTable& DataTable(TProject& project);
    // "Data Button": the editor of that table. The form does not size it: the user adds a row per load
    // type and fills each row's amplitudes.
    static void Button1Click(TProject& project);
};

} // namespace quavis
