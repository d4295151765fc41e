#pragma once

#include <vector>

#include "forms/shape_form.h"

class QGridLayout;

namespace quavis {

class TDataEdit;
class TDataForm;

// Makes a form's numeric fields from their specs, each label left of its field in a row of `grid`
// from `firstRow` on.
std::vector<TDataEdit*> AddSpecFields(TDataForm& form, const std::vector<TFormFieldSpec>& specs, QGridLayout* grid,
                                      int firstRow = 0);

// Shows or hides a field with its label.
void ShowField(TDataForm& form, TDataEdit* field, bool visible);

} // namespace quavis
