#pragma once
// Pictures are SVG resources named by their path (":/items/cap.svg"). Two controls show "the same
// picture" exactly when they hold the same path, which is how the game copies pictures from its
// picture stores and later asks which one an item shows.
#include <QPixmap>
#include <QString>

namespace Picture {
// The picture's own size in logical pixels (its SVG width and height); empty if it cannot be read.
QSize naturalSize(const QString &path);
// The picture rendered at size (logical pixels) for a screen with the given device pixel ratio;
// rendered once and kept. A missing or broken picture gives a null pixmap.
QPixmap render(const QString &path, QSize size, qreal devicePixelRatio);

// Pictures with words a player must read have a twin per language beside them (":/ui/letter.svg" and
// ":/ui/letter.en.svg"). Once a language is set, its twin is drawn wherever one exists; the picture
// keeps its own path all the same. "cs", the language of the originals, draws them.
void setLanguage(const QString &lang);
// The file drawn for the picture in the current language.
QString resolve(const QString &path);
} // namespace Picture
