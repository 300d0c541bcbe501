#include "app/message_window.h"

#include "ui/session.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

MessageWindow::MessageWindow(Session& session, const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(u"MessageWindow"_s);
    setWindowTitle(session.caption(u"CAIXA DE MENSAGENS"_s));
    setFixedSize(560, 300);

    auto* title = new QLabel(session.caption(u"CAIXA DE MENSAGENS"_s));
    title->setObjectName(u"titleBand"_s);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(u"background:#800000; color:white; font-weight:bold; padding:6px;"_s);

    m_text = new QTextEdit;
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::NoTextInteraction);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->setStyleSheet(
        u"color:#000080; font-family:Arial; font-weight:bold; font-size:16px; background:white;"_s);
    m_text->setPlainText(screenText(text).toUpper());
    for (QTextBlock b = m_text->document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setAlignment(Qt::AlignCenter);
        c.setBlockFormat(f);
    }
    m_text->viewport()->installEventFilter(this);

    m_exit = new QPushButton(u"&SAIR"_s);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_exit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(title);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 0);
    body->addWidget(m_text);
    body->addLayout(buttons);
    layout->addLayout(body);
    m_exit->setFocus();
}

QString MessageWindow::text() const
{
    return m_text->toPlainText();
}

bool MessageWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the text hands the focus to the button bar.
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonPress)
        m_exit->setFocus();
    return QDialog::eventFilter(watched, event);
}

} // namespace zova
