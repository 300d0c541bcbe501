#pragma once

// What the timing programs share: message boxes printed instead of shown, and the report lines.
#include "datagen.h"
#include "db/connection.h"
#include "ui/dialogs.h"
#include "ui/session.h"

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

// An operator's session over the benchmark database, with no Path.ini and the real clock.
struct BenchSession {
    explicit BenchSession(Connection& conn)
        : session(conn, ini, clock, dialogs, opener)
    {
        session.setOperatorLabel(QStringLiteral("BENCH"));
    }
    PathIni ini { QStringLiteral("/nonexistent/Path.ini") };
    SystemClock clock;
    QuietDialogs dialogs;
    ModalWindowOpener opener;
    Session session;
};

// The options every timing program takes: the server (--host, --port, --user, --password,
// --database) and the generated office (--holders, --fresh).
inline void addBenchOptions(QCommandLineParser& args)
{
    args.addOptions({ { QStringLiteral("host"), QStringLiteral("server"), QStringLiteral("host"),
                          QStringLiteral("127.0.0.1") },
        { QStringLiteral("port"), QStringLiteral("port"), QStringLiteral("port"), QStringLiteral("3306") },
        { QStringLiteral("user"), QStringLiteral("user"), QStringLiteral("user"), QStringLiteral("zova") },
        { QStringLiteral("password"), QStringLiteral("password"), QStringLiteral("password"),
            QStringLiteral("zova") },
        { QStringLiteral("database"), QStringLiteral("database"), QStringLiteral("name"),
            QStringLiteral("zova_bench") },
        { QStringLiteral("holders"), QStringLiteral("holders to generate"), QStringLiteral("n"),
            QStringLiteral("100000") },
        { QStringLiteral("fresh"), QStringLiteral("regenerate the data") } });
}

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

// Opens the benchmark database, generating the office on first use (kept for later runs).
inline void openBenchDatabase(Connection& conn, const QCommandLineParser& args)
{
    prepareDatabase(conn, serverParams(args), args.isSet(QStringLiteral("fresh")));
    if (conn.query(QStringLiteral("select count(*) from clientes")).integer(0, 0) == 0) {
        DataGenOptions options;
        options.holders = args.value(QStringLiteral("holders")).toInt();
        const DataGenReport r = generateData(conn, options);
        std::printf("generated %lld rows in %lld ms\n", static_cast<long long>(r.totalRows()),
            static_cast<long long>(r.elapsedMs));
    }
}

inline double msSince(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

} // namespace zova::bench
