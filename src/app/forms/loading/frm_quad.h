#pragma once

#include "forms/loading/loading_data_form.h"

namespace quavis {

class TfrmQuad : public TLoadingDataForm {
    Q_OBJECT
public:
    explicit TfrmQuad(TMainForm& main);
};

} // namespace quavis
