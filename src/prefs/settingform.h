#pragma once

#include "platform/appcontext.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TSettingForm;
}

class TSettingForm final : public QDialog
{
    Q_OBJECT

public:
    TSettingForm(const AppContext& context, QWidget* mainWindow);
    ~TSettingForm() override;

private:
    const AppContext& m_context;
    std::unique_ptr<Ui::TSettingForm> m_ui;
};
