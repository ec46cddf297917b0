#include "app/mainform.h"

#include "app/openfilter.h"
#include "platform/dialogs.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "ui_mainform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

namespace {

constexpr int kProgressPanelHeight = 289;
constexpr QSize kPictureSize(133, 65);

#ifdef Q_OS_WIN
const QString kHelpFileName = QStringLiteral("Brindlecut.chm");
#else
// No CHM viewer is standard here; the guide ships as HTML.
const QString kHelpFileName = QStringLiteral("Brindlecut.html");
#endif

const char* const kPictureNames[] = {"start_normal",  "start_hover",  "start_pressed",
                                     "cancel_normal", "cancel_hover", "cancel_pressed"};

} // namespace

TMainForm::TMainForm(const QString& appDir, const QStringList& arguments, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::TMainForm>()), m_arguments(arguments)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("MainForm"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedSize(size());
    setWindowIcon(QIcon(QStringLiteral(":/skin/brindlecut.svg")));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    for (std::size_t i = 0; i < m_iglStart.size(); ++i)
        m_iglStart[i] =
            QIcon(QStringLiteral(":/skin/%1.svg").arg(QLatin1String(kPictureNames[i]))).pixmap(kPictureSize);
    m_ui->imgStart->setPixmap(m_iglStart[0]);
    m_ui->imgCancel->setPixmap(m_iglStart[3]);

    connect(m_ui->sbtnHelp, &QToolButton::clicked, this, &TMainForm::sbtnHelpClick);
    connect(m_ui->sbtnAbout, &QToolButton::clicked, this, &TMainForm::sbtnAboutClick);
    ConnectPreferences();
    ConnectPreview();

    FormCreate(appDir);
    // The job reads the encoder's path from the context that FormCreate sets.
    ConnectJob();
    TakeSourceAtStartup();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate(const QString& appDir)
{
    m_context.AppDir = EnsureTrailingBackslash(appDir);
    m_context.EncoderPath = m_context.AppDir + QStringLiteral("wmaspi.dll");
    m_sourceLoaded = false;
    m_ui->panProgress->resize(m_ui->panProgress->width(), kProgressPanelHeight);

    {
        const IniFile preferences(m_context.PreferencesPath());
        m_context.VersionText =
            preferences.ReadString(QStringLiteral("Main"), QStringLiteral("Version"), kDefaultVersionText);
    }

    m_helpFile = m_context.AppDir + kHelpFileName;
    QCoreApplication::setApplicationName(m_context.ProgramName);
    setWindowTitle(m_context.ProgramName + QStringLiteral(" V") + m_context.VersionText);
    const qsizetype blank = m_context.ProgramName.indexOf(QLatin1Char(' '));
    m_ui->labProgramName->setText(blank < 0 ? m_context.ProgramName : m_context.ProgramName.mid(blank + 1));

    m_context.SupportedExts = {QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mpeg"),
                               QStringLiteral(".mp4"), QStringLiteral(".wmv"), QStringLiteral(".mov"),
                               QStringLiteral(".vob"), QStringLiteral(".asf")};
    m_openDialogFilter = BuildOpenDialogFilter(m_context.SupportedExts);
    FillProfileList();
}

void TMainForm::FillProfileList()
{
    const QString profileDir = m_context.ProfileDir();
    if (!QFileInfo(profileDir).isDir()) {
        Dialogs::instance().error(this, QStringLiteral("The profile folder %1 does not exist.").arg(profileDir));
        return;
    }
    for (const QString& name : ListFilesWithExtension(profileDir, QStringLiteral(".apf")))
        m_ui->cmbProfile->addItem(NameWithoutExtension(name));
    m_ui->cmbProfile->setCurrentIndex(-1);
}

void TMainForm::sbtnHelpClick()
{
    Shell::instance().open(m_helpFile);
}
