#pragma once

#include <QString>
#include <stdexcept>

namespace zova {

// A failed network operation (FTP or HTTP). message() holds libcurl's own error text, or ours
// when the failure was on the local side (file missing, disk full).
class NetError : public std::runtime_error {
public:
    explicit NetError(QString message, int curlCode = 0)
        : std::runtime_error(message.toStdString())
        , m_message(std::move(message))
        , m_curlCode(curlCode)
    {
    }
    const QString& message() const { return m_message; }
    // The CURLcode, or 0 when libcurl was not the one that failed.
    int curlCode() const { return m_curlCode; }

private:
    QString m_message;
    int m_curlCode;
};

} // namespace zova
