#pragma once

#include "entry/data_form.h"

namespace quavis {

// An input form that the main window does not reload after a unit switch. While it stays the active
// window its fields still show the numbers of the old unit system; leaving or closing it would store
// those into the converted model. So the form first reloads from the model when the unit system
// changed since its fields were loaded.
class TUnitAwareForm : public TDataForm {
    Q_OBJECT
public:
    using TDataForm::TDataForm;

    void FormActivate() override;
    void FormDeactivate() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ReloadIfUnitsChanged();

    int m_loadedSystem = 0;
};

} // namespace quavis
