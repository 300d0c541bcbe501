#pragma once

#include "core/path_ini.h"
#include "db/connection.h"

#include <QString>

namespace zova {

// The database connection from the [Conexao] section: HostName, Database, User_Name, Password,
// and the optional Port and Socket for servers not on the default port.
ConnectionParams connectionParams(const PathIni& ini);

// The folder of the program: Path.ini, the downloaded message, Botoes/, SuporteRemoto/ and the
// updater live there.
QString programFolder(const PathIni& ini);

// The IP-echo page of VerificaInternet: [Internet] PaginaIP, or a public default.
QString ipEchoUrl(const PathIni& ini);

} // namespace zova
