#include "app/DesktopServices.h"

#include "screens/FormSupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QWidget>

namespace quillmere {

QString MessageBoxNotifier::displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void MessageBoxNotifier::show(QWidget* parent, Icon icon, const QString& title, const QString& text)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    // Refusals and start-up failures show the same stop sign.
    case Icon::Error:
    case Icon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, title, displayText(text), QMessageBox::Ok, parent);
    box.setWindowFlags(kDialogWindowFlags | Qt::MSWindowsFixedSizeDialogHint);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int MessageBoxNotifier::ask(QWidget* parent, const QString& title, const QString& text, const QStringList& answers)
{
    QMessageBox box(QMessageBox::Question, title, displayText(text), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers)
        buttons.append(box.addButton(answer, buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

void SleepingPause::wait(int milliseconds)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible())
            window->repaint();
    }
    // Gets the painting to the screen; input stays queued until the pause is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(static_cast<unsigned long>(std::max(0, milliseconds)));
}

void DesktopUrlOpener::open(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

} // namespace quillmere
