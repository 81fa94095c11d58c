#pragma once

#include "look/FormGeometry.h"
#include "table/Services.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace quillmere {

// The title of the screens' messages and questions.
inline const QString kMessageTitle = QStringLiteral("Quillmere");

// Says in an error message, under the program's title, why a step was refused.
inline void showRefusal(Notifier& notifier, QWidget* parent, const QString& text)
{
    notifier.show(parent, Notifier::Icon::Error, kMessageTitle, text);
}

// Places a control at a position and size given in twips, as the forms are laid out.
inline void setTwipGeometry(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

// Gives a new control the objectName that tests and the program find it by, and its place on the form.
template <typename Control> Control* placeControl(Control* control, const QString& objectName, const QRect& geometry)
{
    control->setObjectName(objectName);
    control->setGeometry(geometry);
    return control;
}

// The same with the place given in twips.
template <typename Control>
Control* placeControl(Control* control, const QString& objectName, int left, int top, int width, int height)
{
    return placeControl(control, objectName, twipsRect(left, top, width, height));
}

// The details screen's picture, which the panels and the save dialog show as well; without it the box stays empty.
inline void showDetailsPicture(QLabel* box)
{
    const QPixmap pixmap(QStringLiteral(":/pictures/details.png"));
    if (!pixmap.isNull())
        box->setPixmap(pixmap.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    box->setAlignment(Qt::AlignCenter);
}

} // namespace quillmere
