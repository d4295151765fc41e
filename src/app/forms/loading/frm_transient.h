#pragma once

#include "forms/loading/loading_data_form.h"

namespace quavis {

class Tfrmtransient : public TLoadingDataForm {
    Q_OBJECT
public:
    explicit Tfrmtransient(TMainForm& main);
};

} // namespace quavis
