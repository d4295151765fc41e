#pragma once

#include "forms/loading/loading_data_form.h"

namespace quavis {

class Tfrmharmonic : public TLoadingDataForm {
    Q_OBJECT
public:
    explicit Tfrmharmonic(TMainForm& main);
};

} // namespace quavis
