#pragma once

#include "platform/appcontext.h"
#include "preview/mediagraph.h"
#include "split/processclock.h"
#include "split/splitjob.h"
#include "split/splitjobhost.h"

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class TMainForm;
}
class TSettingForm;
class TCountDownForm;
class QLabel;
struct SplitJobEnd;
struct MainWindowControls;

// The program's one window of work.
class TMainForm final : public QWidget, private SplitJobHost
{
    Q_OBJECT

public:
    // `appDir` is the program's folder; `arguments` are the command-line arguments after the program name.
    TMainForm(const QString& appDir, const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    const AppContext& context() const { return m_context; }
    const QString& helpFile() const { return m_helpFile; }
    // The open dialog's filter in the "description|patterns|..." form.
    const QString& openDialogFilter() const { return m_openDialogFilter; }
    bool sourceLoaded() const { return m_sourceLoaded; }

    // Picture k of the Start and Cancel image list: 0-2 Start normal, hover, pressed; 3-5 Cancel.
    const QPixmap& startPicture(int index) const { return m_iglStart.at(static_cast<std::size_t>(index)); }

    // The About window that the toolbar's "About" button shows; it is created after this window.
    void setAboutForm(QWidget* aboutForm) { m_aboutForm = aboutForm; }

private:
    // Start-up and chrome
    void FormCreate(const QString& appDir);
    void FillProfileList();
    void sbtnHelpClick();

    // About window
    void sbtnAboutClick();

    // Output profiles
public:
    // The names of the profile list, in its order.
    QStringList profileNames() const;
    // The profile editor, which this window keeps loaded with the profile of its own list; attached once at
    // start-up, which also connects the list and the "Detail" button.
    void attachProfileEditor(class TopSettingForm* editor);
    class TopSettingForm* profileEditor() const { return m_opSettingForm; }

private:
    void cmbProfileChange();
    void BitBtn1Click();
    // FormShow: the first showing loads the chosen profile into the editor.
    void showEvent(QShowEvent* event) override;

    // Preferences
public:
    // The Settings window, created after this one: the Settings button shows it and the close saves through it.
    void attachSettingForm(TSettingForm* settingForm);
    // The controls of this window that the Settings window selects, fills and copies to.
    MainWindowControls preferenceControls() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectPreferences();
    void sbtnSettingsClick();
    void bbtnBrowseClick();
    void FormClose();

    // Preview, range marking and source intake
public:
    const MediaGraph& filterGraph() const { return *m_filterGraph; }
    // The preview timer's tick; tmrPreview runs it once a second while a job runs.
    void tmrPreviewTimer();

private:
    void ConnectPreview();
    void TakeSourceAtStartup();
    void LoadSource(const QString& path);
    void ShowDurationLabels();
    void sbtnOpenClick();
    void sbtnPlayPreviewClick();
    void sbtnPausePreviewClick();
    void sbtnStopPreviewClick();
    void tkbProgressTimer();
    void sbtnSelStartClick();
    void sbtnSelEndClick();
    void sbtnEraseClick();
    void edtStartExit();
    void edtEndExit();
    void SetRangeStart(double seconds);
    void SetRangeEnd(double seconds);
    void edtSectionQtyClick();
    void PlaceStartMarker();
    void PlaceEndMarker();
    void StaggerEndMarker();
    void ShowRangeLength(double lengthSeconds);
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // The split job
public:
    // 0 idle, 1 running, 2 cancel requested.
    int SplitState() const;
    // The countdown window that a finished job hands over to; created after this window.
    void setCountDownForm(TCountDownForm* countDownForm) { m_countDownForm = countDownForm; }
    void EnterRunningState();
    void ReturnToIdle();
    // The process clock's tick, once a second while a job runs.
    void tmrProcessTimer();
    const SplitJob& job() const { return *m_job; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectJob();
    void imgStartClick();
    void imgCancelClick();
    void RunSplitJob(const QString& profilePath, const QString& switches);
    bool FormCloseQuery();
    void drawPicture(QLabel* picture, int tag, int index);
    void ResetImageButtons();
    QList<QWidget*> previewAndRangeControls() const;
    void jobPieceStarted(int number, const QString& processingLabel);
    void jobProgressChanged(int currentPosition, int totalPosition);
    void jobEnded(const SplitJobEnd& end);
    void completeJob(const SplitJobEnd& end);
    // What the running job reads from this window.
    SplitMode currentMode() const override;
    QString outputExt() const override;
    bool overwriteWithoutAsking() const override;
    bool confirmOverwrite(const QString& outputPath) override;

    std::unique_ptr<Ui::TMainForm> m_ui;
    AppContext m_context;
    QStringList m_arguments;
    QString m_helpFile;
    QString m_openDialogFilter;
    bool m_sourceLoaded = false;
    std::array<QPixmap, 6> m_iglStart;

    // About window
    QWidget* m_aboutForm = nullptr;

    // Output profiles
    class TopSettingForm* m_opSettingForm = nullptr;
    bool m_shown = false;

    // Preferences
    TSettingForm* m_settingForm = nullptr;

    // Preview, range marking and source intake
    std::unique_ptr<MediaGraph> m_filterGraph;
    QTimer* m_tmrPreview = nullptr;

    // The split job
    std::unique_ptr<SplitJob> m_job;
    QTimer m_tmrProcess;
    ProcessClock m_processClock;
    TCountDownForm* m_countDownForm = nullptr;
};
