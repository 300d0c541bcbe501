#pragma once

#include <QString>
#include <map>
#include <stdexcept>

namespace zova {

class ConfigError : public std::runtime_error {
public:
    explicit ConfigError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Path.ini: read again at every use (nothing cached), section and key names without regard
// to letter case, a missing key reads as the empty text. The program never writes it.
class PathIni {
public:
    explicit PathIni(QString filePath);

    const QString& filePath() const { return m_filePath; }
    bool exists() const;

    QString value(const QString& section, const QString& key) const;
    // Whole number; empty or malformed values raise ConfigError naming section, key and text.
    int intValue(const QString& section, const QString& key) const;
    // Whole number, or the fallback when the key is missing or empty (malformed still raises).
    int intValue(const QString& section, const QString& key, int fallback) const;

    // The trade name for "FANTASIA", the subtitle for "SUBTITULO", empty for anything else.
    QString LeIni(const QString& selector) const;

    using Section = std::map<QString, QString>;
    // All sections, names folded to lower case; the first occurrence of a key wins.
    std::map<QString, Section> readAll() const;

private:
    QString m_filePath;
};

} // namespace zova
