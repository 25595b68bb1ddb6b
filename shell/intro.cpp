#include "shell/intro.h"

#include "game/scene.h"
#include "shell/load.h"
#include "shell/menu.h"

StoryFooter addStoryFooter(QWidget *window) {
    StoryFooter f;
    const QColor yellow(255, 255, 0);
    f.Image4 = makePicture(window, "Image4", {600, 4320, 5400, 915}, Pictures::ui("title_banner"));
    f.Image1 = makePicture(window, "Image1", {960, 5640, 4665, 930}, Pictures::ui("studio_logo"));
    f.Line1 = new LineControl(window, "Line1", {0, 4080}, {6600, 4080}, yellow, 1);
    f.Line2 = new LineControl(window, "Line2", {0, 5520}, {6600, 5520}, yellow, 1);
    return f;
}

std::array<Control *, 4> addOutroStores(QWidget *window) {
    struct Store {
        const char *name;
        Twips rect;
        const char *picture;
    };
    static constexpr Store kStores[] = {
        {"Image2(0)", {6360, 6000, 6900, 4050}, "outro0"},
        {"Image2(1)", {3960, 6720, 6900, 4050}, "outro1"},
        {"Image2(2)", {4080, 6960, 6900, 4050}, "outro2"},
        {"Image2(3)", {6120, 6720, 6900, 4050}, "credits1"},
    };
    std::array<Control *, 4> out{};
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = makePicture(window, kStores[i].name, kStores[i].rect, Pictures::ui(kStores[i].picture));
        out[i]->hide();
    }
    return out;
}

QFont plainButtonFont() {
    return designFont("MS Sans Serif", 8.25, false);
}

intro::intro() : GameWindow("intro") {
    setDesign(QStringLiteral("Intro"), 6645, 6765, Frame::ToolWindow);
    paintBackground(Qt::black);
    setCursor(gameCursor(CursorKind::Pointer));

    Image3 = makePicture(this, "Image3", {-120, 0, 6900, 4050}, Pictures::ui("story"));
    const StoryFooter footer = addStoryFooter(this);
    Image4 = footer.Image4;
    Image1 = footer.Image1;
    Line1 = footer.Line1;
    Line2 = footer.Line2;
    const auto stores = addOutroStores(this);
    Image2_0 = stores[0];
    Image2_1 = stores[1];
    Image2_2 = stores[2];
    Image2_3 = stores[3];

    Command1 = new ButtonControl(this, "Command1", {2400, 3720, 2175, 255}, tr("OK"), plainButtonFont());
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &intro::Command1_Click);

    Timer2 = new Timer(this, 7000, true, [this] { Timer2_Timer(); });
}

void intro::Timer2_Timer() {
    if (menu *m = Windows::find<menu>()) m->MMControl1->setCommand("Close");
    // The loading screen opens before the story closes: if the player has closed the menu, the story
    // is the last window, and unloading it first would end the program.
    Windows::show<load>();
    Windows::unload(this);
}

void intro::Command1_Click() {
    Windows::unload(this);
}
