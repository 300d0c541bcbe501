#include "layouts/report_output.h"

#include "layouts/preview_window.h"
#include "layouts/report_document.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QtDebug>

using namespace Qt::StringLiterals;

namespace zova {

void PreviewOutput::present(const ReportDocument& document, QWidget* parent)
{
    PreviewWindow preview(document, m_dialogs, parent);
    preview.exec();
}

PdfFileOutput::PdfFileOutput(QString folder, Dialogs* dialogs)
    : m_folder(std::move(folder))
    , m_dialogs(dialogs)
{
}

void PdfFileOutput::present(const ReportDocument& document, QWidget*)
{
    const QDir dir(m_folder);
    dir.mkpath(u"."_s);
    const QString base = document.layout().documentName;
    QString path = dir.filePath(base + u".pdf"_s);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(base + u'-' + QString::number(n) + u".pdf"_s);
    if (document.writePdf(path)) {
        m_written << path;
        qInfo().noquote() << "PDF:" << path;
        return;
    }
    const QString message
        = u"Não foi possível salvar o arquivo \""_s + QDir::toNativeSeparators(path) + u"\"."_s;
    if (m_dialogs)
        m_dialogs->error(u"Erro"_s, message);
    else
        qWarning().noquote() << message;
}

std::unique_ptr<ReportOutput> defaultReportOutput(Dialogs& dialogs)
{
    const QString folder = qEnvironmentVariable("ZOVA_REPORT_PDF_DIR");
    if (!folder.isEmpty())
        return std::make_unique<PdfFileOutput>(folder, &dialogs);
    return std::make_unique<PreviewOutput>(dialogs);
}

} // namespace zova
