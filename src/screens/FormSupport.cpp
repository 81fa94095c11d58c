#include "screens/FormSupport.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace quillmere {

namespace {
const char* const kPlacedAt = "quillmerePlacedAt";
}

QMdiSubWindow* openFormInWorkspace(QMdiArea* workspace, QWidget* form)
{
    form->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = workspace->addSubWindow(
        form, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(form->windowTitle());
    window->setWindowIcon(form->windowIcon());
    window->adjustSize();
    window->setFixedSize(window->sizeHint());
    return window;
}

void placeFormInWorkspace(QMdiSubWindow* window)
{
    QWidget* viewport = window->parentWidget();
    if (!viewport)
        return;
    const int left = std::max(0, (viewport->width() - window->width()) / 2);
    const int top = std::max(0, (viewport->height() - window->height()) / 3);
    window->move(left, top);
    window->setProperty(kPlacedAt, QPoint(left, top));
}

void replaceFormsAfterResize(QMdiArea* workspace)
{
    const QList<QMdiSubWindow*> windows = workspace->subWindowList();
    for (QMdiSubWindow* window : windows) {
        const QVariant placedAt = window->property(kPlacedAt);
        if (placedAt.isValid() && placedAt.toPoint() == window->pos())
            placeFormInWorkspace(window);
    }
}

namespace {

// The child window of the workspace that holds the form, directly or inside a scrolling frame.
QMdiSubWindow* childWindowOf(QWidget* form)
{
    for (QWidget* parent = form->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(parent))
            return window;
    }
    return nullptr;
}

} // namespace

void closeForm(QWidget* form)
{
    if (QMdiSubWindow* window = childWindowOf(form))
        window->close();
    else
        form->close();
}

QWidget* openForm(QMdiArea* workspace, const QString& objectName)
{
    const QList<QMdiSubWindow*> windows = workspace->subWindowList();
    for (QMdiSubWindow* window : windows) {
        if (window->isHidden())
            continue;
        QWidget* form = window->widget();
        if (form && form->objectName() == objectName)
            return form;
        if (auto* inner = window->findChild<QWidget*>(objectName))
            return inner;
    }
    return nullptr;
}

void placeDialogOnScreen(QWidget* dialog, QWidget* reference)
{
    QScreen* screen = reference ? reference->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = dialog->frameGeometry().size();
    dialog->move(area.left() + std::max(0, (area.width() - size.width()) / 2),
                 area.top() + std::max(0, (area.height() - size.height()) / 3));
}

} // namespace quillmere
