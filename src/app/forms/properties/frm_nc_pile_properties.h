#pragma once

#include "forms/properties/mass_form_window.h"

namespace quavis {

// "Pile Cap Properties": the mass and inertias of a pile cap, with the mass calculator.
class TfrmNCPileProperties : public TMassFormWindow {
    Q_OBJECT
public:
    explicit TfrmNCPileProperties(TMainForm& main, QWidget* parent = nullptr);
};

} // namespace quavis
