#include "holders/history_note_window.h"

#include "db/db_error.h"
#include "holders/history_notes.h"
#include "ui/colours.h"
#include "ui/date_edit.h"
#include "ui/enter_as_tab.h"
#include "ui/field_helpers.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

const QString kTitle = u"CADASTRO DE HISTÓRICO"_s;

} // namespace

HistoryNoteWindow::HistoryNoteWindow(
    Session& session, qint64 holderId, const QString& holderName, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_holderId(holderId)
    , m_holderName(holderName)
{
    setWindowTitle(session.caption(kTitle));
    m_historico = new QLineEdit(this);
    keepUpperCase(m_historico);
    m_historico->setMinimumWidth(460);
    m_data = new DateEdit(this);
    m_data->setFixedWidth(m_data->fontMetrics().horizontalAdvance(u"00/00/00000"_s) + 24);
    m_holder = new QLabel(holderName, this);
    setLabelStyle(m_holder, kMaroon, 0, true);
    m_salvar = makeButton(u"&SALVAR"_s, this);
    m_sair = makeButton(u"&SAIR"_s, this);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(2);
    fields->addWidget(captionLabel(u"CADASTRANDO HISTÓRICO PARA:"_s, this), 0, 0, 1, 2);
    fields->addWidget(m_holder, 1, 0, 1, 2);
    fields->addWidget(captionLabel(u"HISTÓRICO"_s, this), 2, 0);
    fields->addWidget(captionLabel(u"DATA"_s, this), 2, 1);
    fields->addWidget(m_historico, 3, 0);
    fields->addWidget(m_data, 3, 1);
    fields->setColumnStretch(0, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_salvar);
    buttons->addWidget(m_sair);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(10);
    body->addLayout(fields);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new TitleBand(kTitle, this));
    layout->addLayout(body);
    setTabOrder(m_historico, m_data);
    setTabOrder(m_data, m_salvar);
    setTabOrder(m_salvar, m_sair);

    EnterAsTab* enter = EnterAsTab::install(this);
    enter->setEnterAction(m_data, [this] {
        salvar();
        return true;
    });
    bindEscape(this, [this] { reject(); });
    connect(m_salvar, &QPushButton::clicked, this, &HistoryNoteWindow::salvar);
    connect(m_sair, &QPushButton::clicked, this, &HistoryNoteWindow::reject);

    m_data->setDate(session.clock().today());
    m_historico->setFocus();
}

void HistoryNoteWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // Centred across the screen, near its top, clear of the holder window's fields.
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2, area.y() + 150);
    }
    m_historico->setFocus();
}

bool HistoryNoteWindow::refuse(const QString& text, QWidget* field)
{
    m_session.dialogs().error(u"Erro"_s, text);
    field->setFocus();
    return false;
}

void HistoryNoteWindow::clearFields()
{
    m_historico->clear();
    m_data->setDate(m_session.clock().today());
    m_historico->setFocus();
}

bool HistoryNoteWindow::salvar()
{
    const QString text = m_historico->text().trimmed();
    if (text.size() < 5)
        return refuse(u"O campo \"Histórico\" é obrigatório!"_s, m_historico);
    // A blank or impossible date would be stored as no date at all.
    if (!m_data->isValidDate())
        return refuse(u"'"_s + m_data->text() + u"' não é uma data válida"_s, m_data);

    Dialogs& dialogs = m_session.dialogs();
    if (!dialogs.question(u"Confirmação"_s,
            u"Deseja realmente fazer a inclusão de Histórico para o(a) Titular \""_s + m_holderName
                + u"\"?"_s)) {
        m_historico->setFocus();
        return false;
    }
    qint64 number = 0;
    try {
        number = insertNote(m_session.db(), m_holderId, text, m_data->date());
    } catch (const DbError& e) {
        dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao fazer inclusão de Histórico. Procedimento cancelado. Erro: "_s + e.message()
                + u"."_s);
        return false;
    }
    emit noteSaved(number);
    clearFields();
    m_session.GravaLog(u"CADASTROU HISTÓRICO "_s + text.toUpper() + u" - TITULAR "_s + m_holderName);
    return true;
}

} // namespace zova
