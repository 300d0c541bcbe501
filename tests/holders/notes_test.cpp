#include "holder_fixture.h"
#include "holders/history_note_viewer.h"
#include "holders/history_note_window.h"
#include "holders/history_notes.h"
#include "holders/notes_panel.h"
#include "ui/date_edit.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

const QString kName = u"JOSE DA SILVA"_s;
const QString kContract = u"2024/01/00001"_s;

class NotesTest : public HolderTest {
protected:
    void SetUp() override
    {
        HolderTest::SetUp();
        insertHolder({});
    }

    void insertNoteRow(qint64 number, qint64 holder, const QString& text, const QDate& date = { 2024, 3, 1 })
    {
        conn().exec(u"insert into historico values (?, ?, ?, ?)"_s, { number, holder, text, date });
    }

    // Numbers of the holder's stored notes, in order.
    QList<qint64> storedNumbers(qint64 holder = 1)
    {
        const ResultSet rs
            = conn().query(u"select id from historico where id_cliente = ? order by id"_s, { holder });
        QList<qint64> out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.integer(r, 0);
        return out;
    }

    // The panel in a stand-in holder window, showing holder 1.
    NotesPanel& open()
    {
        host = std::make_unique<QWidget>();
        panel = new NotesPanel(session, host.get(), host.get());
        (new QVBoxLayout(host.get()))->addWidget(panel);
        panel->setHolder(1, kName, kContract);
        showActive(*host);
        return *panel;
    }

    // Opens the note window from the panel and runs `drive` on it while it is "modal".
    void withNoteWindow(const std::function<void(HistoryNoteWindow&)>& drive)
    {
        opener.onOpen = [&](QDialog& d) {
            auto& w = dynamic_cast<HistoryNoteWindow&>(d);
            EXPECT_LT(host->windowOpacity(), 1.0) << "the holder window is dimmed";
            showActive(w);
            // A window over an active one counts as active before its own activation arrives.
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }));
            drive(w);
            w.close();
            return int(QDialog::Rejected);
        };
        panel->incluir();
        EXPECT_EQ(host->windowOpacity(), 1.0);
    }

    // Types the note into "HISTÓRICO" and saves by Enter, Enter (to "DATA", then save).
    void typeAndSave(HistoryNoteWindow& w, const QString& text)
    {
        w.historicoField()->clear();
        w.historicoField()->setFocus();
        type(text);
        press(Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), w.dataField());
        press(Qt::Key_Return);
    }

    std::unique_ptr<QWidget> host;
    NotesPanel* panel = nullptr;
};

TEST_F(NotesTest, NumbersCountWithinTheHolder)
{
    insertHolder({ .id = 2, .titular = u"OUTRO TITULAR"_s });
    insertNoteRow(7, 2, u"NOTA DO OUTRO"_s);
    EXPECT_EQ(insertNote(conn(), 1, u"  primeira nota  "_s, { 2023, 2, 1 }), 1);
    EXPECT_EQ(insertNote(conn(), 1, u"SEGUNDA NOTA"_s, { 2022, 1, 1 }), 2);
    EXPECT_EQ(insertNote(conn(), 2, u"MAIS UMA"_s, { 2024, 1, 1 }), 8);

    const ResultSet rs = loadNotes(conn(), 1);
    EXPECT_EQ(rs.columnNames(), (QStringList { u"id"_s, u"data"_s, u"historico"_s }));
    ASSERT_EQ(rs.rowCount(), 2);
    EXPECT_EQ(rs.text(0, u"historico"), u"PRIMEIRA NOTA"_s) << "stored trimmed, upper case";
    EXPECT_EQ(rs.date(0, u"data"), QDate(2023, 2, 1));
    EXPECT_EQ(rs.integer(1, u"id"), 2) << "by number, not by date";

    deleteNote(conn(), 2, 1); // holder 2 has no note 1: holder 1's stays
    EXPECT_EQ(storedNumbers(1), (QList<qint64> { 1, 2 }));
    deleteNote(conn(), 1, 1);
    EXPECT_EQ(storedNumbers(1), (QList<qint64> { 2 }));
    EXPECT_EQ(storedNumbers(2), (QList<qint64> { 7, 8 }));
}

TEST_F(NotesTest, GridCountAndNavigator)
{
    insertNoteRow(1, 1, u"COMBINOU PAGAR NA SEXTA"_s, { 2024, 3, 1 });
    insertNoteRow(2, 1, u"MUDOU DE ENDERECO"_s, { 2024, 2, 1 });
    insertNoteRow(1, 2, u"NOTA DE OUTRO TITULAR"_s);
    NotesPanel& p = open();
    QAbstractItemModelTester tester(p.model());

    ASSERT_EQ(p.model()->columnCount(), 2);
    EXPECT_EQ(p.model()->headerData(0, Qt::Horizontal).toString(), u"Data"_s);
    EXPECT_EQ(p.model()->headerData(1, Qt::Horizontal).toString(), u"Histórico"_s);
    ASSERT_EQ(p.model()->rowCount(), 2);
    EXPECT_EQ(p.model()->displayText(0, 0), u"01/03/2024"_s);
    EXPECT_EQ(p.model()->displayText(1, 1), u"MUDOU DE ENDERECO"_s);
    EXPECT_EQ(p.countLabel()->text(), u"00002"_s);
    EXPECT_EQ(p.currentNumber(), 1);
    EXPECT_EQ(p.navigator()->view(), p.grid());
    p.navigator()->last();
    EXPECT_EQ(p.currentNumber(), 2);
    EXPECT_EQ(p.incluirButton()->toolTip(), u"INCLUIR HISTÓRICO"_s);
    EXPECT_EQ(p.excluirButton()->toolTip(), u"EXCLUIR HISTÓRICO"_s);

    p.setHolder(2, u"OUTRO"_s, u"2024/01/00002"_s);
    EXPECT_EQ(p.countLabel()->text(), u"00001"_s);
    p.setHolder(0, {}, {});
    EXPECT_EQ(p.countLabel()->text(), u"00000"_s);
    EXPECT_EQ(p.currentNumber(), 0);
}

TEST_F(NotesTest, DeletesTheSelectedNoteOnly)
{
    // Same date and text twice, and the same note under another holder.
    insertHolder({ .id = 2, .titular = u"OUTRO TITULAR"_s });
    for (qint64 number : { 1, 2 })
        insertNoteRow(number, 1, u"LIGAR AMANHA"_s);
    insertNoteRow(2, 2, u"LIGAR AMANHA"_s);
    NotesPanel& p = open();

    p.navigator()->last();
    dialogs.answer(false);
    p.excluir();
    EXPECT_EQ(storedNumbers(), (QList<qint64> { 1, 2 }));
    EXPECT_TRUE(logTexts().isEmpty());

    dialogs.answer(true);
    p.excluir();
    EXPECT_EQ(dialogs.last().caption, u"Confirmação"_s);
    EXPECT_EQ(dialogs.last().text,
        u"Deseja realmente efetuar a exclusão de Histórico do(a) titular \"JOSE DA SILVA\"?"_s);
    EXPECT_EQ(storedNumbers(1), (QList<qint64> { 1 }));
    EXPECT_EQ(storedNumbers(2), (QList<qint64> { 2 }));
    EXPECT_EQ(p.countLabel()->text(), u"00001"_s);
    EXPECT_EQ(p.currentNumber(), 1);
    EXPECT_EQ(logTexts(), (QStringList { u"EXCLUIU HISTÓRICO 2024/01/00001 - TITULAR JOSE DA SILVA"_s }));
}

TEST_F(NotesTest, DeletingWithoutNotesStillLogs)
{
    NotesPanel& p = open();
    dialogs.answer(true);
    p.excluir();
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(logTexts(), (QStringList { u"EXCLUIU HISTÓRICO 2024/01/00001 - TITULAR JOSE DA SILVA"_s }));
    EXPECT_EQ(p.countLabel()->text(), u"00000"_s);
}

TEST_F(NotesTest, FailedDeletionKeepsTheNote)
{
    insertNoteRow(1, 1, u"NOTA QUE FICA"_s);
    conn().exec(u"create trigger falha_exclusao before delete on historico for each row "
                u"signal sqlstate '45000' set message_text = 'falha simulada'"_s);
    NotesPanel& p = open();
    dialogs.answer(true);
    p.excluir();
    conn().exec(u"drop trigger falha_exclusao"_s);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
    EXPECT_EQ(dialogs.last().text,
        u"Ocorreu um erro ao fazer exclusão de Histórico. Procedimento cancelado. Erro: falha simulada."_s);
    EXPECT_EQ(storedNumbers(), (QList<qint64> { 1 }));
    EXPECT_EQ(p.model()->rowCount(), 1);
    EXPECT_TRUE(logTexts().isEmpty());
}

TEST_F(NotesTest, NoteWindowSavesSeveralNotes)
{
    insertHolder({ .id = 2, .titular = u"OUTRO TITULAR"_s });
    insertNoteRow(5, 2, u"NOTA DO OUTRO"_s);
    NotesPanel& p = open();
    withNoteWindow([&](HistoryNoteWindow& w) {
        EXPECT_EQ(w.windowTitle(), u"FUNERARIA - CADASTRO DE HISTÓRICO"_s);
        EXPECT_EQ(w.holderLabel()->text(), kName);
        EXPECT_EQ(w.dataField()->date(), QDate(2024, 5, 17));
        EXPECT_EQ(QApplication::focusWidget(), w.historicoField());

        typeAndSave(w, u"abcd"_s);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(dialogs.last().text, u"O campo \"Histórico\" é obrigatório!"_s);
        EXPECT_EQ(QApplication::focusWidget(), w.historicoField());
        EXPECT_TRUE(storedNumbers().isEmpty());

        dialogs.answer(true);
        typeAndSave(w, u"ação1"_s);
        EXPECT_EQ(dialogs.last().caption, u"Confirmação"_s);
        EXPECT_EQ(dialogs.last().text,
            u"Deseja realmente fazer a inclusão de Histórico para o(a) Titular \"JOSE DA SILVA\"?"_s);
        EXPECT_TRUE(w.isVisible()) << "stays open for the next note";
        EXPECT_EQ(w.historicoField()->text(), QString());
        EXPECT_EQ(QApplication::focusWidget(), w.historicoField());
        EXPECT_EQ(p.countLabel()->text(), u"00001"_s) << "the holder window lists it at once";

        dialogs.answer(true);
        w.historicoField()->setText(u"SEGUNDA NOTA"_s);
        w.dataField()->setText(u"01/02/2023"_s);
        EXPECT_TRUE(w.salvar());
        EXPECT_EQ(w.dataField()->date(), QDate(2024, 5, 17)) << "back to today";
        EXPECT_EQ(p.currentNumber(), 2) << "the new note is selected";
    });
    const ResultSet rs = loadNotes(conn(), 1);
    ASSERT_EQ(rs.rowCount(), 2);
    EXPECT_EQ(rs.integer(0, u"id"), 1);
    EXPECT_EQ(rs.text(0, u"historico"), u"AÇÃO1"_s);
    EXPECT_EQ(rs.date(0, u"data"), QDate(2024, 5, 17));
    EXPECT_EQ(rs.date(1, u"data"), QDate(2023, 2, 1));
    EXPECT_EQ(logTexts(),
        (QStringList { u"CADASTROU HISTÓRICO AÇÃO1 - TITULAR JOSE DA SILVA"_s,
            u"CADASTROU HISTÓRICO SEGUNDA NOTA - TITULAR JOSE DA SILVA"_s }));
}

TEST_F(NotesTest, UnsavedNoteKeepsItsText)
{
    open();
    withNoteWindow([&](HistoryNoteWindow& w) {
        w.historicoField()->setText(u"NOTA RECUSADA"_s);

        dialogs.answer(false);
        EXPECT_FALSE(w.salvar());
        EXPECT_EQ(QApplication::focusWidget(), w.historicoField());

        {
            auto failing = failInserts(u"historico"_s);
            dialogs.answer(true);
            EXPECT_FALSE(w.salvar());
        }
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_EQ(dialogs.last().text,
            u"Ocorreu um erro ao fazer inclusão de Histórico. Procedimento cancelado. Erro: falha simulada."_s);

        w.dataField()->setText(u"31/02/2024"_s);
        EXPECT_FALSE(w.salvar());
        EXPECT_EQ(dialogs.last().text, u"'31/02/2024' não é uma data válida"_s);
        EXPECT_EQ(QApplication::focusWidget(), w.dataField());
        w.dataField()->setDate({});
        EXPECT_FALSE(w.salvar()) << "no note without a date";

        EXPECT_EQ(w.historicoField()->text(), u"NOTA RECUSADA"_s);
        w.historicoField()->setFocus();
        press(Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_TRUE(storedNumbers().isEmpty());
    EXPECT_TRUE(logTexts().isEmpty());
}

TEST_F(NotesTest, ViewerShowsTheSelectedNote)
{
    insertNoteRow(1, 1, u"PRIMEIRA"_s);
    insertNoteRow(2, 1, u"SEGUNDA, A MAIS LONGA"_s, { 2024, 4, 2 });
    NotesPanel& p = open();
    p.navigator()->last();
    opener.onOpen = [&](QDialog& d) {
        auto& v = dynamic_cast<HistoryNoteViewer&>(d);
        EXPECT_EQ(host->windowOpacity(), 1.0) << "nothing dimmed";
        EXPECT_EQ(v.windowTitle(), u"FUNERARIA - VISUALIZAÇÃO DE HISTÓRICO DO TITULAR"_s);
        EXPECT_EQ(v.holderLabel()->text(), kName);
        EXPECT_EQ(v.dateLabel()->text(), u"02/04/2024"_s);
        EXPECT_EQ(v.textBox()->toPlainText(), u"SEGUNDA, A MAIS LONGA"_s);
        return int(QDialog::Rejected);
    };
    p.abrirAction()->trigger();
    EXPECT_EQ(opener.opened, (QStringList { u"zova::HistoryNoteViewer"_s }));
}

TEST_F(NotesTest, StandardModeOnlyReads)
{
    insertNoteRow(1, 1, u"SO LEITURA"_s);
    NotesPanel& p = open();
    p.setReadOnly(true);
    EXPECT_FALSE(p.incluirButton()->isEnabled());
    EXPECT_FALSE(p.excluirButton()->isEnabled());
    p.incluir();
    p.excluir();
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(storedNumbers(), (QList<qint64> { 1 }));
    p.abrir();
    EXPECT_EQ(opener.opened, (QStringList { u"zova::HistoryNoteViewer"_s })) << "viewing stays available";

    p.setReadOnly(false);
    EXPECT_TRUE(p.incluirButton()->isEnabled());
    EXPECT_TRUE(p.excluirButton()->isEnabled());
}

} // namespace
