// Times the counter's hot paths on a large office: start-up to the main window, the refresh after
// selecting a holder, and one keystroke of the name search. Run by hand (see README.md).
#include "app/main_window.h"
#include "bench_support.h"
#include "datagen.h"
#include "ui/session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
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
    std::printf("holders: %lld\n",
        static_cast<long long>(conn.query(u"select count(*) from clientes"_s).integer(0, 0)));

    BenchSession bench(conn);
    Session& session = bench.session;

    std::vector<double> startup;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        MainWindow main(session);
        main.openDataSets();
        main.updateActiveCount();
        main.show();
        QApplication::processEvents();
        startup.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }

    MainWindow main(session);
    main.openDataSets();
    main.show();
    QApplication::processEvents();
    HolderListModel& list = *main.holderModel();
    auto* rng = QRandomGenerator::global();

    std::vector<double> selection;
    const quint64 before = conn.statementCount();
    constexpr int kSelections = 300;
    for (int i = 0; i < kSelections; ++i) {
        const qint64 id = list.idAt(static_cast<int>(rng->bounded(list.rowCount())));
        QElapsedTimer t;
        t.start();
        main.selectHolder(id);
        selection.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    const double perSelection = static_cast<double>(conn.statementCount() - before) / kSelections;

    std::vector<double> keystroke;
    QLineEdit* field = main.searchField();
    for (int i = 0; i < 60; ++i) {
        const QString name = list.titularAt(static_cast<int>(rng->bounded(list.rowCount())));
        field->clear();
        for (QChar c : name.left(8)) {
            QElapsedTimer t;
            t.start();
            QTest::keyClick(field, c.toLatin1() ? c.toLatin1() : 'A');
            keystroke.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        }
    }

    report("start-up to main window", startup);
    report("select a holder (full refresh)", selection);
    std::printf("%-34s %.1f\n", "statements per selection", perSelection);
    report("name search keystroke", keystroke);
    return 0;
}
