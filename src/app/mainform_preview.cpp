// The main window's preview, range marking and source intake.
#include "app/controlevents.h"
#include "app/mainform.h"
#include "app/opendialog.h"
#include "app/sourceintake.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/inifile.h"
#include "preview/rangemarking.h"
#include "preview/sourcefolder.h"
#include "split/timecode.h"
#include "ui_mainform.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

const QString kZeroTimeCode = QStringLiteral("00:00:00");

} // namespace

void TMainForm::ConnectPreview()
{
    QPalette black = m_ui->VideoWindow->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_ui->VideoWindow->setPalette(black);
    m_ui->VideoWindow->setAutoFillBackground(true);

    m_filterGraph = std::make_unique<MediaGraph>(m_ui->VideoWindow);
    DSTrackBar* bar = m_ui->tkbProgress;
    bar->setFilterGraph(m_filterGraph.get());
    connect(m_filterGraph.get(), &MediaGraph::playingChanged, bar, &DSTrackBar::setTimerEnabled);
    connect(m_filterGraph.get(), &MediaGraph::durationChanged, this, &TMainForm::ShowDurationLabels);
    connect(bar, &DSTrackBar::OnTimer, this, &TMainForm::tkbProgressTimer);

    m_tmrPreview = new QTimer(this);
    m_tmrPreview->setObjectName(QStringLiteral("tmrPreview"));
    m_tmrPreview->setInterval(1000);
    connect(m_tmrPreview, &QTimer::timeout, this, &TMainForm::tmrPreviewTimer);

    connect(m_ui->sbtnOpen, &QToolButton::clicked, this, &TMainForm::sbtnOpenClick);
    connect(m_ui->sbtnPlayPreview, &QToolButton::clicked, this, &TMainForm::sbtnPlayPreviewClick);
    connect(m_ui->sbtnPausePreview, &QToolButton::clicked, this, &TMainForm::sbtnPausePreviewClick);
    connect(m_ui->sbtnStopPreview, &QToolButton::clicked, this, &TMainForm::sbtnStopPreviewClick);
    connect(m_ui->sbtnSelStart, &QToolButton::clicked, this, &TMainForm::sbtnSelStartClick);
    connect(m_ui->sbtnSelEnd, &QToolButton::clicked, this, &TMainForm::sbtnSelEndClick);
    connect(m_ui->sbtnErase, &QToolButton::clicked, this, &TMainForm::sbtnEraseClick);

    // Enter in a time field takes the typed time as leaving the field does.
    connect(m_ui->edtStart, &QLineEdit::returnPressed, this, &TMainForm::edtStartExit);
    connect(m_ui->edtEnd, &QLineEdit::returnPressed, this, &TMainForm::edtEndExit);
    connect(new ControlEvents(m_ui->edtStart), &ControlEvents::exited, this, &TMainForm::edtStartExit);
    connect(new ControlEvents(m_ui->edtEnd), &ControlEvents::exited, this, &TMainForm::edtEndExit);
    connect(new ControlEvents(m_ui->edtSectionQty), &ControlEvents::clicked, this, &TMainForm::edtSectionQtyClick);
}

void TMainForm::TakeSourceAtStartup()
{
    try {
        const QString source = CommandLineSource(m_arguments);
        if (IsLoadableSource(source, m_context.SupportedExts))
            LoadSource(source);
    } catch (const BrindlecutError& error) {
        Dialogs::instance().error(this, error.text());
    }
    setAcceptDrops(true);
}

void TMainForm::LoadSource(const QString& path)
{
    m_ui->panbanner->hide();
    m_ui->edtSource->setText(path);
    {
        const IniFile preferences(m_context.PreferencesPath());
        if (!preferences.ReadBool(QStringLiteral("Main"), QStringLiteral("Aptotic"), true))
            m_ui->edtOutputDir->setText(SourceFolder(path));
    }
    m_sourceLoaded = true;

    if (!m_filterGraph->active())
        m_filterGraph->activate();
    m_filterGraph->clear();
    m_filterGraph->renderFile(path);
    m_filterGraph->play();
    // The media tells its length a moment later; durationChanged shows it again then.
    ShowDurationLabels();

    m_ui->tkbProgress->setSelStart(0);
    m_ui->tkbProgress->setSelEnd(0);
    m_ui->labStart->hide();
    m_ui->labEnd->hide();
    m_ui->edtStart->setText(kZeroTimeCode);
    m_ui->edtEnd->setText(kZeroTimeCode);
    m_ui->labLength->hide();
    m_filterGraph->showVideo();
}

void TMainForm::ShowDurationLabels()
{
    m_ui->labMiddle->setText(SecondsToTimeCode(m_filterGraph->duration() / 2000.0));
    m_ui->labRight->setText(SecondsToTimeCode(m_filterGraph->duration() / 1000.0));
}

void TMainForm::sbtnOpenClick()
{
    const QString fileName = OpenDialog::Execute(this, m_openDialogFilter);
    if (!fileName.isEmpty())
        LoadSource(fileName);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    // A job may be pumping events when the drop arrives; it is released untouched then.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (m_ui->panProgress->isHidden() && !urls.isEmpty() && urls.constFirst().isLocalFile()) {
        const QString path = QDir::toNativeSeparators(urls.constFirst().toLocalFile());
        if (IsLoadableSource(path, m_context.SupportedExts))
            LoadSource(path);
    }
    event->acceptProposedAction();
}

void TMainForm::sbtnPlayPreviewClick()
{
    if (m_sourceLoaded)
        m_filterGraph->play();
}

void TMainForm::sbtnPausePreviewClick()
{
    if (m_sourceLoaded)
        m_filterGraph->pause();
}

void TMainForm::sbtnStopPreviewClick()
{
    if (m_sourceLoaded)
        m_filterGraph->stop();
}

void TMainForm::tkbProgressTimer()
{
    m_ui->labCurrent->setText(SecondsToTimeCode(m_ui->tkbProgress->value()));
}

void TMainForm::tmrPreviewTimer()
{
    // The graph stands still during a job: show the source's full length with the thumb at its end.
    const double seconds = m_filterGraph->duration() / 1000.0;
    m_ui->labCurrent->setText(SecondsToTimeCode(seconds));
    m_ui->tkbProgress->setValue(BarPositionOf(seconds));
}

void TMainForm::sbtnSelStartClick()
{
    if (!m_sourceLoaded)
        return;
    DSTrackBar* bar = m_ui->tkbProgress;
    bar->setSelStart(bar->value());
    m_ui->edtStart->setText(SecondsToTimeCode(bar->value()));
    PlaceStartMarker();
    ShowRangeLength(bar->selEnd() - bar->selStart());
}

void TMainForm::sbtnSelEndClick()
{
    if (!m_sourceLoaded)
        return;
    DSTrackBar* bar = m_ui->tkbProgress;
    bar->setSelEnd(bar->value());
    m_ui->edtEnd->setText(SecondsToTimeCode(bar->value()));
    PlaceEndMarker();
    ShowRangeLength(bar->selEnd() - bar->selStart());
}

void TMainForm::sbtnEraseClick()
{
    if (!m_sourceLoaded)
        return;
    m_ui->tkbProgress->setSelStart(0);
    m_ui->tkbProgress->setSelEnd(0);
    m_ui->edtStart->setText(SecondsToTimeCode(0));
    m_ui->edtEnd->setText(SecondsToTimeCode(0));
    m_ui->labStart->hide();
    m_ui->labEnd->hide();
    m_ui->labLength->hide();
}

void TMainForm::edtStartExit()
{
    if (!m_sourceLoaded)
        return;
    // A text that is no time code stays as typed; the job's checks report it.
    const double seconds = TimeCodeToSeconds(m_ui->edtStart->text());
    if (seconds != -1)
        SetRangeStart(seconds);
}

void TMainForm::edtEndExit()
{
    if (!m_sourceLoaded)
        return;
    const double seconds = TimeCodeToSeconds(m_ui->edtEnd->text());
    if (seconds != -1)
        SetRangeEnd(seconds);
}

void TMainForm::SetRangeStart(double seconds)
{
    DSTrackBar* bar = m_ui->tkbProgress;
    bar->setSelStart(BarPositionOf(ClampToDuration(seconds, m_filterGraph->duration())));
    // The field keeps the time as typed, in its normal form, even past the end where the band stops.
    m_ui->edtStart->setText(SecondsToTimeCode(TimeCodeToSeconds(m_ui->edtStart->text())));
    PlaceStartMarker();
    ShowRangeLength(bar->selEnd() - bar->selStart());
}

void TMainForm::SetRangeEnd(double seconds)
{
    DSTrackBar* bar = m_ui->tkbProgress;
    const double end = ClampToDuration(seconds, m_filterGraph->duration());
    bar->setSelEnd(BarPositionOf(end));
    m_ui->edtEnd->setText(SecondsToTimeCode(TimeCodeToSeconds(m_ui->edtEnd->text())));
    PlaceEndMarker();
    // The length runs to the typed end itself, not to its whole second.
    ShowRangeLength(end - bar->selStart());
}

void TMainForm::edtSectionQtyClick()
{
    m_ui->rdbEqual->setChecked(true);
}

void TMainForm::PlaceStartMarker()
{
    const DSTrackBar* bar = m_ui->tkbProgress;
    QLabel* marker = m_ui->labStart;
    marker->setText(QStringLiteral("[ ") + m_ui->edtStart->text());
    marker->adjustSize();
    marker->move(StartMarkerLeft(bar->selStart(), bar->maximum(), bar->width(), bar->x()), marker->y());
    StaggerEndMarker();
    marker->show();
}

void TMainForm::PlaceEndMarker()
{
    const DSTrackBar* bar = m_ui->tkbProgress;
    QLabel* marker = m_ui->labEnd;
    marker->setText(m_ui->edtEnd->text() + QStringLiteral(" ]"));
    marker->adjustSize();
    marker->move(EndMarkerLeft(bar->selEnd(), bar->maximum(), bar->width(), bar->x(), marker->width()), marker->y());
    StaggerEndMarker();
    marker->show();
}

void TMainForm::StaggerEndMarker()
{
    QLabel* end = m_ui->labEnd;
    end->move(end->x(), EndMarkerTop(m_ui->labStart->geometry(), end->geometry()));
}

void TMainForm::ShowRangeLength(double lengthSeconds)
{
    const DSTrackBar* bar = m_ui->tkbProgress;
    m_ui->labLength->setText(RangeLengthText(bar->selStart(), bar->selEnd(), lengthSeconds));
    m_ui->labLength->show();
}
