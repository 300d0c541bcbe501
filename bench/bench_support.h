#pragma once

// What the timing programs share: message boxes printed instead of shown, and the report lines.
#include "db/connection.h"
#include "ui/dialogs.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace zova::bench {

class QuietDialogs final : public Dialogs {
public:
    void message(Icon, const QString& caption, const QString& text) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
    }
    bool question(const QString&, const QString&) override { return false; }
};

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

inline void report(const char* what, const std::vector<double>& ms)
{
    std::printf("%-34s median %7.2f ms   max %7.2f ms   (%zu runs)\n", what, median(ms),
        ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()), ms.size());
}

// The server options every timing program takes (--host, --port, --user, --password, --database).
inline ConnectionParams serverParams(const QCommandLineParser& args)
{
    ConnectionParams p;
    p.host = args.value(QStringLiteral("host"));
    p.port = args.value(QStringLiteral("port")).toUInt();
    p.user = args.value(QStringLiteral("user"));
    p.password = args.value(QStringLiteral("password"));
    p.database = args.value(QStringLiteral("database"));
    return p;
}

inline double msSince(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

} // namespace zova::bench
