// The whole game as a player plays it, in virtual time: from the splash through the menu, the story
// and the loading screen, the crash site, the police station, the castle, the bar, the villa and the
// finale to the outro and back to the menu; and the one wrong door that ends it all. The game is one
// table of steps ("click this", "use that item on this", "the message reads so"), each text in Czech
// and in English as the player reads it. The suite plays it on a Czech and on an English desktop, and
// a driver turns each step into the player's own input: the real mouse, through event delivery.
#include "support/game.h"
#include "support/harness.h"

#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "game/language.h"
#include "runtime/mediachannel.h"
#include "runtime/picture.h"
#include "shell/form2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <memory>
#include <vector>

namespace {

// What the player reads: the Czech original, and the English an English desktop shows instead.
struct Text {
    const char *cs = nullptr, *en = nullptr;
};

// One thing the player does, or sees. Controls are named "Name" in the game window, "window/Name"
// elsewhere ("window/" is the window itself).
struct Step {
    enum Kind { Click, Hover, Use, Says, Quiet, Talk, Holds, Open, Plays, Wait, Is, Close } kind = Click;
    const char *a = nullptr, *b = nullptr;
    Text text;
    std::vector<Text> lines; // a conversation's, in their order
    int ms = 0;
};

Step step(Step::Kind kind, const char *a = nullptr, const char *b = nullptr, Text text = {}) {
    Step s;
    s.kind = kind;
    s.a = a;
    s.b = b;
    s.text = text;
    return s;
}

Step click(const char *target) {
    return step(Step::Click, target);
}
// The pointer rests on it: the status line reads the text.
Step hover(const char *target, Text status) {
    return step(Step::Hover, target, nullptr, status);
}
Step use(const char *item, const char *target) {
    return step(Step::Use, item, target);
}
// The message dialog reads the text; the player closes it with OK.
Step says(Text message) {
    return step(Step::Says, nullptr, nullptr, message);
}
Step quiet() {
    return step(Step::Quiet);
}
// The conversation whose "Dále" button is this one is the one on screen: each line is read in its
// order, the button pressed after each, and the window closes after the last.
Step talk(const char *button, std::vector<Text> lines) {
    Step s = step(Step::Talk, button);
    s.lines = std::move(lines);
    return s;
}
Step holds(const char *items) {
    return step(Step::Holds, items);
}
Step open(const char *windows) {
    return step(Step::Open, windows);
}
// The channel's file, sounding; no file: silent.
Step plays(const char *channel, const char *file = nullptr) {
    return step(Step::Plays, channel, file);
}
Step wait(int ms) {
    Step s = step(Step::Wait);
    s.ms = ms;
    return s;
}
// A property as the player sees it: shown, hidden, Tag, Caption, Picture, Title, Pos.
Step is(const char *target, const char *property, Text value = {"1"}) {
    return step(Step::Is, target, property, value);
}
Step closeWindow(const char *window) {
    return step(Step::Close, window);
}

// Keys to the ship, a card from the cap, the rocket to the map.
const std::vector<Step> kStart = {
    open("first"),
    wait(3600),
    open("menu"),
    plays("menu/MMControl1", "hudba8.mid"),
    is("menu/Command1", "Caption", {"Nová Hra", "New Game"}),
    click("menu/Command1"),
    open("menu intro"),
    wait(6999),
    open("menu intro"),
    wait(1),
    open("menu load"),
    plays("menu/MMControl1"), // the menu music stops for the game
    wait(360),
    open("menu load"),
    wait(1),
    open("menu Form1"),
    plays("MMControl1", "Hudba7.mid"),
    holds("Image11 cepka"),
    hover("Image2", {"Nějaká stará zřícená raketa", "Some old crashed rocket"}),
    hover("Image3", {"Jsou to dveře", "It's a door"}),
    click("Image3"),
    says({"Je zamčeno, měl bys najít klíč", "It's locked, you should find a key"}),
    click("Image7"),
    is("Frame1", "shown"),
    is("Label1", "Caption",
       {"jsi v nějaké jeskyni, ale nic moc tu není, jen nějaká skříňka",
        "You're in some cave, but there's not much here, just a box"}),
    click("Image9"),
    says({"V bedně byl klíč, tak jsi ho vzal!?!", "There was a key in the box, so you took it!?!"}),
    holds("Image11 cepka klicek"),
    click("Image8"),
    is("Frame1", "hidden"),
    click("Command2"),
    is("Frame2", "shown"),
    hover("klicek", {"Jsout to klíče od loďi", "These are the ship's keys"}),
    use("klicek", "Image3"),
    says({"Odemkl jsi dveře", "You unlocked the door"}),
    holds("Image11 cepka"),
    click("Image3"),
    quiet(),
    is("Raketa", "shown"),
    click("Image14"),
    says({"Bohužel, nebyla vložena startovní karta", "Sorry, no start card inserted"}),
    use("Image11", "cepka"),
    says({"Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice",
          "You chipped an iron thing shaped like a credit card off the cap"}),
    is("cepka", "Tag", {"karta"}),
    is("cepka", "Picture", {":/items/card.svg"}),
    hover("cepka", {"Je to železný předmět v podobě kredtit karty, snad ji budeš ještě potřebovat - zajímavé",
                    "An iron thing shaped like a credit card. You may need it yet - interesting"}),
    use("cepka", "Image13"),
    says({"Zalogoval jses a loď nastartovala", "You logged in and the ship started"}),
    click("Image14"),
    quiet(),
    is("Frame3", "shown"),
    is("Frame2", "hidden"), // the launch closes the inventory
    plays("MMControl1", "frame3start.wav"),
    wait(3999),
    is("map", "hidden"),
    wait(1),
    is("map", "shown"),
    is("Frame3", "hidden"),
    plays("MMControl1", "9m18.wav"),
};

// A banana for the homeless man, the empty measuring cup; he wants his wood and matches.
const std::vector<Step> kPoliceFirstVisit = {
    hover("Image22", {"Policejní stanice", "Police station"}),
    is("ps", "shown"),
    click("Image22"),
    plays("MMControl1", "Hudba13.mid"),
    hover("Image67", {"Budova Policie", "The police building"}),
    click("Image30"),
    is("police2", "shown"),
    click("Image36"),
    says({"Po dukladném prohledání koše si našel banánovou slupku",
          "After a thorough search of the bin you found a banana skin"}),
    holds("Image11 cepka banan"),
    click("Image37"),
    talk("Form3/Command1",
         {{"Dobrý den pane policajte!", "Good day, officer!"},
          {"Nezdržujte, co chcete!?!", "Make it quick, what do you want!?!"},
          {"Chci se zeptat na ten rozbitý bazar venku a na toho bezdomovce!",
           "I want to ask about the smashed shop outside and that homeless guy!"},
          {"Ten Bazar je policejní a tudíž tajná záležitost",
           "That shop is a police matter, and therefore top secret"},
          {"A co tam na dvoře dělá ten bezdomovec!?!", "And what's the homeless guy doing in the yard!?!"},
          {"Ale když viděl vykradený bazar, chtěl ho vyrabovat a nyní prosím odejděte",
           "He saw the robbed shop and wanted to loot it too. Now please leave"}}),
    click("Image32"),
    plays("MMControl1", "Hudba10.mid"),
    click("Image39"),
    says({"Nebude s tebou mluvit, asi proto, že se mu nelíbíš nebo nemáš nic co by chtěl, ještě to tu "
          "prozkoumej",
          "He won't talk to you. Maybe he doesn't like you, or you have nothing he wants. Look around some "
          "more"}),
    click("Image38"),
    says({"Našel jsi u sudu prázdnou odměrku", "You found an empty measuring cup by the barrel"}),
    holds("Image11 cepka banan Odmerka"),
    click("Image39"),
    talk("Form3/Command2", {{"Ahoj Bezdomovče", "Hello, Mr. Homeless"},
                            {"Nech mě být, neber mi to!", "Leave me alone, don't take it!"},
                            {"A co ti nemám brát", "Don't take what?"},
                            {"Neber mi můj oheň, prosím tě", "Please, don't take my fire"},
                            {"Aha, (dochází ti, že v té bedně je nějaké palivo a proto ta odměrka u sudu)",
                             "Aha (it dawns on you: the crate holds fuel, hence the cup by the barrel)"},
                            {"Dám ti ho jen když mi doneseš moje dříví a zápalky z mého Hradu",
                             "It's yours only if you bring my wood and matches from my castle"},
                            {"Ten Hrad není tvůj, ale každopádně se tam podívám",
                             "That castle isn't yours, but I'll go and have a look"}}),
    is("Label2", "Caption", {"2"}),
    click("Command2"),
    use("banan", "Image39"),
    says({"Dal jsi bezdomovci banán, ten ho snědl, ale na svém si trvá dále",
          "You gave the homeless guy the banana. He ate it, but he still wants what he asked for"}),
    holds("Image11 cepka Odmerka"),
    click("Image35"),
    plays("MMControl1", "Hudba13.mid"),
    click("Image33"),
    click("Image41"),
    is("police", "hidden"),
    plays("MMControl1", "Hudba13.mid"), // the station's music plays on over the map
};

// The spider, the sponge and the matches from the homeless man's hideout.
const std::vector<Step> kCastle = {
    click("Image23"),
    plays("MMControl1", "Hudba15.mid"),
    click("Image45"),
    hover("Pavouk", {"je to malinkatý pavouček, možná že se bude někdy hodit",
                     "A teeny-tiny spider. It might come in handy some day"}),
    click("Pavouk"),
    quiet(),
    click("Image63"),
    click("Houba"),
    click("Image65"),
    click("Image55"),
    says({"Našel jsi úkryt toho bezdomovce, co byl na policii",
          "You found the hideout of the homeless guy from the police station"}),
    plays("MMControl1", "Hudba10.mid"),
    click("Image62"),
    says({"je to postel od bezdomovce, který je právě na policejní stanici, ale ty mu máš snad něco sehnat!",
          "It's the bed of the homeless guy now at the police station. Weren't you going to get him "
          "something!"}),
    click("Zapalka"),
    is("Label2", "Caption", {"3"}),
    holds("Image11 cepka Odmerka Pavoukva Houbava Zapalkava"),
    click("Image58"),
    click("Image55"), // the hideout stays closed now, without a word
    quiet(),
    click("Image56"),
    click("Image44"),
    is("Hrad1", "hidden"),
};

// Fire for the homeless man, acid in the cup.
const std::vector<Step> kPoliceFire = {
    click("Image22"),
    click("Image30"),
    use("Houbava", "Image54"),
    says({"Zalil jsi květinu, ale moc jí to nepomohlo", "You watered the flower, but it didn't help much"}),
    click("Image32"),
    click("Image39"),
    talk("Form3/Command3",
         {{"Ahoj Bezdomovče, tak jsem tady mám ty věci",
           "Hello, Mr. Homeless, I'm back and I've got your things"},
          {"Já chtěl oheň, tak z toho nějak udělěj oheň a pak ti to dám",
           "I wanted fire, so make a fire out of that somehow, then I'll give it to you"},
          {"Dobře, pokusím se o to!", "Fine, I'll give it a try!"},
          {"OK, ale pak už se mnou nemluv a rovnou mi oheň dej, až to budeš mít, můžeš si z té bedny...",
           "OK, but then no more talking, just hand me the fire. Once you have, you may take from the "
           "crate..."},
          {"Z jaké bedny, co!", "From what crate, eh!"},
          {"Můžeš si z té bedny nabrat do odměrky trochu kyseliny",
           "You may scoop a little acid from the crate into your measuring cup"},
          {"Aha, tak kyselina, dobrá udělám to", "Aha, acid it is. Fine, I'll do it"}}),
    use("Odmerka", "Image40"),
    says({"To nepůjde, ne", "That won't work, no"}), // no acid before the fire
    use("Zapalkava", "Image11"),
    says({"Povedlo se ti zapálit dříví bezdomovcovou zápalkou, těď mu tento Oheň jen dát",
          "You lit the wood with the homeless guy's match. Now just give him this fire"}),
    is("Image11", "Picture", {":/items/wood_burning.svg"}),
    hover("Image11",
          {"Je to hořící dřívko, které chtěl ten bezdomovec", "The burning stick the homeless guy wanted"}),
    use("Image11", "Image39"),
    says({"Dal jsi bezdomovci oheň, ten ti je moc vďečný a dovoluje ti nabrat si kyselinu",
          "You gave the homeless guy the fire. He's very grateful and lets you take some acid"}),
    use("Odmerka", "Image40"),
    says({"Nabral jsi do odměrky trochu kyseliny", "You scooped some acid into the measuring cup"}),
    is("Odmerka", "Tag", {"Odmerka2"}),
    is("Odmerka", "Picture", {":/items/cup_filled.svg"}),
    is("Label2", "Caption", {"9"}),
    holds("cepka Odmerka Pavoukva Houbava Zapalkava"),
    click("Image35"),
    click("Image33"),
    click("Image41"),
};

// Fuel for the guard's motorbike, the computer's task, up to the three doors.
const std::vector<Step> kBarToTheDoors = {
    click("Image24"),
    plays("MMControl1", "Hudbabarvstupatd.wav"),
    click("Image68"),
    talk("Form4/Command1",
         {{"Ahoj, ty jsi hlídač, že jo", "Hi, you're the bouncer, right?"},
          {"Jo a nechtěj aď tě pustím dovnitř, jestli nemáš vstupenku, tak se od tud kliď",
           "Yeah, and don't ask me to let you in. No ticket? Then get lost"},
          {"Vstupenku nemám, ale já tam potřebuju, jsem tajný agent",
           "I have no ticket, but I need to get in, I'm a secret agent"},
          {"Na to ti tak skočím, odejdi od sud, mám dost problémů",
           "As if I'd fall for that. Beat it, I've got problems enough"},
          {"Jaké problémy, rád vám pomůžu, výměnou za vstup do Baru",
           "What problems? I'd gladly help, in exchange for getting into the bar"},
          {"Mám problém s motorkou, nemám palivo, kyselinu turbomotorovou, výborně hoří a používají ji "
           "bezdomovci, "
           "ale pokud...",
           "My bike is out of fuel: turbo-engine acid. Burns like a dream, the homeless use it. But if I..."},
          {"palivo neseženu, šéf mě zabije, asi mám vyhazov, kdyby jsi palivo našel a nalil do motorky, "
           "možná by "
           "ses dovnitř dostal",
           "...don't get fuel, the boss will kill me, I'm as good as fired. Find fuel, fill up my bike, and "
           "maybe "
           "you get in"}}),
    click("Image71"),
    says({"nebyl vložen přístupový čip", "No access chip inserted"}),
    use("Odmerka", "Image70"),
    says({"Doplnil jsi palivo do motorky, získal jsi čip a můžeš dovnitř",
          "You filled up the motorbike, got the chip, and you may go in"}),
    holds("cepka c Pavoukva Houbava Zapalkava"),
    use("c", "Image71"),
    says({"Vložil jsi čip a vcházíš dovnitř", "You insert the chip and walk in"}),
    is("barin", "shown"),
    click("Image74"),
    click("Image79"),
    says({"Radši na horu nechoď, nejdřív promluv s Robotem na recepci, čeké tě těžký úkol",
          "Better not go up yet. Talk to the Robot at reception first, a hard task awaits you"}),
    click("Image75"),
    talk("Form4/Command2", {{"Ty jsi počítač", "You're a computer"},
                            {"ANO, SLYŠEL JSEM, ŽE JSI POMOHL HLIDACI, JSI DOBRÝ",
                             "YES. I HEAR YOU HELPED THE BOUNCER. YOU ARE GOOD"},
                            {"No pomohl, proto jsem tu, copak potřebuješ něco",
                             "Well, I did, that's why I'm here. Need something?"},
                            {"JDI NA HORU PO SCHODECH A VE TŘETÍM POKOJI OD SCHODU JE NA STOLEČKU PAPÍR",
                             "GO UPSTAIRS. IN THE THIRD ROOM FROM THE STAIRS A PAPER LIES ON THE TABLE"},
                            {"No a co s ním!?!", "And what do I do with it!?!"},
                            {"VEM HO A PŘEČTI SI HO, JE TAM UKOL, ALE !!!POZOR!!! NESMÍŠ VEJÍT DO JINÝCH",
                             "TAKE IT AND READ YOUR TASK. BUT !!!WARNING!!! DO NOT ENTER ANY OTHER"},
                            {"DVEŘÍ! KDYŽ VEJDEŠ DO JINÝCH DVEŘÍ, BUDEŠ MRTEV, UKOL MUSÍŠ SPLNIT",
                             "DOOR! ENTER ANY OTHER DOOR AND YOU DIE. THE TASK MUST BE DONE"}}),
    click("Image75"),
    says({"Jdi splnit svůj úkol, přečti dopis!?!", "Go and do your task, read the letter!?!"}),
    click("Image79"),
    says({"Nezapoměň, jen jedny dvěře jsou správné a máš jen jeden pokus, jinak je end",
          "Remember: only one door is right, and you get one try, or it's the end"}),
    hover("Image83", {"Dveře, ale které jsou správné", "Doors, but which one is right?"}),
};

// The right door, the letter, the villa, the president's teleport, the sealed door and the outro.
const std::vector<Step> kRightDoorToTheOutro = {
    click("Image83"),
    is("ukolok", "shown"),
    click("Image87"),
    says({"Splnil jsi svůj úkol, získal jsi dopis", "Task done: you got the letter"}),
    is("barin", "shown"),
    is("barukol", "hidden"),
    holds("cepka c notebook dopis Pavoukva Houbava Zapalkava"),
    click("dopis"),
    open("menu Form1 dopisek"),
    // The letter tells where the villa's card lies: the player reads it in the game's language.
    is("dopisek/Image1", "Picture", {":/ui/letter.svg", ":/ui/letter.en.svg"}),
    click("dopisek/Command1"),
    click("Image77"),
    click("Image69"),
    plays("MMControl1", "9m18.wav"),

    click("Image25"),
    plays("MMControl1", "Hudba2.mid"),
    click("Image93"),
    quiet(),
    click("Image96"),
    says({"Ve skříňce jsi našel sponku, klíč a disketu",
          "In the cabinet you found a paper clip, a key and a diskette"}),
    holds("cepka c notebook dopis spona klic disk Pavoukva Houbava Zapalkava"),
    use("disk", "notebook"), // a game of beetles on the diskette, then back to work
    open("menu Form1 Broucek"),
    closeWindow("Broucek"),
    open("menu Form1"),
    click("Image97"),
    use("klic", "Image98"),
    says({"Je to sice správný klíč, ale byl vyměněn zámek, čím by se to dalo otevřít",
          "It's the right key, but the lock has been changed. What else could open it?"}),
    use("spona", "Image98"),
    says({"Otevíráš dveře sponkou a vcházíš dovnitř", "You pick the lock with the paper clip and walk in"}),
    is("vilain", "shown"),
    click("Image99"),
    says({"Důkladně jsi prohledal akvárium a něco jsi zjistil",
          "You searched the aquarium thoroughly and found something out"}),
    click("Image100"),
    use("cepka", "musle"),
    quiet(),
    is("musle", "Picture", {":/items/shell_open.svg"}),
    click("musle"),
    says({"Vytáhl jsi z mušle Vornu a najednou jses objevil v podivné místnosti!",
          "You pulled the Vorna out of the shell and suddenly found yourself in a strange room!"}),
    is("prezident", "shown"),
    click("Image103"),
    says({"Runtime ErroR: Prosím dones mi vornu a dej mi ji",
          "Runtime ErroR: Please bring me the Vorna and give it to me"}),
    click("Image104"),
    says({"Teleport nebyl aktivován", "Teleport not activated"}),
    use("vorna", "Image103"),
    says({"Děkuji - Zachránil jsi královský poklad i když vypadá trochu jinak je to ona, nyní jsem ti "
          "odblokoval "
          "startér pro teleport",
          "Thank you - you saved the royal treasure. It looks a bit different, but it's the one. I've "
          "unlocked the "
          "teleport starter for you"}),
    use("klic", "Image105"),
    says({"Nastartoval jsi teleport, teď už jen odejít", "You started the teleport. Now just go"}),
    holds("cepka c notebook dopis Pavoukva Houbava Zapalkava"),
    click("Image104"),
    says({"Teleport byl aktivován", "Teleport activated"}),
    plays("MMControl1", "Hudba8.mid"),
    is("toend", "shown"),

    click("Image108"),
    is("MAJAK", "shown"),
    click("Image112"),
    says({"Prohledal jsi skříňku a našel jsi nehořící výbušninu a nádrž benzínu",
          "You searched the cabinet and found unlit explosives and a tank of petrol"}),
    click("Image117"),
    use("dynam", "Image107"), // unlit: nothing
    quiet(),
    use("Zapalkava", "dynam"),
    says({"Zapálil jsi dynamit", "You lit the dynamite"}),
    is("dynam", "Picture", {":/items/dynamite_lit.svg"}),
    use("dynam", "Image107"),
    says({"Sice by to bouchlo, ale nezničilo by to dveře - Chce to něco silnějšího",
          "It would go bang, but it wouldn't break the door - it needs something stronger"}),
    use("benzin", "Image107"),
    quiet(),
    is("benzinek", "shown"),
    click("Image107"), // still sealed
    open("menu Form1"),
    use("dynam", "Image107"),
    says({"Výbušnina Bouchla a ty mnůžeš dovnitř", "The explosives went BOOM and you can go in"}),
    is("toend", "Picture", {":/scenes/finale_door_open.svg"}),
    holds("cepka c notebook dopis Pavoukva Houbava Zapalkava"),
    click("Image107"),
    wait(0),
    open("menu onetwo"),
    is("onetwo/", "Title", {"Outro"}),
    is("onetwo/Image3", "Picture", {":/ui/outro0.svg", ":/ui/outro0.en.svg"}),
    wait(4998),
    is("onetwo/Image3", "Picture", {":/ui/outro0.svg", ":/ui/outro0.en.svg"}),
    wait(1),
    is("onetwo/Image3", "Picture", {":/ui/outro1.svg", ":/ui/outro1.en.svg"}),
    wait(4999),
    is("onetwo/Image3", "Picture", {":/ui/outro2.svg", ":/ui/outro2.en.svg"}),
    wait(4999),
    is("onetwo/Image3", "Picture", {":/ui/credits1.svg", ":/ui/credits1.en.svg"}),
    wait(60000), // the slides stop at the credits
    is("onetwo/Image3", "Picture", {":/ui/credits1.svg", ":/ui/credits1.en.svg"}),
    closeWindow("onetwo"),
    open("menu"),
};

const std::vector<Step> kWrongDoor = {
    click("Image81"),
    is("no", "shown"),
    is("no", "Pos", {"0,0"}),
    plays("MMControl1", "uvod2.wav"),
};

bool english() {
    return currentLanguage() == QLatin1String("en");
}
QString read(Text t) {
    return QString::fromUtf8(english() && t.en ? t.en : t.cs);
}
QString sorted(const QString &names) {
    QStringList list = names.split(' ', Qt::SkipEmptyParts);
    list.sort();
    return list.join(' ');
}

// A control by its name: the one of that name in its window, or nothing when it is not unique.
QObject *find(const char *path) {
    const QString p = QString::fromLatin1(path);
    const qsizetype slash = p.indexOf('/');
    const QString window = slash < 0 ? QStringLiteral("Form1") : p.left(slash), name = p.mid(slash + 1);
    for (GameWindow *w : Windows::open()) {
        if (w->objectName() != window) continue;
        if (name.isEmpty()) return w;
        const QList<QObject *> found = w->findChildren<QObject *>(name);
        return found.size() == 1 ? found.first() : nullptr;
    }
    return nullptr;
}

QString propertyOf(QObject *o, const QString &name) {
    auto *w = qobject_cast<QWidget *>(o);
    auto *c = qobject_cast<Control *>(o);
    if (name == "shown") return w && w->isVisible() ? "1" : "0";
    if (name == "hidden") return w && w->isHidden() ? "1" : "0";
    if (name == "Tag" && c) return c->Tag;
    if (name == "Picture" && c) return Picture::resolve(c->Picture());
    if (name == "Caption" && qobject_cast<QLabel *>(o)) return qobject_cast<QLabel *>(o)->text();
    if (name == "Caption" && qobject_cast<QAbstractButton *>(o))
        return qobject_cast<QAbstractButton *>(o)->text();
    if (name == "Title" && w) return w->windowTitle();
    if (name == "Pos" && w) return QString("%1,%2").arg(w->x()).arg(w->y());
    return QStringLiteral("(no %1)").arg(name);
}

} // namespace

// The player's hand: how a step turns into input.
class Driver {
  public:
    virtual ~Driver() = default;
    virtual void click(QWidget *target) = 0;              // a hotspot, an item, a button
    virtual void hover(QWidget *target) = 0;              // rests on it
    virtual void use(QWidget *item, QWidget *target) = 0; // the item onto a thing or onto another item
    virtual void press(QAbstractButton *button) = 0;      // "OK", "Dále"
};

// The real mouse, through the window's event delivery; it clicks only what lies on top there.
class MouseDriver : public Driver {
  public:
    void click(QWidget *w) override {
        QVERIFY2(w->isVisible(), qPrintable(w->objectName() + " cannot be seen"));
        QCOMPARE(Mouse::hitAt(w->window(), Mouse::centreOf(w)), w);
        Mouse::click(w);
    }
    void hover(QWidget *w) override { Mouse::move(w); }
    void use(QWidget *item, QWidget *target) override {
        QVERIFY2(item->isVisible(), qPrintable(item->objectName() + " is not held"));
        QCOMPARE(Mouse::hitAt(target->window(), Mouse::centreOf(target)), target);
        Mouse::drag(item, target);
    }
    void press(QAbstractButton *button) override { click(button); }
};

std::unique_ptr<Driver> makeDriver(const QString &hand) {
    if (hand == "mouse") return std::make_unique<MouseDriver>();
    return nullptr;
}

class TestWalkthrough : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void wholeGameToTheOutroAndBack_data();
    void wholeGameToTheOutroAndBack();
    void wrongDoorEndsTheProgram_data() { wholeGameToTheOutroAndBack_data(); }
    void wrongDoorEndsTheProgram();

  private:
    Harness *h = nullptr;
    std::unique_ptr<Driver> driver;
    bool play(const std::vector<const std::vector<Step> *> &parts);
    void run(const Step &s);
    void talk(const Step &s);
    QWidget *widget(const char *path);
};

void TestWalkthrough::init() {
    h = new Harness;
    installLanguage(chooseLanguage(QLocale::system().uiLanguages()));
}

void TestWalkthrough::cleanup() {
    driver.reset();
    installLanguage("cs");
    delete h;
    h = nullptr;
}

void TestWalkthrough::wholeGameToTheOutroAndBack_data() {
    QTest::addColumn<QString>("hand");
    QTest::newRow("mouse") << "mouse";
}

QWidget *TestWalkthrough::widget(const char *path) {
    auto *w = qobject_cast<QWidget *>(find(path));
    if (!w) QTest::qFail(qPrintable(QString("no single control %1 on screen").arg(path)), __FILE__, __LINE__);
    return w;
}

void TestWalkthrough::talk(const Step &s) {
    h->advance(36);
    QAbstractButton *expected = qobject_cast<QAbstractButton *>(widget(s.a));
    if (!expected) return;
    QWidget *window = expected->window();
    const QString windowName = window->objectName();
    QCOMPARE(expected->text(), read({"Dále", "Next"}));
    for (const Text &line : s.lines) {
        QVERIFY2(Windows::isLoaded(qobject_cast<GameWindow *>(window)), "the conversation ended early");
        // The conversation the player sees is the one whose button can be pressed.
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
            QCOMPARE(b->isVisible() && b->isEnabled(), b == expected);
        QStringList shown;
        for (QLabel *l : expected->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            if (l->isVisible()) shown << l->text();
        QCOMPARE(shown, QStringList{read(line)});
        driver->press(expected);
        h->advance(36);
    }
    bool stillOpen = false;
    for (GameWindow *w : Windows::open())
        stillOpen = stillOpen || w->objectName() == windowName;
    QVERIFY2(!stillOpen, "the conversation goes on after its last line");
}

void TestWalkthrough::run(const Step &s) {
    switch (s.kind) {
    case Step::Click:
        if (QWidget *w = widget(s.a)) driver->click(w);
        break;
    case Step::Hover:
        if (QWidget *w = widget(s.a)) driver->hover(w);
        QCOMPARE(propertyOf(find("Label1"), "Caption"), read(s.text));
        break;
    case Step::Use: {
        QWidget *item = widget(s.a), *target = widget(s.b);
        if (item && target) driver->use(item, target);
        break;
    }
    case Step::Says: {
        Form2 *dialog = Windows::find<Form2>();
        QVERIFY2(dialog, qPrintable("no message, expected: " + read(s.text)));
        QCOMPARE(dialog->Label1->Caption(), read(s.text));
        driver->press(dialog->Command1);
        QVERIFY(!Windows::find<Form2>());
        break;
    }
    case Step::Quiet:
        QCOMPARE(message(), QString());
        break;
    case Step::Talk:
        talk(s);
        break;
    case Step::Holds: {
        QStringList shown;
        for (Control *item : Windows::find<Form1>()->inventory->items())
            if (!item->isHidden()) shown << item->objectName();
        QCOMPARE(sorted(shown.join(' ')), sorted(s.a));
        break;
    }
    case Step::Open: {
        QStringList open;
        for (GameWindow *w : Windows::open())
            open << w->objectName();
        QCOMPARE(sorted(open.join(' ')), sorted(s.a));
        break;
    }
    case Step::Plays: {
        auto *channel = qobject_cast<MediaChannel *>(find(s.a));
        QVERIFY2(channel, s.a);
        if (s.b) QCOMPARE(channel->FileName, QString(s.b));
        QCOMPARE(channel->isSounding(), s.b != nullptr);
        break;
    }
    case Step::Wait:
        h->advance(s.ms);
        break;
    case Step::Is: {
        QObject *o = find(s.a);
        QVERIFY2(o, s.a);
        QCOMPARE(propertyOf(o, s.b), read(s.text));
        break;
    }
    case Step::Close:
        if (QObject *w = find((QByteArray(s.a) + '/').constData())) qobject_cast<QWidget *>(w)->close();
        h->settle();
        break;
    }
}

bool TestWalkthrough::play(const std::vector<const std::vector<Step> *> &parts) {
    int n = 0;
    for (const auto *part : parts)
        for (const Step &s : *part) {
            ++n;
            run(s);
            if (QTest::currentTestFailed()) {
                qWarning("at step %d: %s %s %s", n, s.a ? s.a : "", s.b ? s.b : "",
                         s.text.cs ? s.text.cs : "");
                return false;
            }
        }
    return true;
}

void TestWalkthrough::wholeGameToTheOutroAndBack() {
    QFETCH(QString, hand);
    driver = makeDriver(hand);
    startGame();
    if (!play({&kStart, &kPoliceFirstVisit, &kCastle, &kPoliceFire, &kBarToTheDoors, &kRightDoorToTheOutro}))
        return;
    QVERIFY(!h->programEnded());
}

void TestWalkthrough::wrongDoorEndsTheProgram() {
    QFETCH(QString, hand);
    driver = makeDriver(hand);
    startGame();
    if (!play({&kStart, &kPoliceFirstVisit, &kCastle, &kPoliceFire, &kBarToTheDoors, &kWrongDoor})) return;
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
    QCOMPARE(lastWords,
             read({"Prohrál jsi, to vůbec nevadí, stačí si hru zahrát znovu a pečlivě číst dialogy",
                   "You lost. Never mind: just play the game again and read the dialogues carefully"}));
}

QTEST_MAIN(TestWalkthrough)
#include "test_walkthrough.moc"
