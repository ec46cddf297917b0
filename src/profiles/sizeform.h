#pragma once

#include "platform/appcontext.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TSizeForm;
}

class TSizeForm final : public QDialog
{
    Q_OBJECT

public:
    TSizeForm(const AppContext& context, QWidget* mainWindow);
    ~TSizeForm() override;

private:
    const AppContext& m_context;
    std::unique_ptr<Ui::TSizeForm> m_ui;
};
