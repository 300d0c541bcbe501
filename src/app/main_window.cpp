#include "app/main_window.h"

#include "ui/session.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

namespace {
constexpr QStringView kSuporteMaster = u"SUPORTE MASTER";

QLabel* boldLabel(const QString& text)
{
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(u"font-weight:bold; color:#000080;"_s);
    return l;
}

QGroupBox* box(const QString& title, QLabel* top, QLabel* bottom)
{
    auto* g = new QGroupBox(title);
    auto* v = new QVBoxLayout(g);
    v->setContentsMargins(4, 2, 4, 2);
    v->addWidget(top);
    v->addWidget(bottom);
    return g;
}
} // namespace

QString clockDateText(const QDate& date)
{
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    QString day = br.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    QString month = br.monthName(date.month(), QLocale::ShortFormat);
    day.remove(u'.');
    month.remove(u'.');
    return (day + u", "_s + date.toString(u"dd"_s) + u" de "_s + month + u" de "_s + date.toString(u"yyyy"_s))
        .toUpper();
}

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
{
    setObjectName(u"MainWindow"_s);
    setWindowTitle(u"ZOVA"_s);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    m_exit = new QPushButton(u"&SAIR"_s);
    m_exit->setObjectName(u"exitButton"_s);
    connect(m_exit, &QPushButton::clicked, this, [this] { sair(); });
    auto* top = new QHBoxLayout;
    top->addWidget(m_exit);
    top->addStretch();
    layout->addLayout(top);
    layout->addStretch();
    layout->addWidget(buildStatusBar());
    setCentralWidget(central);
    setFixedSize(829, 670);

    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::tick);
    m_clock->start(1000);
    tick();
}

QWidget* MainWindow::buildStatusBar()
{
    m_date = boldLabel(QString());
    m_time = boldLabel(QString());
    m_server = boldLabel(u"SERVIDOR:"_s);
    m_address = boldLabel(u"IP LOCAL:"_s);
    m_operator = boldLabel(kNobodyEntered.toString());
    m_operator->setObjectName(u"operatorLabel"_s);
    m_computer = boldLabel(QString());
    auto* bar = new QWidget;
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(box(QString(), m_date, m_time));
    h->addWidget(box(u"STATUS DA INTERNET"_s, m_server, m_address));
    h->addWidget(box(u"USUÁRIO LOGADO"_s, m_operator, m_computer));
    return bar;
}

void MainWindow::tick()
{
    const QDateTime now = m_session.clock().now();
    m_date->setText(clockDateText(now.date()));
    m_time->setText(now.time().toString(u"HH:mm:ss"_s));
}

void MainWindow::setServerLabel(const QString& host)
{
    m_server->setStyleSheet(u"font-weight:bold; color:#000080;"_s);
    m_server->setText(u"SERVIDOR: "_s + host.trimmed());
}

void MainWindow::setServerNotConnected()
{
    m_server->setStyleSheet(u"font-weight:bold; color:#FF0000;"_s);
    m_server->setText(u"NÃO CONECTADO"_s);
}

void MainWindow::setAddressLabel(const QString& ip)
{
    m_address->setText(u"IP LOCAL: "_s + ip);
}

void MainWindow::setOperatorLabel(const QString& text)
{
    m_session.setOperatorLabel(text);
    m_operator->setText(m_session.operatorLabel());
}

void MainWindow::setComputerLabel(const QString& text)
{
    m_computer->setText(text);
}
QString MainWindow::serverLabelText() const
{
    return m_server->text();
}
QString MainWindow::addressLabelText() const
{
    return m_address->text();
}
QString MainWindow::operatorLabelText() const
{
    return m_operator->text();
}
QString MainWindow::computerLabelText() const
{
    return m_computer->text();
}

void MainWindow::setOperatorCaption()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    setWindowTitle(m_session.LeIni(u"FANTASIA"_s) + u" - "_s + m_session.LeIni(u"SUBTITULO"_s)
        + u" :: VERSÃO: "_s + exe.lastModified().toString(u"dd/MM/yyyy hh:mm:ss"_s));
}

bool MainWindow::sair()
{
    if (m_session.operatorLabel() != kSuporteMaster) {
        for (const auto& step : m_exitSteps) {
            if (!step())
                return false;
        }
    }
    m_leaving = true;
    close();
    QCoreApplication::quit();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_leaving) {
        event->accept();
        return;
    }
    event->ignore();
    m_session.dialogs().warning(u"Atenção"_s, u"Utilize o botão \"SAIR\""_s);
}

} // namespace zova
