#pragma once

#include <QDialog>

class QTextEdit;
class QPushButton;

namespace zova {

class Session;

// The office message shown at start-up: a borderless box with a title band and the text.
class MessageWindow : public QDialog {
    Q_OBJECT
public:
    MessageWindow(Session& session, const QString& text, QWidget* parent = nullptr);
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* m_text;
    QPushButton* m_exit;
};

} // namespace zova
