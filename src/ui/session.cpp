#include "ui/session.h"

#include "core/dates.h"
#include "db/numbers.h"

#include <QDialog>

using namespace Qt::StringLiterals;

namespace zova {

int ModalWindowOpener::exec(QDialog& window)
{
    return window.exec();
}

bool Session::GravaLog(const QString& acao)
{
    const QDateTime now = m_clock.now();
    try {
        insertWithNextNumber(m_db, { u"log"_s, u"codigo"_s }, [&](qint64 codigo) {
            m_db.exec(u"insert into log values(?, ?, ?, ?, ?)"_s,
                { codigo, m_operator, acao, now.date(), now.time() });
        });
        return true;
    } catch (const DbError& e) {
        m_dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao gravar LOG. Procedimento cancelado. Erro: "_s + e.message() + u"."_s);
        return false;
    }
}

int Session::openWindow(QDialog& window, QWidget* dimmed, const QString& logText)
{
    // Restores the dimmed window even when the window ends with an exception.
    struct Dim {
        QPointer<QWidget> w;
        explicit Dim(QWidget* main)
            : w(main)
        {
            if (w)
                w->setWindowOpacity(100.0 / 255.0);
        }
        ~Dim()
        {
            if (w)
                w->setWindowOpacity(1.0);
        }
    } dim(dimmed);
    if (!logText.isEmpty())
        GravaLog(logText);
    return m_opener.exec(window);
}

} // namespace zova
