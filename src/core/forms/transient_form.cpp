#include "forms/transient_form.h"

#include "components/grid_table.h"
#include "model/project.h"

namespace quavis {

const std::vector<TLoadingField>& TTransientFormLogic::Fields()
{
    static const std::vector<TLoadingField> fields = {
        IntegerField("DataEdit1", "Number of points ", "", &TProgramData::PointCount),
        RealField("DataEdit2", "Time interval between points", "sec", &TProgramData::TimeInterval),
        IntegerField("DataEdit3", "Number of load type to be input", "", &TProgramData::LoadTypeCount),
    };
    return fields;
}

TGridTable& TTransientFormLogic::DataTable(TProject& project) { return project.TLoadtype; }

void TTransientFormLogic::Button1Click(TProject& project) { DataTable(project).ShowEditor(); }

} // namespace quavis
