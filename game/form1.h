#pragma once
// The game window: the scene viewport above, the panel with the status line, the About, INV and Exit
// buttons, the logos and the inventory below. It owns the whole world, the inventory, the game timers
// and two media channels (music and effects).
#include "runtime/control.h"
#include "runtime/mediachannel.h"
#include "runtime/timer.h"
#include "runtime/windows.h"

#include <QCoreApplication>
#include <memory>

class QMenu;
class QAction;
class StartArea;
class CityMap;
class PoliceArea;
class CastleArea;
class BarArea;
class VillaArea;
class FinaleArea;
class Inventory;

class Form1 : public GameWindow {
    Q_OBJECT
  public:
    Form1();
    ~Form1() override;

    void Form_Load() override;
    void Form_Unload() override;

    // Set hover text: the status line's caption. The text is the Czech original, marked
    // QT_TRANSLATE_NOOP("Status", ...) where it is written, and shown in the player's language.
    void setStatus(const QString &text) {
        Label1->setCaption(QCoreApplication::translate("Status", text.toUtf8().constData()));
    }

    // The home scene's picture and the panel.
    Control *Image1;
    LabelControl *Label1;    // the status line
    PictureButton *Command1; // About
    PictureButton *Command2; // INV
    PictureButton *end;      // Exit: opens the pop-up menu
    Control *Image118;       // the title banner ("Logo")
    Control *Image119;       // the studio logo
    LineControl *Line1;
    LabelControl *Key; // the home door's counter
    QMenu *mnu_menu;
    QAction *tomainmenu;
    QAction *endgamehra;

    Timer *Timer1;            // the police siren
    Timer *Timer3;            // the bar's music again and again
    Timer *Timer4;            // the end of a lost game
    MediaChannel *MMControl1; // music
    MediaChannel *MMControl2; // effects

    // The world, area by area, and the inventory.
    std::unique_ptr<StartArea> start;
    std::unique_ptr<CityMap> citymap;
    std::unique_ptr<PoliceArea> police;
    std::unique_ptr<CastleArea> castle;
    std::unique_ptr<BarArea> bar;
    std::unique_ptr<VillaArea> villa;
    std::unique_ptr<FinaleArea> finale;
    std::unique_ptr<Inventory> inventory;

    // Handlers of the window.
    void Command1_Click();
    void Command2_Click();
    void end_MouseDown(Qt::MouseButton button, QPoint globalPos);
    void tomainmenu_Click();
    void endgamehra_Click();
    void Timer1_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
