#include "common/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace hb {

QString QtMessages::displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Messages::Answer QtMessages::show(Kind kind, const QString& text, Buttons buttons,
                                  const QString& title)
{
    QMessageBox box(m_parent ? m_parent : QApplication::activeWindow());
    switch (kind) {
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Kind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    box.setText(displayText(text));
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::OkIgnore:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Ignore);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    default:
        // Closing a Yes/No box with Escape or the window button counts as No.
        if (buttons == Buttons::YesNo)
            return Answer::No;
        if (buttons == Buttons::OkCancel)
            return Answer::Cancel;
        return Answer::Ok;
    }
}

} // namespace hb
