#pragma once

// Finding the program's forms and controls by their object names, as the end-to-end tests walk the screens.

#include <QApplication>
#include <QCoreApplication>
#include <QString>
#include <QWidget>

namespace quillmere::forms {

// The child control called name; the test stops when the form does not have it.
template <typename T> T* control(QWidget* form, const char* name)
{
    T* found = form ? form->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("control %s not found", name);
    return found;
}

// The visible top-level window called name, or null.
inline QWidget* topLevel(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            return window;
    }
    return nullptr;
}

// Lets closed windows and screens be deleted, so "is it open" questions see the truth.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace quillmere::forms
