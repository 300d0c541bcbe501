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
    addBenchOptions(args);
    args.process(app);

    Connection conn;
    openBenchDatabase(conn, args);

    BenchSession bench(conn);
    Session& session = bench.session;

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
