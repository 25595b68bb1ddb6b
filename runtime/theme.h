#pragma once
// The game's two looks. The classic look is the game as it was drawn: black boxes with green frames,
// coloured bold sans texts, blue name boxes on the map. The remastered look draws the same windows,
// controls and texts in the palette of the pictures: panels of deep purple with the dark outline and a
// gold rim, cream text in the rounded font of the title, the status line on a plaque, the map's names
// on ribbons like the map's own title banner, the game's pointer instead of the system arrow. Controls
// ask the theme for their colours, fonts, frames and cursors; a switch repaints, it never moves one.
#include "runtime/cursors.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QWidget>

class QComboBox;

namespace Theme {
enum class Look { Classic, Remastered };
Look look();
inline bool remastered() {
    return look() == Look::Remastered;
}
// Every open window takes on the look at once.
void setLook(Look look);
// The player's choice: taken at once and remembered (settings key "look": "classic" or "remastered").
// The settings window's "Look" row calls this.
void choose(Look look);
// The remembered choice; the classic look when there is none.
Look savedLook();
// The settings window's "Look" field: a choice of the two looks that takes effect at once and follows F10.
QComboBox *makeLookField(QWidget *parent);
// F10 in any window switches between the two looks (installed once, with the application).
void installSwitchKey();

// What a text is for; it decides how the text is drawn in the remastered look.
enum class Text {
    Plain,   // drawn as designed in both looks
    Message, // on a panel: the message dialog, a conversation line
    Status,  // the status line, on a plaque
    Ribbon,  // a name on the map, on a ribbon
};
QColor textColour(Text role, const QColor &designed);
QFont textFont(Text role, const QFont &designed);
// Paints what lies behind a text in the remastered look (the plaque, the ribbon) under the text's
// bounding rectangle inside the label's rectangle.
void paintTextBackdrop(QPainter &p, Text role, const QRect &rect, const QRect &textRect);

// A text as it is drawn: where it lies in its window and in which colour, for anyone checking that
// every text can be read.
struct DrawnText {
    QRect rect;
    QColor colour;
};
QList<DrawnText> drawnTexts(QWidget *window);

// The panel a window or a frame is drawn on in the remastered look; it lies under every control of its
// surface, takes no input and draws nothing in the classic look.
class Panel : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Filled, Rim }; // a whole panel, or only its rim above a picture
    Panel(QWidget *surface, Kind kind);
    // A conversation's partner: a name tab at the top and a small portrait at the bottom left, cut from
    // the scene picture's element that shows him.
    void setSpeaker(const QString &name, const QString &scene, const QString &element);
    QString speaker() const { return speaker_; }
    QRect nameTab() const; // in the panel
    // Slots drawn under the items of the inventory, and the divider above its OK bar.
    void setSlots(const QList<QRect> &places, int dividerY);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    Kind kind_;
    QString speaker_;
    QPixmap portrait_;
    QList<QRectF> slots_;
    int divider_ = -1;
};
Panel *panelOf(QWidget *surface);

// Where the system arrow shows in the classic look (a scene's frame, a dialog), the game's pointer
// shows in the remastered one.
void setArrowCursor(QWidget *widget, bool explicitArrow);
// A hotspot without a cursor of its own that shows kind in the remastered look (a building on the map
// shows the go cursor).
void setRemasteredCursor(QWidget *hotspot, CursorKind kind);
CursorKind shownCursor(const QWidget *hotspot, CursorKind designed);
} // namespace Theme
