#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zova {

class DateEdit;
class Session;

// Adds dated notes to one holder. It stays open for several notes: each save empties the
// fields and announces the stored note, so the holder window can list it at once.
class HistoryNoteWindow : public QDialog {
    Q_OBJECT

public:
    HistoryNoteWindow(
        Session& session, qint64 holderId, const QString& holderName, QWidget* parent = nullptr);

    // Checks, asks and stores the note; false when refused, declined or failed.
    bool salvar();

    QLineEdit* historicoField() const { return m_historico; }
    DateEdit* dataField() const { return m_data; }
    QLabel* holderLabel() const { return m_holder; }
    QPushButton* salvarButton() const { return m_salvar; }
    QPushButton* sairButton() const { return m_sair; }

signals:
    // A note was stored under `number`.
    void noteSaved(qint64 number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool refuse(const QString& text, QWidget* field);
    void clearFields();

    Session& m_session;
    qint64 m_holderId;
    QString m_holderName;
    bool m_placed = false;

    QLineEdit* m_historico = nullptr;
    DateEdit* m_data = nullptr;
    QLabel* m_holder = nullptr;
    QPushButton* m_salvar = nullptr;
    QPushButton* m_sair = nullptr;
};

} // namespace zova
