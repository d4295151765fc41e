#include "shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quavis {

TAboutBoxWindow::TAboutBoxWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QString::fromLatin1(TAboutBox::Caption));
    setModal(true);

    auto* product = new QLabel(QString::fromLatin1(TAboutBox::ProductName), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    product->setFont(bold);
    m_version = new QLabel(QString::fromStdString(m_box.Version), this);
    m_version->setObjectName(QStringLiteral("Version"));
    auto* description = new QLabel(QString::fromLatin1(TAboutBox::Description), this);
    description->setObjectName(QStringLiteral("Comments"));
    description->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product);
    layout->addWidget(m_version);
    layout->addWidget(description);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void TAboutBoxWindow::showEvent(QShowEvent* event)
{
    m_box.FormActivate();
    m_version->setText(QString::fromStdString(m_box.Version));
    QDialog::showEvent(event);
}

} // namespace quavis
