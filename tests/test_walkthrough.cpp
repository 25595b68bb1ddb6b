// The whole game as a player plays it, with the real mouse in virtual time: from the splash through
// the menu, the story and the loading screen, the crash site, the police station, the castle, the
// bar, the villa and the finale to the outro and back to the menu; and the one wrong door that ends
// it all. After every step it checks what the player sees: the message, the status line, the open
// windows and what the inventory holds. It plays in the language the desktop asks for: in English every
// message, hover text and conversation line the player reads is the English one, and so is the letter.
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "game/language.h"
#include "game/scene.h"
#include "runtime/picture.h"
#include "scenes/broucek.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/dopisek.h"
#include "shell/first.h"
#include "shell/form2.h"
#include "shell/intro.h"
#include "shell/load.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "world/bar.h"
#include "world/castle.h"
#include "world/citymap.h"
#include "world/finale.h"
#include "world/police.h"
#include "world/start.h"
#include "world/villa.h"

#include <QApplication>
#include <QLocale>
#include <QRegularExpression>

class TestWalkthrough : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void wholeGameToTheOutroAndBack();
    void wrongDoorEndsTheProgram();

  private:
    Harness *h = nullptr;
    Form1 *f = nullptr;
    Inventory *inv() const { return f->inventory.get(); }
    static bool english() { return currentLanguage() == QLatin1String("en"); }

    // --- what the player does ---
    void click(QWidget *w);
    void hover(QWidget *w, const QString &status);
    void drag(Control *item, Control *target);
    void openInventory();
    // Reads the message on screen, then closes it with OK as a player would.
    void message(const QString &text);
    void noMessage();
    // What the player reads on screen: the Czech text, or in English its translation, which must exist.
    void reads(const QString &onScreen, const char *context, const QString &czech);
    // Presses "Dále" on the visible conversation until its window closes; returns the presses.
    template <class W> int talkThrough(ButtonControl *W::*button, const QString &firstLine);

    // --- what the player sees ---
    void held(const QStringList &items);
    void windows(const QStringList &names);
    void music(const QString &file) { QCOMPARE(f->MMControl1->FileName, file); }

    // --- the game, part by part ---
    void startToGame();
    void crashSiteToMap();
    void policeFirstVisit();
    void castle();
    void policeFire();
    void barToTheLetter(bool wrongDoor);
    void villaToTeleport();
    void finaleToOutro();
};

void TestWalkthrough::init() {
    h = new Harness;
    installLanguage(chooseLanguage(QLocale::system().uiLanguages()));
}
void TestWalkthrough::cleanup() {
    installLanguage("cs");
    delete h;
    h = nullptr;
}

void TestWalkthrough::click(QWidget *w) {
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + " cannot be seen"));
    // The player clicks what lies on top there: the named control must not be covered.
    QCOMPARE(Mouse::hitAt(w->window(), Mouse::centreOf(w)), w);
    Mouse::click(w);
}

void TestWalkthrough::reads(const QString &onScreen, const char *context, const QString &czech) {
    const QString want = QCoreApplication::translate(context, czech.toUtf8().constData());
    if (english()) QVERIFY2(want != czech, qPrintable(QString(context) + " has no English for: " + czech));
    QCOMPARE(onScreen, want);
}

void TestWalkthrough::hover(QWidget *w, const QString &status) {
    Mouse::move(w);
    reads(f->Label1->Caption(), "Status", status);
}

void TestWalkthrough::drag(Control *item, Control *target) {
    QVERIFY2(item->isVisible(), qPrintable(item->objectName() + " is not held"));
    QCOMPARE(Mouse::hitAt(target->window(), Mouse::centreOf(target)), target);
    Mouse::drag(item, target);
}

void TestWalkthrough::openInventory() {
    click(f->Command2);
    QVERIFY(inv()->Frame2->isVisible());
}

void TestWalkthrough::message(const QString &text) {
    Form2 *dialog = Windows::find<Form2>();
    QVERIFY2(dialog, qPrintable("no message, expected: " + text));
    reads(dialog->Label1->Caption(), "Message", text);
    click(dialog->Command1);
    QVERIFY(!Windows::find<Form2>());
}

void TestWalkthrough::noMessage() {
    QVERIFY(!Windows::find<Form2>());
}

template <class W> int TestWalkthrough::talkThrough(ButtonControl *W::*expected, const QString &firstLine) {
    static const QRegularExpression czechLetters(QString::fromUtf8("[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]"));
    const QString first = QCoreApplication::translate("Conversation", firstLine.toUtf8().constData());
    if (english() && first == firstLine) return -4;
    W *w = Windows::find<W>();
    if (!w) return -1;
    h->advance(36);
    int presses = 0;
    bool sawFirst = false;
    while (Windows::find<W>() && presses < 20) {
        // The conversation the player sees is the one whose button is visible and enabled.
        QAbstractButton *button = nullptr;
        for (QAbstractButton *b : w->template findChildren<QAbstractButton *>())
            if (b->isVisible() && b->isEnabled()) button = b;
        if (button != w->*expected) return -2; // the conversation the opener chose is the one seen
        for (QLabel *l : w->template findChildren<QLabel *>()) {
            if (!l->isVisible()) continue;
            if (l->text() == first) sawFirst = true;
            if (english() && l->text().contains(czechLetters)) return -5; // a line left in Czech
        }
        click(button);
        ++presses;
        h->advance(36);
    }
    return sawFirst ? presses : -3;
}

void TestWalkthrough::held(const QStringList &items) {
    QStringList shown;
    for (Control *item : inv()->items())
        if (!item->isHidden()) shown << item->objectName();
    QStringList want = items;
    std::sort(shown.begin(), shown.end());
    std::sort(want.begin(), want.end());
    QCOMPARE(shown, want);
}

void TestWalkthrough::windows(const QStringList &names) {
    QStringList open;
    for (GameWindow *w : Windows::open())
        open << w->objectName();
    QStringList want = names;
    std::sort(open.begin(), open.end());
    std::sort(want.begin(), want.end());
    QCOMPARE(open, want);
}

void TestWalkthrough::startToGame() {
    startGame();
    windows({"first"});
    h->advance(3600);
    windows({"menu"});
    QCOMPARE(Windows::find<menu>()->MMControl1->FileName, QString("hudba8.mid"));
    QVERIFY(Windows::find<menu>()->MMControl1->isSounding());
    click(Windows::find<menu>()->Command1); // "Nová Hra"
    windows({"menu", "intro"});
    h->advance(7000);
    windows({"menu", "load"});
    QVERIFY(!Windows::find<menu>()->MMControl1->isSounding()); // the menu music stops for the game
    h->advance(361);
    windows({"menu", "Form1"});
    f = Windows::find<Form1>();
    music("Hudba7.mid");
    held({"Image11", "cepka"});
}

void TestWalkthrough::crashSiteToMap() {
    StartArea *s = f->start.get();
    hover(s->Image2, "Nějaká stará zřícená raketa");
    hover(s->Image3, "Jsou to dveře");
    click(s->Image3);
    message("Je zamčeno, měl bys najít klíč");
    click(s->Image7);
    QVERIFY(s->Frame1->isVisible());
    reads(f->Label1->Caption(), "Status", "jsi v nějaké jeskyni, ale nic moc tu není, jen nějaká skříňka");
    click(s->Image9);
    message("V bedně byl klíč, tak jsi ho vzal!?!");
    held({"Image11", "cepka", "klicek"});
    click(s->Image8);
    QVERIFY(s->Frame1->isHidden());
    openInventory();
    hover(inv()->klicek, "Jsout to klíče od loďi");
    drag(inv()->klicek, s->Image3);
    message("Odemkl jsi dveře");
    held({"Image11", "cepka"});
    click(s->Image3);
    noMessage();
    QVERIFY(s->Raketa->isVisible());
    click(s->Image14);
    message("Bohužel, nebyla vložena startovní karta");
    drag(inv()->Image11, inv()->cepka);
    message("Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice");
    QCOMPARE(inv()->cepka->Tag, QString("karta"));
    hover(inv()->cepka,
          "Je to železný předmět v podobě kredtit karty, snad ji budeš ještě potřebovat - zajímavé");
    drag(inv()->cepka, s->Image13);
    message("Zalogoval jses a loď nastartovala");
    click(s->Image14);
    noMessage();
    QVERIFY(s->Frame3->isVisible());
    QVERIFY(inv()->Frame2->isHidden()); // the launch closes the inventory
    music("frame3start.wav");
    h->advance(4000);
    QVERIFY(f->citymap->map->isVisible());
    QVERIFY(s->Frame3->isHidden());
    music("9m18.wav");
}

void TestWalkthrough::policeFirstVisit() {
    PoliceArea *p = f->police.get();
    hover(f->citymap->Image22, "Policejní stanice");
    QVERIFY(f->citymap->ps->isVisible());
    click(f->citymap->Image22);
    music("Hudba13.mid");
    hover(p->Image67, "Budova Policie");
    click(p->Image30);
    QVERIFY(p->police2->isVisible());
    click(p->Image36);
    message("Po dukladném prohledání koše si našel banánovou slupku");
    held({"Image11", "cepka", "banan"});
    click(p->Image37);
    QCOMPARE(talkThrough(&Form3::Command1, "Dobrý den pane policajte!"), 6);
    click(p->Image32);
    music("Hudba10.mid");
    click(p->Image39);
    message("Nebude s tebou mluvit, asi proto, že se mu nelíbíš nebo nemáš nic co by chtěl, ještě to tu "
            "prozkoumej");
    click(p->Image38);
    message("Našel jsi u sudu prázdnou odměrku");
    held({"Image11", "cepka", "banan", "Odmerka"});
    click(p->Image39);
    QCOMPARE(talkThrough(&Form3::Command2, "Ahoj Bezdomovče"), 7);
    QCOMPARE(p->Label2->Caption(), QString("2"));
    openInventory();
    drag(inv()->banan, p->Image39);
    message("Dal jsi bezdomovci banán, ten ho snědl, ale na svém si trvá dále");
    held({"Image11", "cepka", "Odmerka"});
    click(p->Image35);
    music("Hudba13.mid");
    click(p->Image33);
    click(p->Image41);
    QVERIFY(p->police->isHidden());
    music("Hudba13.mid"); // the station's music plays on over the map
}

void TestWalkthrough::castle() {
    CastleArea *c = f->castle.get();
    click(f->citymap->Image23);
    music("Hudba15.mid");
    click(c->Image45);
    hover(c->Pavouk, "je to malinkatý pavouček, možná že se bude někdy hodit");
    click(c->Pavouk);
    noMessage();
    click(c->Image63);
    click(c->Houba);
    click(c->Image65);
    click(c->Image55);
    message("Našel jsi úkryt toho bezdomovce, co byl na policii");
    music("Hudba10.mid");
    click(c->Image62);
    message(
        "je to postel od bezdomovce, který je právě na policejní stanici, ale ty mu máš snad něco sehnat!");
    click(c->Zapalka);
    QCOMPARE(f->police->Label2->Caption(), QString("3"));
    held({"Image11", "cepka", "Odmerka", "Pavoukva", "Houbava", "Zapalkava"});
    click(c->Image58);
    click(c->Image55); // the hideout stays closed now, without a word
    noMessage();
    click(c->Image56);
    click(c->Image44);
    QVERIFY(c->Hrad1->isHidden());
}

void TestWalkthrough::policeFire() {
    PoliceArea *p = f->police.get();
    click(f->citymap->Image22);
    click(p->Image30);
    drag(inv()->Houbava, p->Image54);
    message("Zalil jsi květinu, ale moc jí to nepomohlo");
    click(p->Image32);
    click(p->Image39);
    QCOMPARE(talkThrough(&Form3::Command3, "Ahoj Bezdomovče, tak jsem tady mám ty věci"), 7);
    drag(inv()->Odmerka, p->Image40);
    message("To nepůjde, ne"); // no acid before the fire
    drag(inv()->Zapalkava, inv()->Image11);
    message("Povedlo se ti zapálit dříví bezdomovcovou zápalkou, těď mu tento Oheň jen dát");
    hover(inv()->Image11, "Je to hořící dřívko, které chtěl ten bezdomovec");
    drag(inv()->Image11, p->Image39);
    message("Dal jsi bezdomovci oheň, ten ti je moc vďečný a dovoluje ti nabrat si kyselinu");
    drag(inv()->Odmerka, p->Image40);
    message("Nabral jsi do odměrky trochu kyseliny");
    QCOMPARE(inv()->Odmerka->Tag, QString("Odmerka2"));
    QCOMPARE(p->Label2->Caption(), QString("9"));
    held({"cepka", "Odmerka", "Pavoukva", "Houbava", "Zapalkava"});
    click(p->Image35);
    click(p->Image33);
    click(p->Image41);
}

void TestWalkthrough::barToTheLetter(bool wrongDoor) {
    BarArea *b = f->bar.get();
    click(f->citymap->Image24);
    music("Hudbabarvstupatd.wav");
    QVERIFY(f->Timer3->Enabled());
    click(b->Image68);
    QCOMPARE(talkThrough(&Form4::Command1, "Ahoj, ty jsi hlídač, že jo"), 7);
    click(b->Image71);
    message("nebyl vložen přístupový čip");
    drag(inv()->Odmerka, b->Image70);
    message("Doplnil jsi palivo do motorky, získal jsi čip a můžeš dovnitř");
    held({"cepka", "c", "Pavoukva", "Houbava", "Zapalkava"});
    drag(inv()->c, b->Image71);
    message("Vložil jsi čip a vcházíš dovnitř");
    QVERIFY(b->barin->isVisible());
    click(b->Image74);
    click(b->Image79);
    message("Radši na horu nechoď, nejdřív promluv s Robotem na recepci, čeké tě těžký úkol");
    click(b->Image75);
    QCOMPARE(talkThrough(&Form4::Command2, "Ty jsi počítač"), 7);
    click(b->Image75);
    message("Jdi splnit svůj úkol, přečti dopis!?!");
    click(b->Image79);
    message("Nezapoměň, jen jedny dvěře jsou správné a máš jen jeden pokus, jinak je end");
    hover(b->Image83, "Dveře, ale které jsou správné");
    if (wrongDoor) {
        click(b->Image81);
        return;
    }
    click(b->Image83);
    QVERIFY(b->ukolok->isVisible());
    click(b->Image87);
    message("Splnil jsi svůj úkol, získal jsi dopis");
    QVERIFY(b->barin->isVisible() && b->barukol->isHidden());
    held({"cepka", "c", "notebook", "dopis", "Pavoukva", "Houbava", "Zapalkava"});
    click(inv()->dopis);
    windows({"menu", "Form1", "dopisek"});
    // The letter tells where the villa's card lies: the player reads it in the game's language.
    dopisek *letter = Windows::find<dopisek>();
    QCOMPARE(letter->Image1->Picture(), Pictures::ui("letter"));
    QCOMPARE(Picture::resolve(letter->Image1->Picture()), Pictures::ui(english() ? "letter.en" : "letter"));
    Mouse::click(letter->Command1);
    click(b->Image77);
    click(b->Image69);
    QVERIFY(!f->Timer3->Enabled());
    music("9m18.wav");
}

void TestWalkthrough::villaToTeleport() {
    VillaArea *v = f->villa.get();
    click(f->citymap->Image25);
    music("Hudba2.mid");
    click(v->Image93);
    noMessage();
    click(v->Image96);
    message("Ve skříňce jsi našel sponku, klíč a disketu");
    held({"cepka", "c", "notebook", "dopis", "spona", "klic", "disk", "Pavoukva", "Houbava", "Zapalkava"});
    // A game of beetles on the diskette, then back to work.
    drag(inv()->disk, inv()->notebook);
    windows({"menu", "Form1", "Broucek"});
    Windows::find<Broucek>()->close();
    windows({"menu", "Form1"});
    click(v->Image97);
    drag(inv()->klic, v->Image98);
    message("Je to sice správný klíč, ale byl vyměněn zámek, čím by se to dalo otevřít");
    drag(inv()->spona, v->Image98);
    message("Otevíráš dveře sponkou a vcházíš dovnitř");
    QVERIFY(v->vilain->isVisible());
    click(v->Image99);
    message("Důkladně jsi prohledal akvárium a něco jsi zjistil");
    click(v->Image100);
    drag(inv()->cepka, inv()->musle);
    noMessage();
    click(inv()->musle);
    message("Vytáhl jsi z mušle Vornu a najednou jses objevil v podivné místnosti!");
    QVERIFY(v->prezident->isVisible());
    click(v->Image103);
    message("Runtime ErroR: Prosím dones mi vornu a dej mi ji");
    click(v->Image104);
    message("Teleport nebyl aktivován");
    drag(inv()->vorna, v->Image103);
    message("Děkuji - Zachránil jsi královský poklad i když vypadá trochu jinak je to ona, nyní jsem ti "
            "odblokoval startér pro teleport");
    drag(inv()->klic, v->Image105);
    message("Nastartoval jsi teleport, teď už jen odejít");
    held({"cepka", "c", "notebook", "dopis", "Pavoukva", "Houbava", "Zapalkava"});
    click(v->Image104);
    message("Teleport byl aktivován");
    music("Hudba8.mid");
    QVERIFY(f->finale->toend->isVisible());
}

void TestWalkthrough::finaleToOutro() {
    FinaleArea *fin = f->finale.get();
    click(fin->Image108);
    QVERIFY(fin->MAJAK->isVisible());
    click(fin->Image112);
    message("Prohledal jsi skříňku a našel jsi nehořící výbušninu a nádrž benzínu");
    click(fin->Image117);
    drag(inv()->dynam, fin->Image107); // unlit: nothing
    noMessage();
    drag(inv()->Zapalkava, inv()->dynam);
    message("Zapálil jsi dynamit");
    drag(inv()->dynam, fin->Image107);
    message("Sice by to bouchlo, ale nezničilo by to dveře - Chce to něco silnějšího");
    drag(inv()->benzin, fin->Image107);
    noMessage();
    QVERIFY(fin->benzinek->isVisible());
    click(fin->Image107); // still sealed
    windows({"menu", "Form1"});
    drag(inv()->dynam, fin->Image107);
    message("Výbušnina Bouchla a ty mnůžeš dovnitř");
    QCOMPARE(fin->toend->Picture(), fin->toend1->Picture());
    held({"cepka", "c", "notebook", "dopis", "Pavoukva", "Houbava", "Zapalkava"});
    click(fin->Image107);
    h->advance(0);
    windows({"menu", "onetwo"});
    f = nullptr;
    onetwo *outro = Windows::find<onetwo>();
    QCOMPARE(outro->windowTitle(), QString("Outro"));
    QCOMPARE(outro->Image3->Picture(), outro->Image2_0->Picture());
    h->advance(3 * 4999);
    QCOMPARE(outro->Image3->Picture(), outro->Image2_3->Picture());
    h->advance(60000);
    QCOMPARE(outro->Image3->Picture(), outro->Image2_3->Picture());
    outro->close();
    windows({"menu"});
    QVERIFY(!h->programEnded());
}

void TestWalkthrough::wholeGameToTheOutroAndBack() {
    startToGame();
    crashSiteToMap();
    policeFirstVisit();
    castle();
    policeFire();
    barToTheLetter(false);
    villaToTeleport();
    finaleToOutro();
}

void TestWalkthrough::wrongDoorEndsTheProgram() {
    startToGame();
    crashSiteToMap();
    policeFirstVisit();
    castle();
    policeFire();
    barToTheLetter(true);
    QVERIFY(f->bar->no->isVisible());
    QCOMPARE(f->bar->no->pos(), QPoint(0, 0));
    music("uvod2.wav");
    // The last words are read as everything closes: catch them as the program ends.
    QString lastWords;
    bool ended = false;
    Windows::setQuitHandler([&] {
        ended = true;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<Form2 *>(w)) lastWords = dialog->Label1->Caption();
    });
    h->advance(2999);
    QVERIFY(!ended);
    h->advance(1);
    QVERIFY(ended);
    QVERIFY(Windows::open().empty());
    reads(lastWords, "Message",
          "Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy");
}

QTEST_MAIN(TestWalkthrough)
#include "test_walkthrough.moc"
