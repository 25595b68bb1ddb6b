#include "shell/credits.h"

#include "game/scene.h"
#include "shell/form2.h"
#include "shell/intro.h"

credits::credits() : GameWindow("credits") {
    setDesign(QStringLiteral("Credits"), 6555, 7215, Frame::ToolWindow);
    paintBackground(Qt::black);
    Theme::setArrowCursor(this, false);

    Image3 = makePicture(this, "Image3", {-240, 0, 6900, 4050}, Pictures::ui("credits1"));
    Image2_1 = makePicture(this, "Image2(1)", {6480, 7560, 6900, 4050}, Pictures::ui("credits2"));
    Image2_1->hide();
    const StoryFooter footer = addStoryFooter(this);
    Image4 = footer.Image4;
    Image1 = footer.Image1;
    Line1 = footer.Line1;
    Line2 = footer.Line2;

    Command1 = new ButtonControl(this, "Command1", {240, 3360, 6135, 375},
                                 QStringLiteral("www.bludicka-hry.cz"), plainButtonFont());
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &credits::Command1_Click);
    Command2 = new ButtonControl(this, "Command2", {2040, 6600, 2415, 375}, tr("Zpět"), plainButtonFont());
    connect(Command2, &QPushButton::clicked, this, &credits::Command2_Click);

    Timer1 = new Timer(this, 3600, true, [this] { Timer1_Timer(); });
    Timer2 = new Timer(this, 5000, true, [this] { Timer2_Timer(); });
}

void credits::Form_Load() {
    slide = 0;
}

void credits::Timer1_Timer() {
    slide = (slide + 1) % 3;
    Image3->setPicture(Image2_1->Picture());
    Command1->setVisible(true);
}

// Stops the slide show before its second step: the credits change only once.
void credits::Timer2_Timer() {
    Timer1->setEnabled(false);
}

void credits::Command1_Click() {
    showMessage(QT_TRANSLATE_NOOP("Message", "Navštivte naše stránky pro získání nových her a informací"));
}

void credits::Command2_Click() {
    Windows::unload(this);
}
