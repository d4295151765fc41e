#include "forms/system/unit_aware_form.h"

#include <QCloseEvent>

#include "model/project.h"

namespace quavis {

void TUnitAwareForm::FormActivate()
{
    TDataForm::FormActivate();
    m_loadedSystem = Project().ProgramData().UnitSystem;
}

void TUnitAwareForm::ReloadIfUnitsChanged()
{
    if (m_loadedSystem != 0 && m_loadedSystem != Project().ProgramData().UnitSystem) FormActivate();
}

void TUnitAwareForm::FormDeactivate()
{
    ReloadIfUnitsChanged();
    TDataForm::FormDeactivate();
}

void TUnitAwareForm::closeEvent(QCloseEvent* event)
{
    ReloadIfUnitsChanged();
    TDataForm::closeEvent(event);
}

} // namespace quavis
