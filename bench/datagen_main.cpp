// zova_datagen: fills a ZOVA database with synthetic data for the demo and for benchmarks.

#include "datagen.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {
struct Arguments {
    zova::ConnectionParams connection;
    zova::DataGenOptions options;
    bool fresh = false;
};

[[noreturn]] void usageError(QCommandLineParser& parser, const QString& message)
{
    QTextStream(stderr) << message << u"\n\n"_s << parser.helpText();
    std::exit(2);
}

Arguments parseArguments(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Fills a ZOVA database with synthetic, consistent data."_s);
    parser.addHelpOption();
    const QCommandLineOption host(
        u"host"_s, u"Server host (default 127.0.0.1)."_s, u"host"_s, u"127.0.0.1"_s);
    const QCommandLineOption port(u"port"_s, u"Server port (default 3306)."_s, u"port"_s, u"3306"_s);
    const QCommandLineOption socket(u"socket"_s, u"Unix socket, instead of host and port."_s, u"path"_s);
    const QCommandLineOption user(u"user"_s, u"User (default zova)."_s, u"user"_s, u"zova"_s);
    const QCommandLineOption password(u"password"_s, u"Password."_s, u"password"_s);
    const QCommandLineOption database(
        u"database"_s, u"Database (default zova); created when missing."_s, u"name"_s, u"zova"_s);
    const QCommandLineOption fresh(u"fresh"_s, u"Drop and recreate the database first."_s);
    const QCommandLineOption holders(
        u"holders"_s, u"Number of holders (default 100000; 50 with --demo)."_s, u"n"_s);
    const QCommandLineOption seed(
        u"seed"_s, u"Random seed (default 1): same seed, same data."_s, u"s"_s, u"1"_s);
    const QCommandLineOption today(
        u"today"_s, u"The day taken as today, yyyy-mm-dd (default: the current date)."_s, u"date"_s);
    const QCommandLineOption demo(u"demo"_s, u"A small, friendly data set for trying the program out."_s);
    parser.addOptions({ host, port, socket, user, password, database, fresh, holders, seed, today, demo });
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        usageError(parser, u"Unexpected argument: "_s + parser.positionalArguments().first());

    Arguments a;
    bool ok = true;
    a.connection.host = parser.value(host);
    a.connection.port = parser.value(port).toUInt(&ok);
    if (!ok)
        usageError(parser, u"--port must be a number."_s);
    a.connection.socket = parser.value(socket);
    if (!a.connection.socket.isEmpty() && !parser.isSet(host))
        a.connection.host = u"localhost"_s;
    a.connection.user = parser.value(user);
    a.connection.password = parser.value(password);
    a.connection.database = parser.value(database);
    static const QRegularExpression plainName(u"^[A-Za-z0-9_]+$"_s);
    if (!plainName.match(a.connection.database).hasMatch())
        usageError(parser, u"--database takes letters, digits and \"_\" only."_s);
    a.fresh = parser.isSet(fresh);
    a.options.demo = parser.isSet(demo);
    if (parser.isSet(holders)) {
        a.options.holders = parser.value(holders).toInt(&ok);
        if (!ok || a.options.holders < 0)
            usageError(parser, u"--holders must be a whole number."_s);
    }
    a.options.seed = parser.value(seed).toULongLong(&ok);
    if (!ok)
        usageError(parser, u"--seed must be a whole number."_s);
    if (parser.isSet(today)) {
        a.options.today = QDate::fromString(parser.value(today), u"yyyy-MM-dd"_s);
        if (!a.options.today.isValid())
            usageError(parser, u"--today must be a date written yyyy-mm-dd."_s);
    }
    return a;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"zova_datagen"_s);
    const Arguments args = parseArguments(app);
    QTextStream out(stdout);
    try {
        zova::Connection conn;
        zova::prepareDatabase(conn, args.connection, args.fresh);
        const zova::DataGenReport report = zova::generateData(conn, args.options);
        for (const auto& [table, rows] : report.rows)
            out << table.leftJustified(18) << QString::number(rows).rightJustified(10) << u'\n';
        const double seconds = static_cast<double>(report.elapsedMs) / 1000.0;
        out << u"total"_s.leftJustified(18) << QString::number(report.totalRows()).rightJustified(10)
            << u" rows in "_s << QString::number(seconds, 'f', 1) << u" s ("_s
            << QString::number(static_cast<double>(report.totalRows()) / std::max(seconds, 0.001), 'f', 0)
            << u" rows/s; indexes rebuilt in "_s
            << QString::number(static_cast<double>(report.indexMs) / 1000.0, 'f', 1) << u" s)\n"_s;
    } catch (const zova::DbError& e) {
        QTextStream(stderr) << u"zova_datagen: database error: "_s << e.message() << u'\n';
        return 1;
    } catch (const std::exception& e) {
        QTextStream(stderr) << u"zova_datagen: "_s << QString::fromLocal8Bit(e.what()) << u'\n';
        return 1;
    }
    return 0;
}
