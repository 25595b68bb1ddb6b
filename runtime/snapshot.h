#pragma once
// The state of a window is the properties of its controls, so a snapshot of it is exactly those: for
// every named control (picture, hotspot, frame, label, button, line, timer, media channel) the
// properties the game changes, keyed by the control's name. Nothing here knows one control from
// another: a control added to the game is in the next snapshot without anyone thinking of it.
//
// A control's state as JSON, by kind (only the properties that kind has):
//   "visible", "enabled"   its own Visible and Enabled (not those of its containers)
//   "rect"                 Left, Top, Width, Height in twips (pictures, hotspots, frames)
//   "picture", "dragIcon"  picture paths; "tag" its Tag; "drag" true for an automatic drag;
//   "cursor"               its MouseIcon, the number of its cursor kind
//   "caption"              a label's caption
//   "file", "playing"      a media channel's FileName; for music, the file sounding now or ""
#include <QJsonObject>
#include <QString>

class QWidget;

namespace Snapshot {
// Every named control of the window with its state.
QJsonObject capture(const QWidget *window);
// Only the controls whose state differs from before (an earlier capture), each with only the
// properties that differ.
QJsonObject changesSince(const QJsonObject &before, const QWidget *window);
// Puts the state back into the window's controls. Nothing is changed unless every control it names
// exists and every value fits its property; the answer then says which one does not.
QString apply(QWidget *window, const QJsonObject &state);
} // namespace Snapshot
