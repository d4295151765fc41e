#include "entry/data_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "entry/data_edit.h"
#include "model/project.h"
#include "shell/main_form.h"

namespace quavis {

TDataForm::TDataForm(TMainForm& main, std::string formClass, const QString& caption, QWidget* parent)
    : QWidget(parent), m_main(main), m_formClass(std::move(formClass)),
      m_lifecycle(std::make_unique<TFormLifecycle>(main.Logic().Project(), main.GetPrompter()))
{
    setWindowTitle(caption);
    m_lifecycle->AfterStore = [this] { Store(); };
}

TDataForm::~TDataForm() = default;

TProject& TDataForm::Project() { return m_main.Logic().Project(); }
Prompter& TDataForm::GetPrompter() { return m_main.GetPrompter(); }

TDataEdit* TDataForm::MakeField(const std::string& caption, const std::string& units)
{
    auto* field = new TDataEdit(GetPrompter(), this);
    auto* label = new QLabel(this);
    field->SetCaption(caption);
    field->SetUnitsString(units);
    field->SetEditLabel(label);
    connect(field, &TDataEdit::Changed, this, [this] { m_lifecycle->Changed(); });
    m_fields.push_back(field);
    m_labels.push_back(label);
    return field;
}

TDataEdit* TDataForm::AddField(long double TProgramData::*member, const std::string& caption, const std::string& units,
                               bool followsUnits)
{
    TDataEdit* field = MakeField(caption, units);
    m_lifecycle->Bind(field->Rules(), member, followsUnits);
    return field;
}

TDataEdit* TDataForm::AddField(int32_t TProgramData::*member, const std::string& caption, const std::string& units,
                               bool followsUnits)
{
    TDataEdit* field = MakeField(caption, units);
    m_lifecycle->Bind(field->Rules(), member, followsUnits);
    return field;
}

QLabel* TDataForm::LabelOf(const TDataEdit* field) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i] == field) return m_labels[i];
    return nullptr;
}

void TDataForm::FormActivate()
{
    // The model's values come in through the limits (a value the field would refuse is brought within
    // them); the widget reports no change for them: loading is no edit.
    m_lifecycle->Activate();
    for (TDataEdit* field : m_fields) {
        field->SyncFromRules();
        field->SetUnits(field->Rules().Units());
    }
    Load();
    m_loadedSystem = Project().ProgramData().UnitSystem;
}

void TDataForm::ReloadIfUnitsChanged()
{
    if (m_loadedSystem != 0 && m_loadedSystem != Project().ProgramData().UnitSystem) FormActivate();
}

TDataEdit* TDataForm::FocusedField() const
{
    QWidget* focus = QApplication::focusWidget();
    for (TDataEdit* field : m_fields)
        if (field == focus) return field;
    return nullptr;
}

void TDataForm::Refused(TDataEditRules* rules)
{
    for (TDataEdit* field : m_fields) {
        field->SyncFromRules();
        if (&field->Rules() == rules) {
            // Show the form again with the faulty field current.
            if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget())) {
                if (QMdiArea* area = window->mdiArea()) area->setActiveSubWindow(window);
            }
            field->setFocus(Qt::OtherFocusReason);
        }
    }
}

void TDataForm::FormDeactivate()
{
    ReloadIfUnitsChanged();
    TDataEdit* focused = FocusedField();
    if (focused) focused->Rules().SetText(focused->text().toStdString());
    const TFormCommitResult result = m_lifecycle->Deactivate(focused ? &focused->Rules() : nullptr);
    m_lastOk = result.Ok;
    for (TDataEdit* field : m_fields) field->SyncFromRules();
    if (!result.Ok) Refused(result.Refused);
}

void TDataForm::closeEvent(QCloseEvent* event)
{
    ReloadIfUnitsChanged();
    TDataEdit* focused = FocusedField();
    if (focused) focused->Rules().SetText(focused->text().toStdString());
    const TFormCommitResult result = m_lifecycle->Close(focused ? &focused->Rules() : nullptr);
    m_lastOk = result.Ok;
    for (TDataEdit* field : m_fields) field->SyncFromRules();
    if (!result.Ok) {
        event->ignore();
        Refused(result.Refused);
        return;
    }
    event->accept();
}

} // namespace quavis
