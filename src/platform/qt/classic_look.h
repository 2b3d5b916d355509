// The classic Windows look every widget of the layer shares, whatever the desktop's theme.
#pragma once

#include <QColor>
#include <QPalette>

class QStyle;
class QWidget;

inline const QColor kFaceColor(212, 208, 200);

const QPalette& classic_palette();
// Qt's own Windows style where available (it draws the classic bevels), else the app style.
QStyle* classic_style();
// Sets the style on the widget and all its children; the palette propagates by itself.
void apply_classic_style(QWidget* widget);
// A class background brush such as COLOR_BTNFACE + 1; invalid for none.
QColor system_brush_color(const void* brush);
