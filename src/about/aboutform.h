#pragma once

#include "platform/appcontext.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class TAboutForm;
}

// The program's name and version, the maker's notice and links to the maker's pages.
class TAboutForm final : public QDialog
{
    Q_OBJECT

public:
    TAboutForm(const AppContext& context, QWidget* mainWindow);
    ~TAboutForm() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void btnOKClick();
    void labWebsiteClick();
    void labMoreClick();
    void Label8Click();
    void Label9Click();
    void Label10Click();
    // Labels size themselves to their texts; a link that follows a text moves right when the text needs more room.
    void fitLabels();

    const AppContext& m_context;
    QWidget* m_mainWindow;
    std::unique_ptr<Ui::TAboutForm> m_ui;
};
