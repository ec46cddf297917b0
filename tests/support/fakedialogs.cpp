#include "support/fakedialogs.h"

#include <QApplication>

FakeDialogs::FakeDialogs()
{
    Dialogs::install(this);
}

FakeDialogs::~FakeDialogs()
{
    Dialogs::install(nullptr);
}

void FakeDialogs::inform(QWidget* owner, const QString& caption, const QString& text)
{
    boxes.push_back({Kind::Inform, owner, caption, text});
}

bool FakeDialogs::ask(QWidget* owner, const QString& caption, const QString& text)
{
    boxes.push_back({Kind::Ask, owner, caption, text});
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDialogs::plain(QWidget* owner, const QString& text)
{
    boxes.push_back({Kind::Plain, owner, QApplication::applicationDisplayName(), text});
}

void FakeDialogs::error(QWidget* owner, const QString& text)
{
    boxes.push_back({Kind::Error, owner, QApplication::applicationDisplayName(), text});
}

void FakeDialogs::error(QWidget* owner, const QString& caption, const QString& text)
{
    boxes.push_back({Kind::Error, owner, caption, text});
}
