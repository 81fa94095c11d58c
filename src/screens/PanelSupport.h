#pragma once

#include "look/FormGeometry.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace quillmere {

// Places a control at a position and size given in twips, as the forms are laid out.
inline void setTwipGeometry(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
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
