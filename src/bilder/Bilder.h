#pragma once
// The program's own pictures: icons, glyphs, the program's picture and the
// background tile. They are drawn from their sources (the SVGs in resources/,
// the tile's formula signs) at build time, at the sizes the windows show them
// and at twice those for screens that scale by two, and compiled in as raw
// pixels, so that showing one needs no SVG renderer, no image decoder and no
// image-format or icon-engine plugin.
#include <QIcon>
#include <QPixmap>
#include <QString>

// The picture `name` (":/bilder/<name>.argb"), at twice the pixels on a
// screen that scales by two or more when it was drawn so.
QPixmap Bild(const QString& name);
// The icon `name` in every size it was drawn at (":/symbole/<name>-<size>.argb"),
// with twice the pixels as well on a screen that scales by two or more.
QIcon Symbol(const QString& name);
