#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QPainter;
class QRect;

// The program's own pictures, drawn rather than stored, so that they are crisp at any DPI.
namespace korvani::app::artwork {

// A round seal with one character, the icon of a tool button.
QIcon SealIcon(const QString& character, const QColor& color);

// The node pictures of the dream tree: a category is a closed book that opens when selected; a title
// is a crescent moon with a star that lights up when selected (QIcon::Normal and QIcon::Selected).
QIcon DreamCategoryIcon();
QIcon DreamTitleIcon();

// The main window's background: a warm red-gold gradient with a light pattern of clouds.
void PaintBackground(QPainter& painter, const QRect& rect);

} // namespace korvani::app::artwork
