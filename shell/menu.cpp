#include "shell/menu.h"

#include "game/savegame.h"
#include "game/scene.h"
#include "shell/credits.h"
#include "shell/intro.h"

#include <QKeyEvent>

menu::menu() : GameWindow("menu") {
    setDesign(QStringLiteral("Main menu - Zur ev Edivu"), 3945, 2985, Frame::ToolWindow);
    paintBackground(Qt::black);
    setCursor(gameCursor(CursorKind::Pointer));
    setWindowIcon(QIcon(cursorPicture(CursorKind::Pointer)));

    Image1 = new Control(this, "Image1", {-840, 0, 5400, 915});
    Image1->setPicture(Pictures::ui("title_banner"), Control::Fit::Natural);

    const QFont font = designFont("Comic Sans MS", 11.25, true);
    Command8 = new ButtonControl(this, "Command8", {0, 1080, 3975, 495}, tr("Pokračovat"), font);
    Command8->setAutoDefault(true);
    Command8->hide();
    Command1 = new ButtonControl(this, "Command1", {0, 1080, 3975, 495}, tr("Nová Hra"), font);
    Command7 = new ButtonControl(this, "Command7", {0, 1560, 3975, 495}, tr("Intro a úkol hry"), font);
    Command6 = new ButtonControl(this, "Command6", {0, 2040, 3975, 495}, tr("Credits"), font);
    Command5 = new ButtonControl(this, "Command5", {0, 2520, 3975, 495}, tr("Exit"), font);
    // Enter presses the button that has the focus; it starts on "Nová Hra", the default button.
    for (ButtonControl *b : {Command1, Command7, Command6, Command5})
        b->setAutoDefault(true);
    Command1->setDefault(true);
    setTabOrder(Command1, Command5);
    setTabOrder(Command5, Command6);
    setTabOrder(Command6, Command7);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &menu::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &menu::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &menu::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &menu::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &menu::Command8_Click);
    setTabOrder(Command8, Command1);
    connect(&SaveGame::instance(), &SaveGame::availabilityChanged, this, &menu::offerContinue);
    offerContinue();

    MMControl1 = new MediaChannel(this, "MMControl1");
}

void menu::Form_Load() {
    playTrack(MMControl1, "hudba8.mid");
}

void menu::Form_Unload() {
    MMControl1->setCommand("Close");
}

void menu::Command1_Click() {
    Windows::show<intro>();
}

void menu::Command5_Click() {
    Windows::endProgram();
}

void menu::Command6_Click() {
    Windows::show<credits>();
}

void menu::Command7_Click() {
    // The story stays on screen until the player presses OK; no game starts from it.
    if (intro *story = Windows::show<intro>()) {
        story->Timer2->setEnabled(false);
        story->Command1->setVisible(true);
    }
}

void menu::Command8_Click() {
    // As when a new game begins, the menu's music ends.
    if (SaveGame::instance().resume()) MMControl1->setCommand("Close");
}

void menu::offerContinue() {
    const bool offer = SaveGame::instance().canContinue();
    if (offer == !Command8->isHidden()) return;
    // The four designed buttons move one row down under "Pokračovat", which is then the default.
    const int row = offer ? 480 : 0;
    setFixedSize(px(3945), px(2985 + row));
    Command1->setGeometry(Twips{0, 1080 + row, 3975, 495}.toPixels());
    Command7->setGeometry(Twips{0, 1560 + row, 3975, 495}.toPixels());
    Command6->setGeometry(Twips{0, 2040 + row, 3975, 495}.toPixels());
    Command5->setGeometry(Twips{0, 2520 + row, 3975, 495}.toPixels());
    Command8->setVisible(offer);
    Command8->setDefault(offer);
    Command1->setDefault(!offer);
    (offer ? Command8 : Command1)->setFocus();
}

void menu::keyPressEvent(QKeyEvent *event) {
    // With no button focused, Enter still reaches the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        (Command8->isHidden() ? Command1 : Command8)->click();
        return;
    }
    GameWindow::keyPressEvent(event);
}
