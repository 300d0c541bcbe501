#pragma once

#include "core/clock.h"
#include "core/path_ini.h"
#include "layouts/report_output.h"
#include "support/scripted_dialogs.h"
#include "support/test_database.h"
#include "ui/session.h"

#include <QFile>
#include <QTemporaryDir>

namespace zova::test {

// A session over the test database with a fixed clock, "Funeraria" as trade name, and printed
// documents written as PDF files.
class ReportTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        QFile f(dir.filePath(QStringLiteral("Path.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Empresa]\nFantasia=Funeraria\n");
        f.close();
        session.setOperatorLabel(QStringLiteral("MARIA"));
    }

    struct Holder {
        qint64 id;
        QString titular;
        QString cidade;
        QString status = QStringLiteral("ATIVO");
        QString utilizou = QStringLiteral("NÃO");
        QString cobrador = QStringLiteral("PEDRO");
        QString valorparcela = QStringLiteral("35.00");
        QDate datacontrato = QDate(2024, 5, 17);
    };

    void addHolder(const Holder& h)
    {
        conn().exec(
            QStringLiteral("insert into clientes (id, titular, cidade, uf, endereco, numero, bairro, status, "
                           "utilizou, cobrador, valorparcela, datacontrato) "
                           "values (?, ?, ?, 'SP', 'RUA DAS FLORES', '12', 'CENTRO', ?, ?, ?, ?, ?)"),
            { h.id, h.titular, h.cidade, h.status, h.utilizou, h.cobrador, *Money::fromSql(h.valorparcela),
                h.datacontrato });
    }

    QTemporaryDir dir;
    PathIni ini { dir.filePath(QStringLiteral("Path.ini")) };
    FixedClock clock { QDateTime(QDate(2024, 5, 17), QTime(9, 30, 15)) };
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    Session session { conn(), ini, clock, dialogs, opener };
    QTemporaryDir pdfDir;
    PdfFileOutput pdfs { pdfDir.path(), &dialogs };
};

} // namespace zova::test
