#pragma once
// The program's own pictures: icons, glyphs, the program's picture and the
// background tile. They are drawn from their sources (the SVGs in resources/,
// the tile's formula signs) at build time, at the sizes the windows show them
// and at twice those for screens that scale by two, and read here as PNG by
// Qt's own reader, so that no SVG renderer and no image-format or icon-engine
// plugin is loaded for them.
#include <QIcon>
#include <QPixmap>
#include <QString>

// The picture `name` (":/bilder/<name>.png"), at twice the pixels on a
// screen that scales by two or more when it was drawn so.
QPixmap Bild(const QString& name);
// The icon `name` in every size it was drawn at (":/symbole/<name>-<size>.png"),
// with twice the pixels as well on a screen that scales by two or more.
QIcon Symbol(const QString& name);
