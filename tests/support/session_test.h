#pragma once

#include "core/clock.h"
#include "core/path_ini.h"
#include "support/scripted_dialogs.h"
#include "support/test_database.h"
#include "ui/session.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace zova::test {

// A logged-in operator ("MARIA") over the suite's database: a Path.ini whose trade name is
// "FUNERARIA", a clock fixed at 17/05/2024 09:30:15, scripted message boxes and a window opener
// that never blocks. With the keyboard and log helpers window tests share.
class SessionTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        QFile f(dir.filePath(QStringLiteral("Path.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Empresa]\nFantasia=FUNERARIA\n");
        f.close();
        session.setOperatorLabel(QStringLiteral("MARIA"));
    }

    // Shown and active, so the focus and the keys behave as on screen.
    static void showActive(QWidget& window)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    // Types into the focused field key by key, accented letters included (QTest::keyClicks
    // knows only ASCII).
    static void type(const QString& text)
    {
        for (QChar c : text) {
            QWidget* target = QApplication::focusWidget();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &release);
        }
    }

    QStringList logTexts()
    {
        const ResultSet rs = conn().query(QStringLiteral("select acao from log order by codigo"));
        QStringList out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.text(r, 0);
        return out;
    }

    // An insert into `table` fails with "falha simulada" while the returned guard lives.
    struct FailingInserts {
        Connection& conn;
        QString name;
        ~FailingInserts() { conn.exec(QStringLiteral("drop trigger if exists ") + name); }
    };
    FailingInserts failInserts(const QString& table)
    {
        const QString name = QStringLiteral("falha_") + table;
        conn().exec(QStringLiteral("create trigger ") + name + QStringLiteral(" before insert on ") + table
            + QStringLiteral(" for each row signal sqlstate '45000' set message_text = 'falha simulada'"));
        return { conn(), name };
    }

    QTemporaryDir dir;
    PathIni ini { dir.filePath(QStringLiteral("Path.ini")) };
    FixedClock clock { QDateTime(QDate(2024, 5, 17), QTime(9, 30, 15)) };
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    Session session { conn(), ini, clock, dialogs, opener };
};

} // namespace zova::test
