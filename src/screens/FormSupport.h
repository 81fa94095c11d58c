#pragma once

#include "table/CardPicture.h"
#include "table/DialogFlags.h"
#include "table/FormLook.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace quillmere {

// Opens a screen as a child window of the workspace with a fixed size and no minimise or maximise boxes.
// The child window is deleted when it closes, and the screen with it.
QMdiSubWindow* openFormInWorkspace(QMdiArea* workspace, QWidget* form);

// Places a child window centred across the workspace and at one third of its free height, the way the
// screens place themselves. The place is remembered, so the window follows later resizes of the workspace
// until the user moves it.
void placeFormInWorkspace(QMdiSubWindow* window);
// Re-places every child window still at the place given by placeFormInWorkspace.
void replaceFormsAfterResize(QMdiArea* workspace);

// Closes a screen, together with its child window when it lives in the workspace.
void closeForm(QWidget* form);

// The open screen or table of the workspace with the given objectName, nullptr when none is open.
QWidget* openForm(QMdiArea* workspace, const QString& objectName);

// Places a top-level dialog centred across the screen and at one third of the free height.
void placeDialogOnScreen(QWidget* dialog, QWidget* reference);

} // namespace quillmere
