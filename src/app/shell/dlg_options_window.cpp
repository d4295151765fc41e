#include "shell/dlg_options_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "components/data_edit_rules.h"

namespace quavis {

TDlgOptionsWindow::TDlgOptionsWindow(std::unique_ptr<TDlgOptions> options, QWidget* parent)
    : QWidget(parent), m_options(std::move(options))
{
    setObjectName(QStringLiteral("DlgOptions"));
    setWindowTitle(QString::fromLatin1(TDlgOptions::Caption));
    auto* label5 = new QLabel(QString::fromLatin1(TDlgOptions::Label5Caption), this);
    label5->setObjectName(QStringLiteral("Label5"));
    m_edtWord = new QLineEdit(this);
    m_edtWord->setObjectName(QStringLiteral("EdtWord"));
    label5->setBuddy(m_edtWord);
    auto* browse = new QPushButton(QString::fromLatin1(TDlgOptions::BtnBrowseCaption), this);
    browse->setObjectName(QStringLiteral("BtnBrowse"));
    m_checkBox1 = new QCheckBox(QString::fromLatin1(TDlgOptions::CheckBox1Caption), this);
    m_checkBox1->setObjectName(QStringLiteral("CheckBox1"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(label5, 0, 0);
    layout->addWidget(m_edtWord, 1, 0);
    layout->addWidget(browse, 1, 1);
    layout->addWidget(m_checkBox1, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    resize(TDlgOptions::ClientWidth, TDlgOptions::ClientHeight);

    connect(m_checkBox1, &QCheckBox::clicked, this, [this](bool checked) { m_options->CheckBox1Click(checked); });
    connect(browse, &QPushButton::clicked, this, [this] {
        TakeFields();
        m_options->BtnBrowseClick();
        ShowFields();
    });
}

void TDlgOptionsWindow::ShowFields()
{
    const QSignalBlocker blockEdit(m_edtWord);
    const QSignalBlocker blockCheck(m_checkBox1);
    m_edtWord->setText(QString::fromStdString(m_options->EdtWord));
    m_checkBox1->setChecked(m_options->CheckBox1);
}

void TDlgOptionsWindow::TakeFields()
{
    m_options->EdtWord = m_edtWord->text().toStdString();
    m_options->CheckBox1 = m_checkBox1->isChecked();
}

void TDlgOptionsWindow::FormActivate()
{
    m_options->FormActivate();
    ShowFields();
}

void TDlgOptionsWindow::FormDeactivate()
{
    TakeFields();
    m_options->FormDeactivate();
}

void TDlgOptionsWindow::AddNumericField(QLineEdit* field, TDataEditRules& rules)
{
    m_numericFields.emplace_back(field, &rules);
}

void TDlgOptionsWindow::closeEvent(QCloseEvent* event)
{
    TakeFields();
    QLineEdit* focused = nullptr;
    TDataEditRules* rules = nullptr;
    for (const auto& [field, fieldRules] : m_numericFields) {
        if (field && field == QApplication::focusWidget()) {
            focused = field;
            rules = fieldRules;
            rules->SetText(field->text().toStdString());
        }
    }
    const bool closes = m_options->FormClose(rules);
    if (focused) {
        // The exit check may have corrected the text (a limit put in).
        const QSignalBlocker block(focused);
        focused->setText(QString::fromStdString(rules->Text()));
    }
    if (closes) {
        event->accept();
        return;
    }
    event->ignore();
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
}

} // namespace quavis
