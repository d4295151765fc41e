#pragma once

#include <vector>

#include "entry/data_edit.h"
#include "entry/data_form.h"

namespace quavis {

// The form of the soil below the footing or the pile tips: four fields and the shared life cycle.
class TfrmTipsoil : public TDataForm {
    Q_OBJECT
public:
    explicit TfrmTipsoil(TMainForm& main, QWidget* parent = nullptr);

    TDataEdit* DataEdit(std::size_t index) const { return m_fields.at(index); }

private:
    std::vector<TDataEdit*> m_fields;
};

} // namespace quavis
