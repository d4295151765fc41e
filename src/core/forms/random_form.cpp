#include "forms/random_form.h"

#include "components/grid_table.h"
#include "model/project.h"

namespace quavis {

const std::vector<TLoadingField>& TRandomFormLogic::Fields()
{
    static const std::vector<TLoadingField> fields = [] {
        std::vector<TLoadingField> f = {
            RealField("DataEdit1", "Maximum frequency", "Hz", &TProgramData::RandomMaxFrequency),
            RealField("DataEdit2", "Minimum frequency", "Hz", &TProgramData::RandomMinFrequency),
            IntegerField("DataEdit3", "Number of points to be read", "", &TProgramData::PointCount),
            RealField("DataEdit4", "Observation period", "sec", &TProgramData::ObservationPeriod),
            IntegerField("DataEdit5", "Number of spectrum", "", &TProgramData::LoadTypeCount),
        };
        f[2].MaxVal = 2147483647.0L;
        // At least one spectrum; a new field starts at 1.
        f[4].MinVal = 1.0L;
        f[4].MaxVal = 2147483647.0L;
        return f;
    }();
    return fields;
}

TGridTable& TRandomFormLogic::DataTable(TProject& project) { return project.Trandom; }

void TRandomFormLogic::Button1Click(TProject& project) { DataTable(project).ShowEditor(); }

} // namespace quavis
