#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quillmere {

// A question with a choice of answers. The program asks with a message box; tests answer from a list.
class Asker
{
public:
    virtual ~Asker() = default;
    // The first answer is the default button. Returns the index of the answer chosen, or -1 when the box was
    // closed without one, which callers take as the answer that changes nothing.
    virtual int ask(QWidget* parent, const QString& title, const QString& text, const QStringList& answers) = 0;
};

} // namespace quillmere
