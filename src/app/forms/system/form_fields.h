#pragma once

#include <vector>

#include "forms/shape_form.h"

class QGridLayout;
class QWidget;

namespace quavis {

class TDataEdit;
class TDataForm;

// The width of every numeric field of these forms: room for 18 significant digits.
inline constexpr int FieldWidth = 170;

// Makes a form's numeric fields from their definitions, each label left of its field in a row of `grid`
// from `firstRow` on.
std::vector<TDataEdit*> AddDefinedFields(TDataForm& form, const std::vector<TFormFieldDefinition>& definitions, QGridLayout* grid,
                                      int firstRow = 0);

// Sizes the form, and the frame's window around it, to what its shown controls need.
void FitWindow(QWidget& form);

// Shows or hides a field with its label.
void ShowField(TDataForm& form, TDataEdit* field, bool visible);

} // namespace quavis
