#include "shell/onetwo.h"

#include "game/scene.h"
#include "shell/intro.h"
#include "shell/menu.h"

onetwo::onetwo() : GameWindow("onetwo") {
    setDesign(QStringLiteral("Intro"), 6645, 6765, Frame::ToolWindow);
    paintBackground(Qt::black);
    setCursor(gameCursor(CursorKind::Pointer));

    const auto stores = addOutroStores(this);
    Image2_0 = stores[0];
    Image2_1 = stores[1];
    Image2_2 = stores[2];
    Image2_3 = stores[3];
    Image3 = makePicture(this, "Image3", {0, 0, 6900, 4050}, Image2_0->Picture());
    const StoryFooter footer = addStoryFooter(this);
    Image4 = footer.Image4;
    Image1 = footer.Image1;
    Line1 = footer.Line1;
    Line2 = footer.Line2;

    Timer1 = new Timer(this, 4999, true, [this] { Timer1_Timer(); });
    Timer2 = new Timer(this, 18000, true, [this] { Timer2_Timer(); });
}

Control *onetwo::Image2(int index) const {
    switch (index) {
    case 0:
        return Image2_0;
    case 1:
        return Image2_1;
    case 2:
        return Image2_2;
    default:
        return Image2_3;
    }
}

void onetwo::Form_Load() {
    slide = 0;
}

void onetwo::Form_Unload() {
    Windows::show<menu>();
}

void onetwo::Timer1_Timer() {
    slide = (slide + 1) % 4;
    Image3->setPicture(Image2(slide)->Picture());
}

// Stops the slides on the fourth picture, before the show would begin again.
void onetwo::Timer2_Timer() {
    Timer1->setEnabled(false);
}
