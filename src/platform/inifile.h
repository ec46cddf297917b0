#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// An INI file read and written key by key, with the rules of the platform's private-profile functions:
// names match without regard to case; an absent key gives the caller's default, a present empty one the
// empty text; blanks around a value and one pair of enclosing quotes are dropped; text values are cut to
// 2047 characters; integers follow the integer rule, and a value that breaks it counts as absent.
// A write replaces one key's value (adding the key or the section when needed), keeps every other byte of
// the file, and goes through a temporary file that replaces the old one. A refused write throws IniWriteError.
class IniFile final
{
public:
    explicit IniFile(QString path);

    const QString& FileName() const { return m_path; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    std::int32_t ReadInteger(const QString& section, const QString& key, std::int32_t defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    bool SectionExists(const QString& section) const; // a header of that name, with or without keys
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList ReadSection(const QString& section) const; // key names, in file order
    QStringList ReadSections() const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, std::int32_t value);
    void WriteBool(const QString& section, const QString& key, bool value); // "1" or "0"

private:
    void load() const;

    QString m_path;
    mutable QByteArray m_content;
    mutable bool m_loaded = false;
};
