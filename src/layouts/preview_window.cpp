#include "layouts/preview_window.h"

#include "layouts/report_document.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace zova {
namespace {

QToolButton* toolButton(const QString& text, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    return b;
}

constexpr int kZoomSteps[] = { 50, 75, 100, 110, 125, 150, 200 };

} // namespace

PreviewWindow::PreviewWindow(const ReportDocument& document, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_dialogs(dialogs)
    , m_zoom(document.layout().previewZoomPercent)
{
    setWindowTitle(u"Visualização de impressão - "_s + document.layout().documentName);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

    auto* bar = new QHBoxLayout;
    m_first = toolButton(u"|<"_s, this);
    m_previous = toolButton(u"<"_s, this);
    m_next = toolButton(u">"_s, this);
    m_last = toolButton(u">|"_s, this);
    m_first->setToolTip(u"Primeira página"_s);
    m_previous->setToolTip(u"Página anterior"_s);
    m_next->setToolTip(u"Próxima página"_s);
    m_last->setToolTip(u"Última página"_s);
    m_pageLabel = new QLabel(this);
    m_zoomBox = new QComboBox(this);
    for (int z : kZoomSteps)
        m_zoomBox->addItem(QString::number(z) + u" %"_s, z);
    auto* print = toolButton(u"&Imprimir"_s, this);
    auto* save = toolButton(u"Salvar &PDF"_s, this);
    auto* close = toolButton(u"&Fechar"_s, this);
    for (QWidget* w : std::initializer_list<QWidget*> { m_first, m_previous, m_pageLabel, m_next, m_last })
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(new QLabel(u"Zoom:"_s, this));
    bar->addWidget(m_zoomBox);
    bar->addStretch(1);
    bar->addWidget(print);
    bar->addWidget(save);
    bar->addWidget(close);

    m_sheet = new QLabel(this);
    m_sheet->setAlignment(Qt::AlignCenter);
    m_sheet->setContentsMargins(12, 12, 12, 12);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_sheet);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(m_first, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(m_previous, &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { showPage(m_document.pageCount() - 1); });
    connect(m_zoomBox, &QComboBox::activated, this,
        [this](int index) { setZoom(m_zoomBox->itemData(index).toInt()); });
    connect(print, &QToolButton::clicked, this, &PreviewWindow::printDocument);
    connect(save, &QToolButton::clicked, this, &PreviewWindow::saveAsPdf);
    connect(close, &QToolButton::clicked, this, &QDialog::accept);

    resize(1000, 760);
    refresh();
}

void PreviewWindow::showPage(int page)
{
    m_page = std::clamp(page, 0, std::max(0, m_document.pageCount() - 1));
    refresh();
    m_scroll->verticalScrollBar()->setValue(0);
}

void PreviewWindow::setZoom(int percent)
{
    m_zoom = std::clamp(percent, 10, 400);
    refresh();
}

void PreviewWindow::refresh()
{
    const int pages = m_document.pageCount();
    m_pageLabel->setText(u"Página "_s + QString::number(m_page + 1) + u" de "_s + QString::number(pages));
    m_first->setEnabled(m_page > 0);
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < pages);
    m_last->setEnabled(m_page + 1 < pages);
    const int zoomIndex = m_zoomBox->findData(m_zoom);
    if (zoomIndex < 0) {
        m_zoomBox->addItem(QString::number(m_zoom) + u" %"_s, m_zoom);
        m_zoomBox->setCurrentIndex(m_zoomBox->count() - 1);
    } else {
        m_zoomBox->setCurrentIndex(zoomIndex);
    }
    // 100 % is the sheet's real size on this screen.
    const qreal ratio = devicePixelRatioF();
    const double dpi = logicalDpiX() * m_zoom / 100.0;
    QImage image = m_document.renderPage(m_page, dpi * ratio);
    image.setDevicePixelRatio(ratio);
    m_sheet->setPixmap(QPixmap::fromImage(image));
}

void PreviewWindow::saveAsPdf()
{
    const QString proposed = QDir::home().filePath(m_document.layout().documentName + u".pdf"_s);
    QString path = QFileDialog::getSaveFileName(this, u"Salvar como"_s, proposed, u"Documento PDF (*.pdf)"_s);
    if (path.isEmpty())
        return;
    if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        path += u".pdf"_s;
    savePdfTo(path);
}

bool PreviewWindow::savePdfTo(const QString& path)
{
    if (m_document.writePdf(path))
        return true;
    m_dialogs.error(
        u"Erro"_s, u"Não foi possível salvar o arquivo \""_s + QDir::toNativeSeparators(path) + u"\"."_s);
    return false;
}

void PreviewWindow::printDocument()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_document.pageLayout());
    printer.setDocName(m_document.layout().documentName);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, m_document.pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    if (!m_document.print(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0))
        m_dialogs.error(u"Erro"_s, u"Não foi possível imprimir o documento."_s);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier) {
            showPage(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier) {
            showPage(m_document.pageCount() - 1);
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zova
