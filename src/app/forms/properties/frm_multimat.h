#pragma once

#include "forms/properties/pile_properties_window.h"

namespace quavis {

// "Foundation Properties": the constants of a multilayer embedded foundation.
class TfrmMultimat : public TPilePropertiesWindow {
    Q_OBJECT
public:
    explicit TfrmMultimat(TMainForm& main, QWidget* parent = nullptr);
};

} // namespace quavis
