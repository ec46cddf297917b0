#pragma once

#include "platform/appcontext.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TSizeForm;
}
class ValueListRows;

// The custom video size dialog: asks for a width and a height and puts them, as typed, into the "Video Size"
// row of the editor's video grid. The main window is disabled while it shows, so no job starts with a size
// pending; however it closes, a row still showing "Custom Size" goes back to "Original Size".
class TSizeForm final : public QDialog
{
    Q_OBJECT

public:
    // `videoRows` are the rows of the editor's video grid.
    TSizeForm(const AppContext& context, QWidget* mainWindow, ValueListRows& videoRows);
    ~TSizeForm() override;

    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOKClick();
    void btnCancelClick();
    void FormClose();

    const AppContext& m_context;
    QWidget* m_mainWindow;
    ValueListRows& m_videoRows;
    std::unique_ptr<Ui::TSizeForm> m_ui;
};
