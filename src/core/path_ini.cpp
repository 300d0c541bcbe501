#include "core/path_ini.h"

#include <QFile>
#include <QStringDecoder>
#include <ini.h>

using namespace Qt::StringLiterals;

namespace zova {

namespace {
// Windows editors save Path.ini in the ANSI code page; accept that as well as UTF-8.
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

int handler(void* user, const char* section, const char* name, const char* value)
{
    auto& all = *static_cast<std::map<QString, PathIni::Section>*>(user);
    auto& sec = all[QString::fromUtf8(section).toLower()];
    sec.try_emplace(QString::fromUtf8(name).toLower(), QString::fromUtf8(value));
    return 1;
}
} // namespace

PathIni::PathIni(QString filePath)
    : m_filePath(std::move(filePath))
{
}

bool PathIni::exists() const
{
    return QFile::exists(m_filePath);
}

std::map<QString, PathIni::Section> PathIni::readAll() const
{
    std::map<QString, Section> all;
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return all;
    const QByteArray utf8 = decode(file.readAll()).toUtf8();
    ini_parse_string(utf8.constData(), handler, &all);
    return all;
}

QString PathIni::value(const QString& section, const QString& key) const
{
    const auto all = readAll();
    const auto sec = all.find(section.toLower());
    if (sec == all.end())
        return {};
    const auto it = sec->second.find(key.toLower());
    return it == sec->second.end() ? QString() : it->second;
}

int PathIni::intValue(const QString& section, const QString& key) const
{
    const QString text = value(section, key).trimmed();
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) {
        throw ConfigError(text.isEmpty()
                ? u"Path.ini: a chave \"%1\" da seção [%2] está ausente; informe um número inteiro."_s.arg(
                    key, section)
                : u"Path.ini: a chave \"%1\" da seção [%2] deve ser um número inteiro (valor lido: \"%3\")."_s
                      .arg(key, section, text));
    }
    return n;
}

int PathIni::intValue(const QString& section, const QString& key, int fallback) const
{
    if (value(section, key).trimmed().isEmpty())
        return fallback;
    return intValue(section, key);
}

QString PathIni::LeIni(const QString& selector) const
{
    if (selector == u"FANTASIA"_s)
        return value(u"Empresa"_s, u"Fantasia"_s);
    if (selector == u"SUBTITULO"_s)
        return value(u"Empresa"_s, u"Subtitulo"_s);
    return {};
}

} // namespace zova
