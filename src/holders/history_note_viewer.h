#pragma once

#include <QDate>
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zova {

class Session;

// Shows one note in full. The text box takes typing, but nothing typed is stored.
class HistoryNoteViewer : public QDialog {
    Q_OBJECT

public:
    HistoryNoteViewer(Session& session, const QString& holderName, const QDate& date, const QString& text,
        QWidget* parent = nullptr);

    QLabel* holderLabel() const { return m_holder; }
    QLabel* dateLabel() const { return m_date; }
    QPlainTextEdit* textBox() const { return m_text; }
    QPushButton* sairButton() const { return m_sair; }

private:
    QLabel* m_holder = nullptr;
    QLabel* m_date = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_sair = nullptr;
};

} // namespace zova
