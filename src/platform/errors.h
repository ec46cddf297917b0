#pragma once

#include <QString>
#include <stdexcept>

// An error that an operation does not handle itself. Event handlers catch it at their boundary and show
// its text in the general error box; it never crosses the Qt event loop.
class BrindlecutError : public std::runtime_error
{
public:
    explicit BrindlecutError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const noexcept { return m_text; }

private:
    QString m_text;
};

// "Unable to write to %s": an INI write the file system refused.
class IniWriteError final : public BrindlecutError
{
public:
    explicit IniWriteError(const QString& path)
        : BrindlecutError(QStringLiteral("Unable to write to %1").arg(path)), m_path(path)
    {}
    const QString& path() const noexcept { return m_path; }

private:
    QString m_path;
};
