#pragma once

// Reads printed documents back the way an outside checker does: pdftotext, pdfinfo, pdftoppm
// and zbarimg. Header-only so the report tests can use it too.

#include "layouts/report_document.h"

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QtDebug>
#include <gtest/gtest.h>

namespace zova::test {

inline QString runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A folder for the files of one test, removed afterwards.
class PdfFolder {
public:
    PdfFolder()
        : m_dir(qEnvironmentVariableIsEmpty("ZOVA_TEST_TMP")
                ? QDir::tempPath() + QStringLiteral("/zova-pdf-XXXXXX")
                : qEnvironmentVariable("ZOVA_TEST_TMP") + QStringLiteral("/pdf-XXXXXX"))
    {
        // ZOVA_KEEP_PDF=1 leaves the files for a look at the pages.
        if (qEnvironmentVariableIsSet("ZOVA_KEEP_PDF")) {
            m_dir.setAutoRemove(false);
            qInfo().noquote() << "PDF folder:" << m_dir.path();
        }
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Text of every page, in layout mode; pages split at the form feeds.
inline QStringList pdfPages(const QString& pdf)
{
    QStringList pages
        = runTool(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") })
              .split(QChar(u'\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// "Page size:" line of pdfinfo, e.g. "841.89 x 595.276 pts (A4)".
inline QString pdfPageSize(const QString& pdf)
{
    const QStringList lines = runTool(QStringLiteral("pdfinfo"), { pdf }).split(u'\n');
    for (const QString& l : lines) {
        if (l.startsWith(QStringLiteral("Page size:")))
            return l.mid(10).trimmed();
    }
    return {};
}

// Barcodes zbarimg finds on one page rasterised at 300 dpi.
inline QStringList decodeBarcodes(const QString& pdf, int page = 1)
{
    const QString prefix = pdf + QStringLiteral("-page");
    runTool(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
            QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), pdf,
            prefix });
    return runTool(QStringLiteral("zbarimg"),
        { QStringLiteral("--raw"), QStringLiteral("-q"), prefix + QStringLiteral(".png") })
        .split(u'\n', Qt::SkipEmptyParts);
}

inline QStringList writeAndRead(
    const ReportDocument& document, const PdfFolder& folder, const QString& name = QStringLiteral("doc.pdf"))
{
    const QString path = folder.path(name);
    EXPECT_TRUE(document.writePdf(path));
    return pdfPages(path);
}

} // namespace zova::test
