#pragma once

#include "prefs/folderdialog.h"

#include <QPointer>
#include <QWidget>
#include <deque>
#include <vector>

// Records every folder request and answers from a queue (Cancel when the queue is empty).
// Installs itself for its lifetime.
class FakeFolderDialog final : public FolderDialog
{
public:
    struct Request
    {
        QPointer<QWidget> owner;
        QString title;
        QString root;
        QString initialFolder;
    };

    FakeFolderDialog() { FolderDialog::install(this); }
    ~FakeFolderDialog() override { FolderDialog::install(nullptr); }

    std::optional<QString> choose(QWidget* owner, const QString& title, const QString& root,
                                  const QString& initialFolder) override
    {
        requests.push_back({owner, title, root, initialFolder});
        if (answers.empty())
            return std::nullopt;
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Request> requests;
    std::deque<std::optional<QString>> answers; // nothing stands for Cancel
};
