#include "app/config.h"

#include "net/http_client.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace zova {

ConnectionParams connectionParams(const PathIni& ini)
{
    ConnectionParams p;
    p.host = ini.value(u"Conexao"_s, u"HostName"_s).trimmed();
    p.database = ini.value(u"Conexao"_s, u"Database"_s).trimmed();
    p.user = ini.value(u"Conexao"_s, u"User_Name"_s).trimmed();
    p.password = ini.value(u"Conexao"_s, u"Password"_s);
    p.port = static_cast<unsigned>(ini.intValue(u"Conexao"_s, u"Port"_s, 0));
    p.socket = ini.value(u"Conexao"_s, u"Socket"_s).trimmed();
    return p;
}

QString programFolder(const PathIni& ini)
{
    return QFileInfo(ini.filePath()).absolutePath();
}

QString ipEchoUrl(const PathIni& ini)
{
    const QString url = ini.value(u"Internet"_s, u"PaginaIP"_s).trimmed();
    return url.isEmpty() ? kDefaultIpEchoUrl.toString() : url;
}

} // namespace zova
