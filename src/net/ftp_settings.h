#pragma once

#include <QString>

namespace zova {

class PathIni;

// How every FTP use connects: taken afresh from Path.ini's "FTP" section each time.
struct FtpSettings {
    QString host;
    int port = 21;
    QString user;
    QString password;
    bool passive = true;
    int connectTimeoutMs = 5000;
    int receiveBufferSize = 8192;
};

// Host, Porta, Username, Password and Passive ("0" = passive, any other whole number = active).
// A missing or malformed Porta or Passive raises ConfigError.
FtpSettings ftpSettingsFromIni(const PathIni& ini);

} // namespace zova
