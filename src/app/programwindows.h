#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QWidget;
class TMainForm;
class TSettingForm;
class TCountDownForm;
class TAboutForm;
class TopSettingForm;
class TSizeForm;

// The program's six windows, created once in a fixed order and kept until the end: the Settings window
// and the profile editor rely on the main window's profile list being filled first.
class ProgramWindows final
{
public:
    ProgramWindows(const QString& appDir, const QStringList& arguments);
    ~ProgramWindows();

    TMainForm& mainForm() const { return *m_mainForm; }
    TSettingForm& settingForm() const { return *m_settingForm; }
    TCountDownForm& countDownForm() const { return *m_countDownForm; }
    TAboutForm& aboutForm() const { return *m_aboutForm; }
    TopSettingForm& opSettingForm() const { return *m_opSettingForm; }
    TSizeForm& sizeForm() const { return *m_sizeForm; }

    // The windows in the order they were created.
    const std::vector<QWidget*>& creationOrder() const { return m_creationOrder; }

private:
    template <typename Window> Window* keep(std::unique_ptr<Window>& slot, std::unique_ptr<Window> window);

    std::vector<QWidget*> m_creationOrder;
    // Destroyed in reverse: the secondary windows before the main window that parents them.
    std::unique_ptr<TMainForm> m_mainForm;
    std::unique_ptr<TSettingForm> m_settingForm;
    std::unique_ptr<TCountDownForm> m_countDownForm;
    std::unique_ptr<TAboutForm> m_aboutForm;
    std::unique_ptr<TopSettingForm> m_opSettingForm;
    std::unique_ptr<TSizeForm> m_sizeForm;
};
