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
    args.addOptions({ { u"host"_s, u"server"_s, u"host"_s, u"127.0.0.1"_s },
        { u"port"_s, u"port"_s, u"port"_s, u"3306"_s }, { u"user"_s, u"user"_s, u"user"_s, u"zova"_s },
        { u"password"_s, u"password"_s, u"password"_s, u"zova"_s },
        { u"database"_s, u"database"_s, u"name"_s, u"zova_bench"_s },
        { u"holders"_s, u"holders to generate"_s, u"n"_s, u"100000"_s },
        { u"fresh"_s, u"regenerate the data"_s } });
    args.process(app);

    Connection conn;
    prepareDatabase(conn, serverParams(args), args.isSet(u"fresh"_s));
    if (conn.query(u"select count(*) from clientes"_s).integer(0, 0) == 0) {
        DataGenOptions options;
        options.holders = args.value(u"holders"_s).toInt();
        const DataGenReport r = generateData(conn, options);
        std::printf("generated %lld rows in %lld ms\n", static_cast<long long>(r.totalRows()),
            static_cast<long long>(r.elapsedMs));
    }
    std::printf("holders: %lld\n",
        static_cast<long long>(conn.query(u"select count(*) from clientes"_s).integer(0, 0)));

    PathIni ini(u"/nonexistent/Path.ini"_s);
    SystemClock clock;
    QuietDialogs dialogs;
    ModalWindowOpener opener;
    Session session(conn, ini, clock, dialogs, opener);
    session.setOperatorLabel(u"BENCH"_s);

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
