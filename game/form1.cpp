#include "game/form1.h"

#include "game/inventory.h"
#include "game/scene.h"
#include "runtime/style.h"
#include "shell/credits.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "shell/settings.h"
#include "world/bar.h"
#include "world/castle.h"
#include "world/citymap.h"
#include "world/finale.h"
#include "world/police.h"
#include "world/start.h"
#include "world/villa.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

Form1::Form1() : GameWindow("Form1") {
    setDesign("Zur ev Edivu", 6675, 6795, Frame::FixedSingle);
    paintBackground(Qt::black);
    setWindowIcon(QIcon(Pictures::item("treasure")));
    setCursor(gameCursor(CursorKind::Pointer));

    // The status line comes first: every hotspot writes into it.
    Label1 = new LabelControl(this, "Label1", {120, 4200, 3015, 1215});
    Label1->setStyle(QColor(255, 0, 255), Qt::black, designFont("MS Sans Serif", 8.25, true), true);

    // The world, from the home scene on the window's own surface to the finale deep inside the villa.
    Image1 = makePicture(this, "Image1", {0, 0, 6900, 4050}, Pictures::scene("home"));
    start = std::make_unique<StartArea>(*this);
    citymap = std::make_unique<CityMap>(*this, start->Raketa);
    police = std::make_unique<PoliceArea>(*this, citymap->map);
    castle = std::make_unique<CastleArea>(*this, citymap->map);
    bar = std::make_unique<BarArea>(*this, citymap->map);
    villa = std::make_unique<VillaArea>(*this, citymap->map);
    finale = std::make_unique<FinaleArea>(*this, villa->prezident);

    // The panel.
    Command1 = new PictureButton(this, "Command1", {240, 5520, 975, 975}, tr("About"),
                                 designFont("MS Sans Serif", 12, true));
    Command1->setPicture(Pictures::item("about"));
    connect(Command1, &QToolButton::clicked, this, &Form1::Command1_Click);
    Command2 = new PictureButton(this, "Command2", {1200, 5520, 975, 975}, tr("INV"),
                                 designFont("MS Sans Serif", 13.5, true));
    connect(Command2, &QToolButton::clicked, this, &Form1::Command2_Click);
    end = new PictureButton(this, "end", {2160, 5520, 975, 975}, tr("Exit"),
                            designFont("MS Sans Serif", 12, true));
    end->setPicture(Pictures::item("exit"));
    end->installEventFilter(this);
    Image118 = makePicture(this, "Image118", {3360, 4680, 3120, 675}, Pictures::ui("title_banner_panel"));
    Image118->onMouseMove = [this] { setStatus(QT_TRANSLATE_NOOP("Status", "Logo")); };
    Image119 = makePicture(this, "Image119", {3720, 5640, 2505, 570}, Pictures::ui("studio_logo_panel"));
    Line1 = new LineControl(this, "Line1", {0, 4080}, {6720, 4080}, QColor(0, 255, 255), 6);
    Key = new LabelControl(this, "Key", {1320, 3600, 735, 255}, "0");
    Key->hide();

    inventory = std::make_unique<Inventory>(*this);
    Command2->setPicture(inventory->Image1112->Picture());

    mnu_menu = new QMenu(this);
    applyGameStyle(mnu_menu);
    mnu_menu->setObjectName("mnu_menu");
    tomainmenu = mnu_menu->addAction(tr("Hlavní Menu"));
    tomainmenu->setObjectName("tomainmenu");
    endgamehra = mnu_menu->addAction(tr("Konec"));
    endgamehra->setObjectName("endgamehra");
    connect(tomainmenu, &QAction::triggered, this, &Form1::tomainmenu_Click);
    connect(endgamehra, &QAction::triggered, this, &Form1::endgamehra_Click);
    // Beside the designed two: the player's settings.
    QAction *settingsEntry = mnu_menu->addAction(tr("Nastavení…"));
    settingsEntry->setObjectName("settings");
    connect(settingsEntry, &QAction::triggered, this, [] { Windows::show<settings>(); });

    Timer1 = new Timer(this, 26000, true, [this] { Timer1_Timer(); });
    Timer3 = new Timer(this, 18630, false, [this] { Timer3_Timer(); });
    Timer4 = new Timer(this, 3000, false, [this] { Timer4_Timer(); });
    // Every timer is known by its name, like every other control (a saved game finds them so).
    Timer1->setObjectName("Timer1");
    Timer3->setObjectName("Timer3");
    Timer4->setObjectName("Timer4");
    start->Timer2->setObjectName("Timer2");
    MMControl1 = new MediaChannel(this, "MMControl1");
    MMControl2 = new MediaChannel(this, "MMControl2", MediaChannel::Role::Effects);
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    // The home music starts without the Close that every later track change begins with.
    MMControl1->Notify = false;
    MMControl1->Wait = true;
    MMControl1->Shareable = false;
    MMControl1->FileName = "Hudba7.mid";
    MMControl1->setCommand("Open");
    MMControl1->setCommand("Play");
    Line1->setVisible(false);
}

void Form1::Form_Unload() {
    MMControl1->setCommand("Close");
    MMControl2->setCommand("Close");
}

void Form1::Command1_Click() {
    Windows::show<credits>();
}

void Form1::Command2_Click() {
    inventory->Frame2->setVisible(true);
    Command2->setPicture(inventory->Image111->Picture());
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == end && event->type() == QEvent::MouseButtonPress) {
        auto *me = static_cast<QMouseEvent *>(event);
        end_MouseDown(me->button(), me->globalPosition().toPoint());
        return true; // the Exit button has no click of its own
    }
    return GameWindow::eventFilter(watched, event);
}

void Form1::end_MouseDown(Qt::MouseButton button, QPoint globalPos) {
    if (button == Qt::LeftButton) mnu_menu->popup(globalPos);
}

void Form1::tomainmenu_Click() {
    Windows::show<menu>();
}

void Form1::endgamehra_Click() {
    Windows::endProgram();
}

void Form1::Timer1_Timer() {
    playTrack(MMControl2, "police.wav");
}

void Form1::Timer3_Timer() {
    playTrack(MMControl1, "Hudbabarvstupatd.wav");
}

namespace {
// A window that has only just been shown can be drawn once the windowing system has put it on the
// screen: wait for that (a few milliseconds, and never for the player, whose input waits meanwhile),
// then draw it at once.
void drawNow(QWidget *window) {
    QPointer<QWidget> w = window;
    QDeadlineTimer deadline(1000);
    while (w && w->windowHandle() && !w->windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (w) w->repaint();
}
} // namespace

void Form1::Timer4_Timer() {
    showMessage(QT_TRANSLATE_NOOP(
        "Message", "Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy"));
    Timer4->setEnabled(false);
    // The player must see the message before everything closes: draw it now, then end.
    if (Form2 *dialog = Windows::find<Form2>()) drawNow(dialog);
    Windows::endProgram();
}
