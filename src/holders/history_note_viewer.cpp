#include "holders/history_note_viewer.h"

#include "core/dates.h"
#include "ui/colours.h"
#include "ui/enter_as_tab.h"
#include "ui/field_helpers.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

const QString kTitle = u"VISUALIZAÇÃO DE HISTÓRICO DO TITULAR"_s;

} // namespace

HistoryNoteViewer::HistoryNoteViewer(
    Session& session, const QString& holderName, const QDate& date, const QString& text, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(session.caption(kTitle));

    auto* record = new QGroupBox(u"DADOS CADASTRAIS"_s, this);
    m_holder = new QLabel(holderName, record);
    m_date = new QLabel(dateText(date), record);
    for (QLabel* value : { m_holder, m_date })
        setLabelStyle(value, kMaroon);
    auto* form = new QFormLayout(record);
    form->addRow(captionLabel(u"TITULAR:"_s, record), m_holder);
    form->addRow(captionLabel(u"DATA DO HISTÓRICO:"_s, record), m_date);

    auto* note = new QGroupBox(u"HISTÓRICO"_s, this);
    m_text = new QPlainTextEdit(text, note);
    m_text->setMinimumSize(460, 160);
    (new QVBoxLayout(note))->addWidget(m_text);

    m_sair = makeButton(u"&SAIR"_s, this);
    connect(m_sair, &QPushButton::clicked, this, &HistoryNoteViewer::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_sair);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    body->addWidget(record);
    body->addWidget(note, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new TitleBand(kTitle, this));
    layout->addLayout(body, 1);

    bindEscape(this, [this] { reject(); });
}

} // namespace zova
