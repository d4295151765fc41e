#pragma once

#include <vector>

#include "entry/data_form.h"
#include "forms/foundations_form.h"

namespace quavis {

// The foundation data form: the base's global coordinates and, for a stratum, the two depths.
class TfrmFoundations : public TDataForm {
    Q_OBJECT
public:
    explicit TfrmFoundations(TMainForm& main, QWidget* parent = nullptr);

    TDataEdit* DataEdit(std::size_t index) const { return m_fields.at(index); }

protected:
    void Load() override;

private:
    TFoundationsFormLogic m_logic;
    std::vector<TDataEdit*> m_fields;
};

} // namespace quavis
