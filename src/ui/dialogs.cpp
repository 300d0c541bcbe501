#include "ui/dialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace zova {

QString screenText(const QString& text)
{
    QString out = text;
    out.replace(u"\r\n"_s, u"\n"_s);
    out.replace(u'\r', u'\n');
    return out;
}

void QtDialogs::message(Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(caption);
    box.setText(screenText(text));
    box.setIcon(icon == Icon::Information ? QMessageBox::Information
            : icon == Icon::Warning       ? QMessageBox::Warning
            : icon == Icon::Error         ? QMessageBox::Critical
                                          : QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::question(const QString& caption, const QString& text)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(caption);
    box.setText(screenText(text));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void installPortugueseTranslations()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), u"qtbase"_s, u"_"_s,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace zova
