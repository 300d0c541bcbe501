#pragma once

#include <QString>
#include <stdexcept>

namespace zova {

// A statement or connection failure, carrying the server's (or client library's) own text.
class DbError : public std::runtime_error {
public:
    DbError(unsigned code, QString message)
        : std::runtime_error(message.toStdString())
        , m_code(code)
        , m_message(std::move(message))
    {
    }
    unsigned code() const { return m_code; }
    const QString& message() const { return m_message; }
    bool isDuplicateKey() const { return m_code == 1062; }

private:
    unsigned m_code;
    QString m_message;
};

} // namespace zova
