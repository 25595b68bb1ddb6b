#include "scenes/form4.h"

#include "game/scene.h"

namespace {
const QColor kGreen(0, 255, 0);
}

Form4::Form4() : ConversationWindow("Form4") {
    guard_ = addPlayer(
        this, windowLayout("Label1", "Command1", "Label2", "Timer1", 9.75, kGreen),
        script({
            QT_TRANSLATE_NOOP("Conversation", "Ahoj, ty jsi hlídač, že jo"),
            QT_TRANSLATE_NOOP(
                "Conversation",
                "Jo a nechtěj aď tě pustím dovnitř, jestli nemáš vstupenku, tak se od tud kliď"),
            QT_TRANSLATE_NOOP("Conversation", "Vstupenku nemám, ale já tam potřebuju, jsem tajný agent"),
            QT_TRANSLATE_NOOP("Conversation", "Na to ti tak skočím, odejdi od sud, mám dost problémů"),
            QT_TRANSLATE_NOOP("Conversation", "Jaké problémy, rád vám pomůžu, výměnou za vstup do Baru"),
            QT_TRANSLATE_NOOP("Conversation",
                              "Mám problém s motorkou, nemám palivo, kyselinu turbomotorovou, výborně hoří a "
                              "používají ji bezdomovci, ale pokud..."),
            QT_TRANSLATE_NOOP(
                "Conversation",
                "palivo neseženu, šéf mě zabije, asi mám vyhazov, kdyby jsi palivo našel a nalil "
                "do motorky, možná by ses dovnitř dostal"),
        }));
    Frame1 = addFrame("Frame1");
    computer_ = addPlayer(
        Frame1, frameLayout("Label4", "Command2", "Label3", "Timer2", 9.75, kGreen),
        script({
            QT_TRANSLATE_NOOP("Conversation", "Ty jsi počítač"),
            QT_TRANSLATE_NOOP("Conversation", "ANO, SLYŠEL JSEM, ŽE JSI POMOHL HLIDACI, JSI DOBRÝ"),
            QT_TRANSLATE_NOOP("Conversation", "No pomohl, proto jsem tu, copak potřebuješ něco"),
            QT_TRANSLATE_NOOP("Conversation",
                              "JDI NA HORU PO SCHODECH A VE TŘETÍM POKOJI OD SCHODU JE NA STOLEČKU PAPÍR"),
            QT_TRANSLATE_NOOP("Conversation", "No a co s ním!?!"),
            QT_TRANSLATE_NOOP("Conversation",
                              "VEM HO A PŘEČTI SI HO, JE TAM UKOL, ALE !!!POZOR!!! NESMÍŠ VEJÍT DO JINÝCH"),
            QT_TRANSLATE_NOOP("Conversation",
                              "DVEŘÍ! KDYŽ VEJDEŠ DO JINÝCH DVEŘÍ, BUDEŠ MRTEV, UKOL MUSÍŠ SPLNIT"),
        }));
    drawBorder();
    introduce(this, tr("Hlídač"), Pictures::scene("bar_street"), "guard-Image68");
    introduce(Frame1, tr("Počítač"), Pictures::scene("bar_reception"), "computer-Image75");

    Label1 = guard_->line;
    Command1 = guard_->button;
    Label2 = guard_->counter;
    Timer1 = guard_->timer;
    Label4 = computer_->line;
    Command2 = computer_->button;
    Label3 = computer_->counter;
    Timer2 = computer_->timer;
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    Timer1->onTick = [this] { Timer1_Timer(); };
    Timer2->onTick = [this] { Timer2_Timer(); };
}
