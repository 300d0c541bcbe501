#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace zova {

class Dialogs;
class ReportDocument;

// Where a finished document goes: the preview on screen, or straight to a PDF file in tests and
// headless runs. Report windows hold one and hand every document to it.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // Returns when the operator is done with the document.
    virtual void present(const ReportDocument& document, QWidget* parent) = 0;
};

class PreviewOutput final : public ReportOutput {
public:
    explicit PreviewOutput(Dialogs& dialogs)
        : m_dialogs(dialogs)
    {
    }
    void present(const ReportDocument& document, QWidget* parent) override;

private:
    Dialogs& m_dialogs;
};

// Writes each document to folder/<document name>.pdf, or <name>-2.pdf, <name>-3.pdf ... when the
// name is taken, so consecutive prints never overwrite each other.
class PdfFileOutput final : public ReportOutput {
public:
    explicit PdfFileOutput(QString folder, Dialogs* dialogs = nullptr);
    void present(const ReportDocument& document, QWidget* parent) override;

    // Paths written, in order.
    const QStringList& written() const { return m_written; }
    QString last() const { return m_written.isEmpty() ? QString() : m_written.last(); }

private:
    QString m_folder;
    Dialogs* m_dialogs;
    QStringList m_written;
};

// The preview, or PDF files in the folder named by ZOVA_REPORT_PDF_DIR when that is set.
std::unique_ptr<ReportOutput> defaultReportOutput(Dialogs& dialogs);

} // namespace zova
