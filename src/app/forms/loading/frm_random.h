#pragma once

#include "forms/loading/loading_data_form.h"

namespace quavis {

class Tfrmrandom : public TLoadingDataForm {
    Q_OBJECT
public:
    explicit Tfrmrandom(TMainForm& main);
};

} // namespace quavis
