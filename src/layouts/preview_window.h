#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace zova {

class Dialogs;
class ReportDocument;

// Print preview: pages through the document, zooms, prints through the printer dialog and saves
// it as a PDF document.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const ReportDocument& document, Dialogs& dialogs, QWidget* parent = nullptr);

    int currentPage() const { return m_page; }
    int zoomPercent() const { return m_zoom; }
    void showPage(int page);
    void setZoom(int percent);

    // Asks for a file name ("Documento PDF"), proposing the layout's document name.
    void saveAsPdf();
    // Writes the PDF; tells the operator when it could not be written.
    bool savePdfTo(const QString& path);
    void printDocument();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();

    const ReportDocument& m_document;
    Dialogs& m_dialogs;
    int m_page = 0;
    int m_zoom = 100;
    QScrollArea* m_scroll;
    QLabel* m_sheet;
    QLabel* m_pageLabel;
    QComboBox* m_zoomBox;
    QToolButton* m_first;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_last;
};

} // namespace zova
