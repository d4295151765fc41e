#include "forms/system/layout_form_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "shell/main_form.h"
#include "shell/prompter.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmLayout"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmLayout(main);
    };
    return true;
}();

// The pictures are 240 x 180; the pane leaves room around them.
constexpr int PicturePaneWidth = 280;
constexpr int PicturePaneHeight = 190;
} // namespace

TfrmLayout::TfrmLayout(TMainForm& main, QWidget* parent)
    : QWidget(parent), m_main(main), m_logic(main.Logic().Project())
{
    setObjectName(QStringLiteral("frmLayout"));
    setWindowTitle(QString::fromLatin1(TLayoutFormLogic::Caption));
    auto* label = new QLabel(QString::fromLatin1(TLayoutFormLogic::LabelCaption), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("ComboBox1"));
    // A list to choose from: a typed text would name no foundation type.
    m_combo->setEditable(false);
    for (const std::string& item : TLayoutFormLogic::Items()) m_combo->addItem(QString::fromStdString(item));
    label->setBuddy(m_combo);

    m_picturePane = new QWidget(this);
    m_picturePane->setFixedSize(PicturePaneWidth, PicturePaneHeight);
    m_image = new QLabel(m_picturePane);
    m_image->setObjectName(QStringLiteral("Image1"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_combo, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_picturePane, 0, Qt::AlignHCenter);
    layout->addStretch(1);

    connect(m_combo, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        m_logic.ComboBox1Change(text.toStdString());
        ShowPicture();
    });
    // After the type is committed, the main window enables the Data menu items of the new type.
    m_logic.OnTypeCommitted = [this] { m_main.Logic().SyncPileItems(); };
    resize(PicturePaneWidth + 24, PicturePaneHeight + 60);
}

void TfrmLayout::ShowCombo()
{
    const QSignalBlocker block(m_combo);
    m_combo->setCurrentIndex(m_combo->findText(QString::fromStdString(m_logic.ComboText())));
}

void TfrmLayout::FormActivate()
{
    m_logic.FormActivate();
    ShowCombo();
    ShowPicture();
}

void TfrmLayout::FormDeactivate() { m_logic.FormDeactivate(); }

void TfrmLayout::ShowPicture()
{
    const std::string file = m_logic.PictureFile(m_main.ProgramFolder());
    if (file.empty()) return;
    QPixmap picture;
    if (!picture.load(QString::fromStdString(file))) {
        // The previous picture stays; the user learns which file is missing.
        m_main.GetPrompter().ShowMessage(TLayoutFormLogic::PictureError(file), TMessageKind::Error);
        return;
    }
    m_image->setPixmap(picture);
    m_image->resize(picture.size());
    PlacePicture();
}

void TfrmLayout::PlacePicture()
{
    const QPixmap picture = m_image->pixmap();
    m_image->move(TLayoutFormLogic::PictureLeft(m_picturePane->width(), picture.width()),
                  std::max(0, (m_picturePane->height() - picture.height()) / 2));
}

void TfrmLayout::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlacePicture();
}

void TfrmLayout::closeEvent(QCloseEvent* event)
{
    m_logic.FormClose();
    event->accept();
}

} // namespace quavis
