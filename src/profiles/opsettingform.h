#pragma once

#include "platform/appcontext.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TopSettingForm;
}

class TopSettingForm final : public QDialog
{
    Q_OBJECT

public:
    TopSettingForm(const AppContext& context, QWidget* mainWindow);
    ~TopSettingForm() override;

private:
    const AppContext& m_context;
    std::unique_ptr<Ui::TopSettingForm> m_ui;
};
