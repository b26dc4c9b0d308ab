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

// The main window's background: a warm red-gold gradient with a light pattern of clouds.
void PaintBackground(QPainter& painter, const QRect& rect);

} // namespace korvani::app::artwork
