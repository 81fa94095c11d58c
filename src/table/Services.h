#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace quillmere {

// Message boxes. The program shows QMessageBox; tests record the messages and answer OK at once.
class Notifier
{
public:
    enum class Icon { Information, Error, Critical };
    virtual ~Notifier() = default;
    virtual void show(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
};

// A question with a choice of answers. The program asks with a message box; tests answer from a list.
class Asker
{
public:
    virtual ~Asker() = default;
    // The first answer is the default button. Returns the index of the answer chosen, or -1 when the box was
    // closed without one, which callers take as the answer that changes nothing.
    virtual int ask(QWidget* parent, const QString& title, const QString& text, const QStringList& answers) = 0;
};

// Asks where a file is to be saved. The program shows a file dialog; tests answer with a path of their own.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // filters are dialog filters such as "PDF document (*.pdf)", the first one chosen at first. Returns the path
    // chosen (with the filter it was chosen under in chosenFilter, when given), or the empty text when the user
    // cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                                 const QStringList& filters, QString* chosenFilter = nullptr)
        = 0;
};

// The blocking waits of a cast; tests return at once.
class Pause
{
public:
    virtual ~Pause() = default;
    virtual void wait(int milliseconds) = 0;
};

// How long the wait panel of an automatic cast and the finished manual board stay before the table opens.
constexpr int kCastPauseMilliseconds = 3000;

// Opens an address with the desktop's default handler, without waiting for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

} // namespace quillmere
