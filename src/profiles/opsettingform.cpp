#include "profiles/opsettingform.h"

#include "platform/dialogs.h"
#include "platform/errors.h"
#include "profiles/profilepath.h"
#include "profiles/profileswitches.h"
#include "profiles/videosize.h"
#include "ui_opsettingform.h"
#include "widgets/valuelisteditor.h"

#include <QShowEvent>
#include <QWindow>
#include <algorithm>

namespace {

constexpr int kRowPitch = ValueListEditor::kRowHeight + ValueListEditor::kLineWidth;
const QString kClosed = QStringLiteral("+");
const QString kOpen = QStringLiteral("-");

// A grid without rows shows one blank row.
int shownRows(const ValueListEditor* grid)
{
    return std::max(1, grid->Rows()->RowCount());
}

void setGridHeight(ValueListEditor* grid, int height)
{
    grid->setFixedHeight(height);
}

} // namespace

TopSettingForm::TopSettingForm(const AppContext& context, QWidget* mainWindow, const QStringList& profileNames)
    // Not a child of the main window: disabling that one (the size dialog does) must leave this one usable.
    : QDialog(nullptr), m_context(context), m_mainWindow(mainWindow), m_ui(std::make_unique<Ui::TopSettingForm>()),
      m_saveDialog1(QStringLiteral("Profiles (*.apf)"), QStringLiteral(".apf"))
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("opSettingForm"));
    setFixedSize(size());
    setAttribute(Qt::WA_QuitOnClose, false);

    m_ui->cmbProfile->addItems(profileNames);
    m_ui->cmbProfile->setCurrentIndex(-1);

    for (ProfileGrid which : kProfileGrids) {
        ValueListEditor* editor = grid(which);
        editor->SetRows(&m_model.Rows(which));
        connect(editor, &ValueListEditor::MouseDown, this, &TopSettingForm::gridMouseDown);
    }
    connect(m_ui->vleVideo, &ValueListEditor::StringsChange, this, &TopSettingForm::vleVideoStringsChange);

    connect(m_ui->cmbProfile, &QComboBox::activated, this, &TopSettingForm::cmbProfileChange);
    connect(m_ui->btnSaveAs, &QPushButton::clicked, this, &TopSettingForm::btnSaveAsClick);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TopSettingForm::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &TopSettingForm::Button2Click);
    connect(m_ui->btnVideo, &QPushButton::clicked, this,
            [this] { sectionButtonClick(m_ui->btnVideo, m_ui->vleVideo); });
    connect(m_ui->btnAudio, &QPushButton::clicked, this,
            [this] { sectionButtonClick(m_ui->btnAudio, m_ui->vleAudio); });
    connect(m_ui->btnAdvanced, &QPushButton::clicked, this,
            [this] { sectionButtonClick(m_ui->btnAdvanced, m_ui->vleAdvanced); });
}

TopSettingForm::~TopSettingForm() = default;

ValueListEditor* TopSettingForm::grid(ProfileGrid which) const
{
    switch (which) {
    case ProfileGrid::Video:
        return m_ui->vleVideo;
    case ProfileGrid::Audio:
        return m_ui->vleAudio;
    case ProfileGrid::Advanced:
        break;
    }
    return m_ui->vleAdvanced;
}

void TopSettingForm::BuildProfileSwitches(const QString& profilePath, QString& switchText) const
{
    ::BuildProfileSwitches(profilePath, m_model, switchText);
}

void TopSettingForm::LoadProfile(const QString& path)
{
    if (!m_model.LoadProfile(path))
        return;
    for (ProfileGrid which : kProfileGrids)
        setGridHeight(grid(which), shownRows(grid(which)) * kRowPitch);
}

int TopSettingForm::ProfileIndex() const
{
    return m_ui->cmbProfile->currentIndex();
}

void TopSettingForm::SelectProfile(int index)
{
    m_ui->cmbProfile->setCurrentIndex(index);
}

QString TopSettingForm::selectedProfilePath() const
{
    return ProfilePath(m_context.ProfileDir(), m_ui->cmbProfile->currentText());
}

void TopSettingForm::showError(const QString& text)
{
    Dialogs::instance().error(this, text);
}

void TopSettingForm::cmbProfileChange()
{
    try {
        LoadProfile(selectedProfilePath());
    } catch (const BrindlecutError& error) {
        showError(error.text());
    }
}

void TopSettingForm::Button1Click()
{
    try {
        m_model.SaveChoices(selectedProfilePath());
    } catch (const BrindlecutError& error) {
        showError(error.text());
        return;
    }
    hide();
}

void TopSettingForm::Button2Click()
{
    hide();
    cmbProfileChange();
}

void TopSettingForm::btnSaveAsClick()
{
    const std::optional<QString> target = m_saveDialog1.Execute(this);
    if (!target)
        return;
    try {
        m_model.SaveProfileAs(selectedProfilePath(), *target);
    } catch (const BrindlecutError& error) {
        showError(error.text());
    }
}

void TopSettingForm::sectionButtonClick(QPushButton* button, ValueListEditor* editor)
{
    if (button->text() != kClosed) {
        setGridHeight(editor, 1);
        button->setText(kClosed);
    } else {
        setGridHeight(editor, shownRows(editor) * kRowPitch + 1);
        button->setText(kOpen);
    }
}

void TopSettingForm::gridMouseDown()
{
    // Only the grid that holds the focus shows the blue name cell.
    for (ProfileGrid which : kProfileGrids)
        grid(which)->viewport()->update();
}

void TopSettingForm::vleVideoStringsChange()
{
    const ValueListEditor* video = m_ui->vleVideo;
    const int row = video->CurrentRow();
    if (row >= 0 && row < video->Rows()->RowCount() && video->Rows()->Name(row) == kVideoSizeRow &&
        video->Rows()->Value(row) == kCustomSize)
        Q_EMIT CustomSizeChosen();
}

void TopSettingForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && m_mainWindow) {
        move(m_mainWindow->frameGeometry().center() - rect().center());
        if (windowHandle() && m_mainWindow->windowHandle())
            windowHandle()->setTransientParent(m_mainWindow->windowHandle());
    }
    QDialog::showEvent(event);
}
