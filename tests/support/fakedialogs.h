#pragma once

#include "platform/dialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <vector>

// Records every box and answers questions from a queue (No when the queue is empty).
// Installs itself for its lifetime.
class FakeDialogs final : public Dialogs
{
public:
    enum class Kind
    {
        Inform,
        Ask,
        Plain,
        Error,
    };
    struct Box
    {
        Kind kind;
        QPointer<QWidget> owner;
        QString caption;
        QString text;
    };

    FakeDialogs();
    ~FakeDialogs() override;

    void inform(QWidget* owner, const QString& caption, const QString& text) override;
    bool ask(QWidget* owner, const QString& caption, const QString& text) override;
    void plain(QWidget* owner, const QString& text) override;
    void error(QWidget* owner, const QString& text) override;
    void error(QWidget* owner, const QString& caption, const QString& text) override;

    std::vector<Box> boxes;
    std::deque<bool> answers;
};
