#include "scenes/broucek.h"

#include "game/form1.h"
#include "game/scene.h"
#include "runtime/mediachannel.h"
#include "runtime/picture.h"
#include "runtime/style.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>

double Rnd::next() {
    state = (state * 1140671485u + 12820163u) & 0xFFFFFFu;
    return state / 16777216.0;
}

int Rnd::nextBelow(int range) {
    next();
    // Exact in integers, so the result never reaches range.
    return int((quint64(state) * quint64(range)) >> 24);
}

Rnd &programRnd() {
    static Rnd rnd;
    return rnd;
}

Broucek::Broucek() : GameWindow("Broucek") {
    setDesign(tr("Broucek"), 5370, 3375, Frame::FixedSingle);
    paintBackground(Qt::black);
    setCursor(gameCursor(CursorKind::Crosshair));
    setWindowIcon(
        QIcon(Picture::render(cursorPicture(CursorKind::Crosshair), QSize(32, 32), devicePixelRatioF())));

    const QColor red(255, 0, 0), blue(0, 0, 255);
    stena = makePicture(this, "stena", {0, 2160, 5400, 1290}, Pictures::object("wall"));
    Label2 = new LabelControl(this, "Label2", {2760, 120, 1215, 375}, tr("Zabito:"));
    Label2->setStyle(blue, Qt::black, designFont("Arial", 12, true), false);
    Label1 = new LabelControl(this, "Label1", {4080, 120, 1095, 375}, QStringLiteral("0"));
    Label1->setStyle(red, Qt::black, designFont("Arial", 11.25, true), false, Qt::AlignHCenter | Qt::AlignTop,
                     true);
    Label3 = new LabelControl(this, "Label3", {1560, 840, 1815, 375});
    Label3->setStyle(red, Qt::black, designFont("Arial", 18, true), false);

    Image1 = new Control(this, "Image1", {840, 1680, 480, 480});
    Image1->setPicture(Pictures::item("spider"));
    Image1->setMouseIcon(CursorKind::Crosshair);
    Image1->onClick = [this] { Image1_Click(); };

    Timer2 = new Timer(this, 1601, false, [this] { Timer2_Timer(); });
}

void Broucek::Image1_Click() {
    Image1->setLeft(programRnd().nextBelow(4460));
    Image1->setTop(1560);
    Timer2->setEnabled(false);
    Timer2->setEnabled(true);
    Label1->setCaption(QString::number(Label1->number() + 1));
    Timer2->setInterval(Timer2->Interval() - 1);
    // The win is checked at once after the kill that may have brought it, rather than by polling
    // the counter every millisecond.
    Timer5_Timer();
}

void Broucek::Timer2_Timer() {
    showResult(tr("Jsi mrtev, nestihl jsi broucka zabit"));
}

void Broucek::Timer5_Timer() {
    if (Label1->number() == 100) showResult(tr("Vyhrál jsi"));
}

void Broucek::showResult(const QString &text) {
    // The game is decided: the countdown stops and the beetle no longer counts kills, so no second
    // result can follow while this one waits for its OK.
    Timer2->setEnabled(false);
    Image1->setEnabled(false);
    auto *box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                                QMessageBox::Ok, this);
    box->setObjectName("result");
    applyGameStyle(box);
    connect(box, &QDialog::finished, this, [this] { Windows::unload(this); });
    // Shown without an event loop of its own: the game window runs on beneath it.
    box->open();
}

void Broucek::Form_Unload() {
    if (Form1 *game = Windows::find<Form1>()) game->MMControl1->setCommand(QStringLiteral("Play"));
}
