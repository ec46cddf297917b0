#include "platform/errors.h"
#include "platform/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

#ifdef Q_OS_WIN
const QByteArray kNewFileLineEnding = "\r\n";
#else
const QByteArray kNewFileLineEnding = "\n";
#endif

class IniFileTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString& name = QStringLiteral("test.ini")) const { return m_dir.filePath(name); }

    QString write(const QByteArray& content, const QString& name = QStringLiteral("test.ini")) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(content), content.size());
        return file.fileName();
    }

    static QByteArray read(const QString& filePath)
    {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir m_dir;
};

const QByteArray kSample = "Orphan=before any section\n"
                           "; a comment\n"
                           "[Main]\n"
                           "Type = mp4\n"
                           ";Hidden=1\n"
                           "  ; Indented=1\n"
                           "Empty=\n"
                           "Quoted = \" spaced value \"\n"
                           "Single='x'\n"
                           "Mismatch=\"x'\n"
                           "Lone=\"\n"
                           "Inner=a \"b\" c\n"
                           "NoEquals line\n"
                           "Dup=first\n"
                           "dup=second\n"
                           "\tTabbed\t=\tvalue\t\n"
                           "Path=C:\\Out\\=x\n"
                           "  [ Spaced Section ]  \n"
                           "Key=in spaced\n"
                           "[main]\n"
                           "Type=second main section\n"
                           "Later=only in the second\n"
                           "[Numbers]\n"
                           "Dec=42\n"
                           "Hex=$1F\n"
                           "Hex2=0x10\n"
                           "Neg= -5\n"
                           "Word=yes\n"
                           "Blank=\n"
                           "Big=2147483648\n"
                           "Quoted=\"7\"\n"
                           "Trail=7 ; not a comment\n"
                           "Two=2\n"
                           "Zero=0\n";

TEST_F(IniFileTest, ReadsStringsWithThePrivateProfileRules)
{
    const IniFile ini(write(kSample));
    const struct
    {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Main", "Type", "mp4"},
        {"MAIN", "tYPE", "mp4"},
        {" Main ", " Type ", "mp4"},
        {"Main", "Empty", ""},
        {"Main", "Absent", "<default>"},
        {"Absent", "Type", "<default>"},
        {"Main", "Orphan", "<default>"},
        {"Main", "Hidden", "<default>"},
        {"Main", "; Indented", "<default>"},
        {"Main", "Quoted", " spaced value "},
        {"Main", "Single", "x"},
        {"Main", "Mismatch", "\"x'"},
        {"Main", "Lone", "\""},
        {"Main", "Inner", "a \"b\" c"},
        {"Main", "NoEquals line", "<default>"},
        {"Main", "Dup", "first"},
        {"Main", "Tabbed", "value"},
        {"Main", "Path", "C:\\Out\\=x"},
        {"Main", "Later", "<default>"},
        {"spaced section", "key", "in spaced"},
        {"Numbers", "Trail", "7 ; not a comment"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.section << '/' << c.key);
        EXPECT_EQ(
            ini.ReadString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), QStringLiteral("<default>")),
            QString::fromLatin1(c.expected));
    }
}

TEST_F(IniFileTest, ReadsIntegersAndBooleansByTheIntegerRule)
{
    const IniFile ini(write(kSample));
    const struct
    {
        const char* key;
        std::int32_t expected; // with the default -99
    } cases[] = {
        {"Dec", 42},  {"Hex", 31},   {"Hex2", 16},   {"Neg", -5},     {"Word", -99}, {"Blank", -99},
        {"Big", -99}, {"Quoted", 7}, {"Trail", -99}, {"Absent", -99}, {"Two", 2},    {"Zero", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const QString key = QString::fromLatin1(c.key);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("numbers"), key, -99), c.expected);
        // A boolean is an integer, and text that is none gives the default.
        const bool isInteger = c.expected != -99;
        EXPECT_EQ(ini.ReadBool(QStringLiteral("Numbers"), key, true), isInteger ? c.expected != 0 : true);
        EXPECT_EQ(ini.ReadBool(QStringLiteral("Numbers"), key, false), isInteger ? c.expected != 0 : false);
    }
}

TEST_F(IniFileTest, ListsSectionsAndKeysOfTheFirstMatchingSection)
{
    const IniFile ini(write(kSample));
    EXPECT_EQ(ini.ReadSections(),
              QStringList({QStringLiteral("Main"), QStringLiteral("Spaced Section"), QStringLiteral("Numbers")}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("main")),
              QStringList({QStringLiteral("Type"), QStringLiteral("Empty"), QStringLiteral("Quoted"),
                           QStringLiteral("Single"), QStringLiteral("Mismatch"), QStringLiteral("Lone"),
                           QStringLiteral("Inner"), QStringLiteral("Dup"), QStringLiteral("Tabbed"),
                           QStringLiteral("Path")}));
    EXPECT_TRUE(ini.ReadSection(QStringLiteral("Absent")).isEmpty());
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("NUMBERS")));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Absent")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("Main"), QStringLiteral("empty")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Main"), QStringLiteral("NoEquals line")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Main"), QStringLiteral("Later")));
}

TEST_F(IniFileTest, AcceptsEveryLineEndingAndAByteOrderMark)
{
    const QByteArray contents[] = {
        "[Main]\nA=1\nB=two\n",
        "[Main]\r\nA=1\r\nB=two\r\n",
        "[Main]\rA=1\rB=two\r",
        "\xEF\xBB\xBF[Main]\r\nA=1\r\nB=two",
        "\xEF\xBB\xBF[Main]\nA=1\r\nB=two\r",
    };
    for (const QByteArray& content : contents) {
        SCOPED_TRACE(content.toStdString());
        const IniFile ini(write(content));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("A"), 0), 1);
        EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("B"), QString()), QStringLiteral("two"));
    }
}

TEST_F(IniFileTest, CutsTextValuesTo2047Characters)
{
    const QString e = QStringLiteral("\u00e9");
    const struct
    {
        QString value;
        QString expected;
    } cases[] = {
        {QString(2047, QLatin1Char('x')), QString(2047, QLatin1Char('x'))},
        {QString(3000, QLatin1Char('x')), QString(2047, QLatin1Char('x'))},
        {QLatin1Char('"') + QString(2047, QLatin1Char('y')) + QLatin1Char('"'), QString(2047, QLatin1Char('y'))},
        {e.repeated(2100), e.repeated(2047)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.size());
        const IniFile ini(write("[Main]\nLong=" + c.value.toUtf8() + "\n"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Long"), QString()), c.expected);
    }
}

struct WriteCase
{
    const char* name;
    QByteArray before;
    const char* section;
    const char* key;
    const char* value;
    QByteArray after;
};

TEST_F(IniFileTest, WriteChangesOnlyTheBytesOfOneValue)
{
    const QByteArray prefs = "; Brindlecut preferences\r\n"
                             "[Main]\r\n"
                             "Overwrite = 1\r\n"
                             "  Auto Exit=1  \r\n"
                             "Output Dir=\r\n"
                             "overwrite=1\r\n"
                             "; end of Main\r\n"
                             "\r\n"
                             "[Default]\r\n"
                             "Overwrite=1\r\n";
    const WriteCase cases[] = {
        {"replace keeps the key text and blanks", prefs, "main", "OVERWRITE", "0",
         "; Brindlecut preferences\r\n[Main]\r\nOverwrite = 0\r\n  Auto Exit=1  \r\nOutput Dir=\r\noverwrite=1\r\n"
         "; end of Main\r\n\r\n[Default]\r\nOverwrite=1\r\n"},
        {"replace drops trailing blanks", prefs, "Main", "Auto Exit", "0",
         "; Brindlecut preferences\r\n[Main]\r\nOverwrite = 1\r\n  Auto Exit=0\r\nOutput Dir=\r\noverwrite=1\r\n"
         "; end of Main\r\n\r\n[Default]\r\nOverwrite=1\r\n"},
        {"replace an empty value", prefs, "Main", "Output Dir", "/home/me/Videos/",
         "; Brindlecut preferences\r\n[Main]\r\nOverwrite = 1\r\n  Auto Exit=1  \r\nOutput Dir=/home/me/Videos/\r\n"
         "overwrite=1\r\n; end of Main\r\n\r\n[Default]\r\nOverwrite=1\r\n"},
        {"replace in a later section", prefs, "Default", "Overwrite", "0",
         "; Brindlecut preferences\r\n[Main]\r\nOverwrite = 1\r\n  Auto Exit=1  \r\nOutput Dir=\r\noverwrite=1\r\n"
         "; end of Main\r\n\r\n[Default]\r\nOverwrite=0\r\n"},
        {"add after the last key of the section", prefs, "Main", "Profile", "3",
         "; Brindlecut preferences\r\n[Main]\r\nOverwrite = 1\r\n  Auto Exit=1  \r\nOutput Dir=\r\noverwrite=1\r\n"
         "Profile=3\r\n; end of Main\r\n\r\n[Default]\r\nOverwrite=1\r\n"},
        {"add a section", prefs, " Extra ", " Key ", "v",
         "; Brindlecut preferences\r\n[Main]\r\nOverwrite = 1\r\n  Auto Exit=1  \r\nOutput Dir=\r\noverwrite=1\r\n"
         "; end of Main\r\n\r\n[Default]\r\nOverwrite=1\r\n[Extra]\r\nKey=v\r\n"},
        {"add to a section without keys", "[Main]\n; none yet\n[Other]\nB=2\n", "Main", "A", "1",
         "[Main]\nA=1\n; none yet\n[Other]\nB=2\n"},
        {"add after a last line without line ending", "[Main]\nA=1", "Main", "B", "2", "[Main]\nA=1\nB=2"},
        {"add a section after a last line without line ending", "[Main]\r\nA=1", "Other", "B", "2",
         "[Main]\r\nA=1\r\n[Other]\r\nB=2\r\n"},
        {"add a section to an empty file", "", "Main", "A", "1",
         "[Main]" + kNewFileLineEnding + "A=1" + kNewFileLineEnding},
        {"keep a byte-order mark", "\xEF\xBB\xBF[Main]\r\nA=1\r\n", "Main", "A", "2", "\xEF\xBB\xBF[Main]\r\nA=2\r\n"},
        {"keep a lone CR file's line ending", "[Main]\rA=1\r", "Main", "B", "2", "[Main]\rA=1\rB=2\r"},
        {"write UTF-8", "[Main]\nA=1\n", "Main", "A", "Vid\xC3\xA9os", "[Main]\nA=Vid\xC3\xA9os\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = write(c.before);
        const QString value = QString::fromUtf8(c.value);
        IniFile ini(file);
        ini.WriteString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), value);
        EXPECT_EQ(read(file), c.after);
        EXPECT_EQ(ini.ReadString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), QString()), value);
        EXPECT_EQ(IniFile(file).ReadString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), QString()),
                  value);
    }
}

TEST_F(IniFileTest, WritesCreateAMissingFileAndBuildOnEachOther)
{
    const QString file = path(QStringLiteral("Preferences.ini"));
    IniFile ini(file);
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Main"), QStringLiteral("Overwrite"), true));
    ini.WriteBool(QStringLiteral("Main"), QStringLiteral("Overwrite"), false);
    ini.WriteInteger(QStringLiteral("Main"), QStringLiteral("Profile"), -1);
    ini.WriteBool(QStringLiteral("Main"), QStringLiteral("overwrite"), true);

    const QByteArray& eol = kNewFileLineEnding;
    EXPECT_EQ(read(file), "[Main]" + eol + "Overwrite=1" + eol + "Profile=-1" + eol);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("Profile"), 0), -1);
}

TEST_F(IniFileTest, WriteKeepsTheFilePermissions)
{
    const QString file = write("[Main]\nA=1\n");
    const QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                 QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(file, permissions));
    IniFile(file).WriteString(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("2"));
    EXPECT_EQ(QFileInfo(file).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              permissions & ~(QFileDevice::ReadUser | QFileDevice::WriteUser));
}

TEST_F(IniFileTest, RefusedWritesThrowAndChangeNothing)
{
    const QByteArray content = "[Main]\r\nA=1 ; kept\r\n";
    const QString readOnly = write(content, QStringLiteral("readonly.ini"));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                    QFileDevice::ReadOther | QFileDevice::ReadUser));
    const QString plainFile = write("not a folder", QStringLiteral("plain"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.ini")));

    const QString targets[] = {
        readOnly,                                       // no write permission, refused even for root
        plainFile + QStringLiteral("/Preferences.ini"), // a parent that is a file
        path(QStringLiteral("folder.ini")),             // a folder
        path(QStringLiteral("absent/Preferences.ini")), // a parent that does not exist
    };
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const QByteArray before = read(target);
        IniFile ini(target);
        const QString valueBefore = ini.ReadString(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("-"));
        try {
            ini.WriteString(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("2"));
            ADD_FAILURE() << "the write was not refused";
        } catch (const IniWriteError& error) {
            EXPECT_EQ(error.text(), QStringLiteral("Unable to write to ") + target);
            EXPECT_EQ(error.path(), target);
        }
        EXPECT_EQ(read(target), before);
        EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("-")), valueBefore);
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("absent"))));
}

TEST_F(IniFileTest, ReadOnlyFolderRefusesTheWrite)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder";
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("locked")));
    const QString file = write("[Main]\nA=1\n", QStringLiteral("locked/Preferences.ini"));
    const QString folder = path(QStringLiteral("locked"));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    bool refused = false;
    try {
        IniFile(file).WriteString(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("2"));
    } catch (const IniWriteError&) {
        refused = true;
    }
    // Writable again, so the temporary folder can go.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(refused);
    EXPECT_EQ(read(file), "[Main]\nA=1\n");
}

} // namespace
