#pragma once

#include "forms/properties/pile_properties_window.h"

namespace quavis {

// "Pile Properties": the constants of a pile foundation with the pile head, tip and interaction choices.
class TfrmCPileProperties : public TPilePropertiesWindow {
    Q_OBJECT
public:
    explicit TfrmCPileProperties(TMainForm& main, QWidget* parent = nullptr);
};

} // namespace quavis
