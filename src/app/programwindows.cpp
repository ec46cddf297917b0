#include "app/programwindows.h"

#include "about/aboutform.h"
#include "app/mainform.h"
#include "completion/countdownform.h"
#include "prefs/settingform.h"
#include "profiles/opsettingform.h"
#include "profiles/sizeform.h"

template <typename Window> Window* ProgramWindows::keep(std::unique_ptr<Window>& slot, std::unique_ptr<Window> window)
{
    slot = std::move(window);
    m_creationOrder.push_back(slot.get());
    return slot.get();
}

ProgramWindows::ProgramWindows(const QString& appDir, const QStringList& arguments)
{
    TMainForm* main = keep(m_mainForm, std::make_unique<TMainForm>(appDir, arguments));
    const AppContext& context = main->context();
    TSettingForm* settings =
        keep(m_settingForm, std::make_unique<TSettingForm>(context, main, main->preferenceControls()));
    main->attachSettingForm(settings);
    keep(m_countDownForm, std::make_unique<TCountDownForm>(context, main));
    main->setAboutForm(keep(m_aboutForm, std::make_unique<TAboutForm>(context, main)));
    TopSettingForm* editor =
        keep(m_opSettingForm, std::make_unique<TopSettingForm>(context, main, main->profileNames()));
    TSizeForm* sizeForm =
        keep(m_sizeForm, std::make_unique<TSizeForm>(context, main, editor->model().Rows(ProfileGrid::Video)));
    QObject::connect(editor, &TopSettingForm::CustomSizeChosen, sizeForm, [sizeForm] {
        sizeForm->show();
        sizeForm->raise();
        sizeForm->activateWindow();
    });
    main->attachProfileEditor(editor);
}

ProgramWindows::~ProgramWindows()
{
    m_sizeForm.reset();
    m_opSettingForm.reset();
    m_aboutForm.reset();
    m_countDownForm.reset();
    m_settingForm.reset();
    m_mainForm.reset();
}
