#pragma once

#include <QWidget>

#include "forms/layout_form.h"
#include "shell/child_form.h"

class QComboBox;
class QLabel;

namespace quavis {

class TMainForm;

// The foundation system form: the footing type choice and its picture from the program folder. Leaving
// the form commits the type and brings the Data menu's pile items up to it.
class TfrmLayout : public QWidget, public TChildForm {
    Q_OBJECT
public:
    explicit TfrmLayout(TMainForm& main, QWidget* parent = nullptr);

    std::string FormClassName() const override { return "TfrmLayout"; }
    void FormActivate() override;
    void FormDeactivate() override;

    QComboBox* ComboBox1() const { return m_combo; }
    QLabel* Image1() const { return m_image; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowCombo();
    void ShowPicture();
    void PlacePicture();

    TMainForm& m_main;
    TLayoutFormLogic m_logic;
    QComboBox* m_combo = nullptr;
    QLabel* m_image = nullptr;
    QWidget* m_picturePane = nullptr;
};

} // namespace quavis
