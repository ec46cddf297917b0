#pragma once

#include "platform/inifile.h"
#include "profiles/profileparameter.h"

#include <QString>
#include <cstdint>

// A profile file (".apf"): the output type in "Main", and the parameters named by the numbered keys of
// "Main", each described by its own section. Read and written key by key; a refused write throws
// IniWriteError.
class ProfileFile final
{
public:
    explicit ProfileFile(const QString& path);

    const QString& path() const { return m_ini.FileName(); }
    bool exists() const;

    // "." followed by "Type" exactly as written ("mp4" when absent).
    QString OutputExt() const;
    // "Para"; 0 when absent, not a number, or below 1.
    std::int32_t ParameterCount() const;
    ProfileParameter Parameter(std::int32_t position) const;

    void WriteIndex(const QString& section, std::int32_t index);
    // An editable free value is stored as both its caption and its value.
    void WriteFreeValue(const QString& section, const QString& value);

private:
    IniFile m_ini;
};
