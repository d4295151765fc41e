#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "forms/form_lifecycle.h"
#include "shell/child_form.h"

class QLabel;

namespace quavis {

class TDataEdit;
class TMainForm;
class TProject;

// The child window every input form with numeric fields is: activation loads its fields from the model,
// leaving it validates the focused field and stores every field, closing does the same and may be
// refused, and every edit marks the project modified. A form adds its fields with AddField and its own
// steps in Load and Store.
class TDataForm : public QWidget, public TChildForm {
    Q_OBJECT
public:
    TDataForm(TMainForm& main, std::string formClass, const QString& caption, QWidget* parent = nullptr);
    ~TDataForm() override;

    std::string FormClassName() const override { return m_formClass; }
    void FormActivate() override;
    void FormDeactivate() override;
    // After a unit switch the fields would still show the numbers of the old system, and leaving the
    // form would store them into the converted model: the form reloads first.
    void ModelChanged() override { ReloadIfUnitsChanged(); }
    // The outcome of the last deactivation or close: false when a field refused.
    bool LastCommitOk() const { return m_lastOk; }

    TProject& Project();
    Prompter& GetPrompter();
    TMainForm& Main() { return m_main; }
    TFormLifecycle& Lifecycle() { return *m_lifecycle; }

    // A numeric field bound to a model member, with its companion label (caption and units string).
    TDataEdit* AddField(long double TProgramData::*member, const std::string& caption, const std::string& units,
                        bool followsUnits = true);
    TDataEdit* AddField(int32_t TProgramData::*member, const std::string& caption, const std::string& units = {},
                        bool followsUnits = false);
    const std::vector<TDataEdit*>& Fields() const { return m_fields; }
    // The label of a field made by AddField.
    QLabel* LabelOf(const TDataEdit* field) const;

protected:
    // The form's own steps: after the fields are loaded, and after they are stored.
    virtual void Load() {}
    virtual void Store() {}
    void closeEvent(QCloseEvent* event) override;

private:
    TDataEdit* MakeField(const std::string& caption, const std::string& units);
    TDataEdit* FocusedField() const;
    void Refused(TDataEditRules* field);
    void ReloadIfUnitsChanged();

    TMainForm& m_main;
    std::string m_formClass;
    std::unique_ptr<TFormLifecycle> m_lifecycle;
    std::vector<TDataEdit*> m_fields;
    std::vector<QLabel*> m_labels;
    bool m_lastOk = true;
    int m_loadedSystem = 0; // the unit system the fields were loaded in; 0 before the first load
};

} // namespace quavis
