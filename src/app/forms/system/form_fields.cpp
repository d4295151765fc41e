#include "forms/system/form_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>

#include "entry/data_edit.h"
#include "entry/data_form.h"

namespace quavis {

std::vector<TDataEdit*> AddDefinedFields(TDataForm& form, const std::vector<TFormFieldDefinition>& definitions, QGridLayout* grid,
                                      int firstRow)
{
    std::vector<TDataEdit*> fields;
    int row = firstRow;
    for (const TFormFieldDefinition& definition : definitions) {
        TDataEdit* field = form.AddField(definition.Member, definition.Caption, definition.Units);
        field->setObjectName(QString::fromLatin1(definition.Name));
        field->SetMinVal(definition.MinVal);
        field->SetMaxVal(definition.MaxVal);
        field->setFixedWidth(FieldWidth);
        QLabel* label = form.LabelOf(field);
        label->setObjectName(QString::fromLatin1(definition.Name) + QStringLiteral("Label"));
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        fields.push_back(field);
        ++row;
    }
    // Labels left, fields of one width right: the fields line up in a column.
    grid->setColumnStretch(0, 1);
    return fields;
}

void FitWindow(QWidget& form)
{
    if (QLayout* layout = form.layout()) layout->activate();
    if (auto* window = qobject_cast<QMdiSubWindow*>(form.parentWidget()))
        window->adjustSize();
    else
        form.adjustSize();
}

void ShowField(TDataForm& form, TDataEdit* field, bool visible)
{
    field->setVisible(visible);
    if (QLabel* label = form.LabelOf(field)) label->setVisible(visible);
}

} // namespace quavis
