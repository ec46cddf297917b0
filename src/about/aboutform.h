#pragma once

#include "platform/appcontext.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutForm;
}

class TAboutForm final : public QDialog
{
    Q_OBJECT

public:
    TAboutForm(const AppContext& context, QWidget* mainWindow);
    ~TAboutForm() override;

private:
    const AppContext& m_context;
    std::unique_ptr<Ui::TAboutForm> m_ui;
};
