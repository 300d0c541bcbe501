#include "ui/field_helpers.h"

#include "ui/dialogs.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

class ListExitCheck : public QObject {
public:
    ListExitCheck(QComboBox* list, Dialogs& dialogs, QString suffix)
        : QObject(list)
        , m_list(list)
        , m_dialogs(dialogs)
        , m_suffix(std::move(suffix))
    {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_list && event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Its own drop-down and a window on top take the focus without leaving the field.
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && m_list->isEnabled()
                && !keepListText(m_list, m_dialogs, m_suffix)) {
                QTimer::singleShot(0, m_list, [list = m_list] { list->setFocus(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QComboBox* m_list;
    Dialogs& m_dialogs;
    QString m_suffix;
};

} // namespace

void keepUpperCase(QLineEdit* field)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = field->cursorPosition();
        field->setText(upper);
        field->setCursorPosition(cursor);
    });
}

QLineEdit* upperEdit(int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    keepUpperCase(edit);
    return edit;
}

QComboBox* fixedList(const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

const QStringList& stateCodes()
{
    static const QStringList list { u"AC"_s, u"AL"_s, u"AP"_s, u"AM"_s, u"BA"_s, u"CE"_s, u"DF"_s, u"ES"_s,
        u"GO"_s, u"MA"_s, u"MT"_s, u"MS"_s, u"MG"_s, u"PA"_s, u"PB"_s, u"PR"_s, u"PE"_s, u"PI"_s, u"RJ"_s,
        u"RN"_s, u"RS"_s, u"RO"_s, u"RR"_s, u"SC"_s, u"SP"_s, u"SE"_s, u"TO"_s };
    return list;
}

const QStringList& maritalStatuses()
{
    static const QStringList list { u"SOLTEIRO(A)"_s, u"CASADO(A)"_s, u"DIVORCIADO(A)"_s, u"SEPARADO(A)"_s,
        u"UNIÃO ESTÁVEL"_s, u"VIÚVO(A)"_s };
    return list;
}

QPushButton* makeButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setMinimumWidth(110);
    return button;
}

void setListText(QComboBox* list, const QString& text)
{
    if (list->isEditable()) {
        list->setCurrentIndex(-1);
        list->setEditText(text);
        return;
    }
    if (text.isEmpty()) {
        list->setCurrentIndex(-1);
        return;
    }
    int index = list->findText(text, Qt::MatchFixedString);
    if (index < 0) {
        list->addItem(text);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
}

QLabel* requiredCaption(const QString& text, QWidget* parent)
{
    return captionLabel(text + u" <span style=\"color:#FF0000\">*</span>"_s, parent);
}

bool isNumericSearchKey(const QKeyEvent* key)
{
    const QString t = key->text();
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    return t.isEmpty() || (t.size() == 1 && (t[0].isDigit() || t[0] == u',' || t[0] == u'.'));
}

bool keepListText(QComboBox* list, Dialogs& dialogs, const QString& suffix)
{
    const QString text = list->currentText();
    if (text.isEmpty() || list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return true;
    // Emptied before the message, so nothing can store the refused text meanwhile.
    setListText(list, {});
    dialogs.error(u"Opção Inválida"_s, u"Você deve selecionar uma opção existente na lista."_s + suffix);
    return false;
}

void checkListOnExit(QComboBox* list, Dialogs& dialogs, const QString& suffix)
{
    new ListExitCheck(list, dialogs, suffix);
}

} // namespace zova
