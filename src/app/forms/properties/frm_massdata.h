#pragma once

#include "forms/properties/mass_form_window.h"

namespace quavis {

// "Mass Data": the mass and inertias of a footing, with the mass calculator.
class TfrmMassdata : public TMassFormWindow {
    Q_OBJECT
public:
    explicit TfrmMassdata(TMainForm& main, QWidget* parent = nullptr);
};

} // namespace quavis
