#include "core/path_ini.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct IniFile {
    QTemporaryDir dir;
    QString path = dir.filePath(u"Path.ini"_s);
    explicit IniFile(const QByteArray& text)
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
};
} // namespace

TEST(PathIni, SectionsAreReadAsSectionsWhateverTheirOrder)
{
    // The FTP section first: its Password must not become the database one.
    IniFile ini(
        "[FTP]\nHost=ftp.example\nPassword=ftp-secret\n\n[Conexao]\nHostName=db\nPassword=db-secret\n");
    zova::PathIni p(ini.path);
    EXPECT_EQ(p.value(u"Conexao"_s, u"Password"_s), u"db-secret"_s);
    EXPECT_EQ(p.value(u"FTP"_s, u"Password"_s), u"ftp-secret"_s);
}

TEST(PathIni, NamesIgnoreLetterCaseAndMissingKeysReadEmpty)
{
    IniFile ini(
        "[caminhos]\nCaminhoOp=C:\\Zova\\\n[EMPRESA]\nFantasia=FUNERÁRIA SÃO JOSÉ\nSubtitulo=Plano\n");
    zova::PathIni p(ini.path);
    EXPECT_EQ(p.value(u"Caminhos"_s, u"CaminhoOP"_s), u"C:\\Zova\\"_s);
    EXPECT_EQ(p.value(u"CAMINHOS"_s, u"caminhoop"_s), u"C:\\Zova\\"_s);
    EXPECT_EQ(p.value(u"Caminhos"_s, u"CaminhoDb"_s), QString());
    EXPECT_EQ(p.value(u"Nada"_s, u"Nada"_s), QString());
    EXPECT_EQ(p.LeIni(u"FANTASIA"_s), u"FUNERÁRIA SÃO JOSÉ"_s);
    EXPECT_EQ(p.LeIni(u"SUBTITULO"_s), u"Plano"_s);
    EXPECT_EQ(p.LeIni(u"OUTRO"_s), QString());
}

TEST(PathIni, ReadAgainAtEveryUseAndAcceptsAnsiText)
{
    IniFile ini("[Empresa]\nFantasia=A\n");
    zova::PathIni p(ini.path);
    EXPECT_EQ(p.LeIni(u"FANTASIA"_s), u"A"_s);
    QFile f(ini.path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Empresa]\nFantasia=S\xC3O\n"); // Latin-1 "SÃO", as Windows editors save it
    f.close();
    EXPECT_EQ(p.LeIni(u"FANTASIA"_s), u"SÃO"_s);
}

TEST(PathIni, WholeNumbersAreReportedClearlyWhenMalformed)
{
    IniFile ini("[FTP]\nPorta=21\nPassive=x1\n");
    zova::PathIni p(ini.path);
    EXPECT_EQ(p.intValue(u"FTP"_s, u"Porta"_s), 21);
    try {
        p.intValue(u"FTP"_s, u"Passive"_s);
        FAIL() << "a malformed Passive was accepted";
    } catch (const zova::ConfigError& e) {
        EXPECT_TRUE(e.message().contains(u"\"Passive\""_s));
        EXPECT_TRUE(e.message().contains(u"[FTP]"_s));
        EXPECT_TRUE(e.message().contains(u"x1"_s));
    }
    EXPECT_THROW(p.intValue(u"FTP"_s, u"Nada"_s), zova::ConfigError);
    EXPECT_EQ(p.intValue(u"FTP"_s, u"Nada"_s, 7), 7);
}
