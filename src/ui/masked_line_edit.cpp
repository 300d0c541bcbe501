#include "ui/masked_line_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

// Qt mask characters that stand for an input position (the rest are literals here).
bool isInputChar(QChar c)
{
    return QStringView(u"AaNnXx90Dd#HhBb").contains(c);
}

} // namespace

MaskedLineEdit::MaskedLineEdit(QStringView mask, QChar blank, QWidget* parent)
    : QLineEdit(parent)
    , m_mask(mask.toString())
    , m_blank(blank)
{
    setInputMask(m_mask + u';' + m_blank);
}

bool MaskedLineEdit::isSeparator(qsizetype pos) const
{
    return pos >= m_mask.size() || !isInputChar(m_mask[pos]);
}

QString MaskedLineEdit::blankText() const
{
    QString out = m_mask;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (!isSeparator(i))
            out[i] = u' ';
    }
    return out;
}

QString MaskedLineEdit::text() const
{
    QString shown = displayText();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!isSeparator(i) && shown[i] == m_blank)
            shown[i] = u' ';
    }
    return shown;
}

void MaskedLineEdit::setText(const QString& text)
{
    // Give every input position its blank character so Qt places the text position by position.
    QString shown = text;
    const bool withSeparators = text.size() == m_mask.size();
    if (withSeparators) {
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (!isSeparator(i) && shown[i] == u' ')
                shown[i] = m_blank;
        }
    }
    QLineEdit::setText(shown);
}

bool MaskedLineEdit::isBlank() const
{
    return typedText().isEmpty();
}

bool MaskedLineEdit::isComplete() const
{
    const QString shown = text();
    for (qsizetype i = 0; i < m_mask.size(); ++i) {
        if (!isSeparator(i) && (i >= shown.size() || shown[i] == u' '))
            return false;
    }
    return true;
}

QString MaskedLineEdit::typedText() const
{
    const QString shown = text();
    QString out;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!isSeparator(i) && shown[i] != u' ')
            out += shown[i];
    }
    return out;
}

void MaskedLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (isBlank())
        setCursorPosition(0);
}

void MaskedLineEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    // A click into an empty field starts typing at its first position, not where it landed.
    if (isBlank() && event->button() == Qt::LeftButton)
        setCursorPosition(0);
}

} // namespace zova
