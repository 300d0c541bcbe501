#include "net/ftp_settings.h"

#include "core/path_ini.h"

using namespace Qt::StringLiterals;

namespace zova {

FtpSettings ftpSettingsFromIni(const PathIni& ini)
{
    const QString section = u"FTP"_s;
    FtpSettings s;
    s.host = ini.value(section, u"Host"_s).trimmed();
    s.port = ini.intValue(section, u"Porta"_s);
    if (s.port < 1 || s.port > 65535) {
        throw ConfigError(
            u"Path.ini: a chave \"Porta\" da seção [FTP] deve estar entre 1 e 65535 (valor lido: \"%1\")."_s
                .arg(s.port));
    }
    s.user = ini.value(section, u"Username"_s);
    s.password = ini.value(section, u"Password"_s);
    s.passive = ini.intValue(section, u"Passive"_s) == 0;
    return s;
}

} // namespace zova
