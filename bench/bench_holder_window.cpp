// Times the holder window on a large office: opening it, moving to another holder (fields,
// dependents and notes reloaded) and one keystroke of its name search. Run by hand (README.md).
#include "bench_support.h"
#include "datagen.h"
#include "holders/holder_window.h"
#include "ui/result_table_model.h"
#include "ui/session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::bench;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.addOptions({ { u"host"_s, u"server"_s, u"host"_s, u"127.0.0.1"_s },
        { u"port"_s, u"port"_s, u"port"_s, u"3306"_s }, { u"user"_s, u"user"_s, u"user"_s, u"zova"_s },
        { u"password"_s, u"password"_s, u"password"_s, u"zova"_s },
        { u"database"_s, u"database"_s, u"name"_s, u"zova_bench"_s },
        { u"holders"_s, u"holders to generate"_s, u"n"_s, u"100000"_s } });
    args.process(app);

    Connection conn;
    prepareDatabase(conn, serverParams(args), false);
    if (conn.query(u"select count(*) from clientes"_s).integer(0, 0) == 0) {
        DataGenOptions options;
        options.holders = args.value(u"holders"_s).toInt();
        generateData(conn, options);
    }

    PathIni ini(u"/nonexistent/Path.ini"_s);
    SystemClock clock;
    QuietDialogs dialogs;
    ModalWindowOpener opener;
    Session session(conn, ini, clock, dialogs, opener);
    session.setOperatorLabel(u"BENCH"_s);

    std::vector<double> loading;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        const ResultSet rows = loadHolderRows(conn);
        loading.push_back(msSince(t));
    }

    std::vector<double> opening;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        HolderWindow w(session, {});
        w.show();
        QApplication::processEvents();
        opening.push_back(msSince(t));
    }

    HolderWindow w(session, {});
    w.show();
    QApplication::processEvents();
    const ResultSet& rows = w.model()->result();
    auto* rng = QRandomGenerator::global();
    std::vector<double> moving;
    const quint64 before = conn.statementCount();
    constexpr int kMoves = 200;
    for (int i = 0; i < kMoves; ++i) {
        const qint64 id = rows.integer(static_cast<int>(rng->bounded(rows.rowCount())), 0);
        QElapsedTimer t;
        t.start();
        w.moveToId(id);
        moving.push_back(msSince(t));
    }
    const double perMove = static_cast<double>(conn.statementCount() - before) / kMoves;

    std::vector<double> keystroke;
    QLineEdit* field = w.searchField();
    for (int i = 0; i < 40; ++i) {
        const QString name = rows.text(static_cast<int>(rng->bounded(rows.rowCount())), u"titular");
        field->clear();
        for (QChar c : name.left(8)) {
            QElapsedTimer t;
            t.start();
            QTest::keyClick(field, c.toLatin1() ? c.toLatin1() : 'A');
            keystroke.push_back(msSince(t));
        }
    }

    std::printf("holders: %d\n", rows.rowCount());
    report("  of which: load the holder grid", loading);
    report("open the holder window", opening);
    report("move to another holder", moving);
    std::printf("%-34s %.1f\n", "statements per move", perMove);
    report("name search keystroke", keystroke);
    return 0;
}
