#pragma once
#include <QCursor>
#include <QString>

// The cursor kinds of the game: each tells the player what a thing is for.
enum class CursorKind {
    None,      // no cursor of its own: the container's arrow shows
    Pointer,   // the game's own pointer
    Look,      // arrow with a question mark
    Take,      // take or use
    TakeLight, // take or use, lighter variant
    Talk,
    Read,
    Forward,
    Back,
    Left,
    Right,
    Crosshair, // the beetle game's sight
};

QString cursorPicture(CursorKind kind);
// Where the cursor's picture points, in its 32 x 32 design.
QPoint cursorHotSpot(CursorKind kind);
// A 32 x 32 cursor rendered for the screen's pixel ratio, its hot spot where the picture points.
QCursor gameCursor(CursorKind kind);
// The cursor a dragged item shows: its drag icon, held by the middle.
QCursor dragCursor(const QString &dragIcon);
