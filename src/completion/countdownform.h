#pragma once

#include "platform/appcontext.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TCountDownForm;
}

class TCountDownForm final : public QDialog
{
    Q_OBJECT

public:
    TCountDownForm(const AppContext& context, QWidget* mainWindow);
    ~TCountDownForm() override;

private:
    const AppContext& m_context;
    std::unique_ptr<Ui::TCountDownForm> m_ui;
};
