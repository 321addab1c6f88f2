// The images of the tool bars and the tree: the desktop's icon theme where
// it has an image of the standard name, otherwise the program's own drawing
// in the colours of the palette in force.
#pragma once

#include <QIcon>
#include <QString>

class QPalette;

namespace tessel {

// What the image is drawn on: the window colour (tool bars, dialogs) or the
// base colour of lists and trees.
enum class IconSurface { Window, Base };

// The theme's image called `themeName` (a freedesktop icon name; empty for
// none) where it can be told from the surface in this palette, else the
// drawing `resource` recoloured for the palette.
QIcon themedIcon(const QString& themeName, const QString& resource, const QPalette& palette,
    IconSurface surface = IconSurface::Window);

// The drawing `resource` recoloured for the palette, never the theme's.
QIcon paletteIcon(const QString& resource, const QPalette& palette, IconSurface surface = IconSurface::Window);

} // namespace tessel
