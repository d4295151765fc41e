#pragma once

#include <vector>

#include "entry/data_form.h"
#include "forms/shape_form.h"

class QRadioButton;

namespace quavis {

// The foundation shape form (also the pile cap's): rectangular with length and width, or circular
// with a radius; the fields of the other shape are hidden.
class TfrmShape : public TDataForm {
    Q_OBJECT
public:
    explicit TfrmShape(TMainForm& main, QWidget* parent = nullptr);

    QRadioButton* RadioButton1() const { return m_rectangular; }
    QRadioButton* RadioButton2() const { return m_circular; }
    TDataEdit* DataEdit(std::size_t index) const { return m_fields.at(index); }

protected:
    void Load() override;

private:
    void ShowShape();

    TShapeFormLogic m_logic;
    QRadioButton* m_rectangular = nullptr;
    QRadioButton* m_circular = nullptr;
    std::vector<TDataEdit*> m_fields;
};

} // namespace quavis
