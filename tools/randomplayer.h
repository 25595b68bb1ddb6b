#pragma once
// A restless player from a fixed seed, shared by the soak test and the long-play tool: moves and
// clicks over whatever is on screen (half of the clicks aimed at controls), drags held items onto any
// visible control of the game window or anywhere, presses buttons, opens the inventory and the
// credits, closes windows, and travels: from the map into the four places and back by their
// thumbnails, and now and then onto the map as the launch ends. Every input goes through the
// windows' event delivery, as a real pointer's would.
#include <QRandomGenerator>
#include <QString>

class RandomPlayer {
  public:
    explicit RandomPlayer(quint32 seed) : rng(seed) {}
    // One input; what it was, for a report.
    QString step();
    QRandomGenerator rng;
};
