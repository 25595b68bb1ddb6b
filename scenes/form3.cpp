#include "scenes/form3.h"

#include "game/scene.h"

#include "game/form1.h"
#include "world/police.h"

namespace {
const QColor kBlue(0, 0, 255);
}

Form3::Form3() : ConversationWindow("Form3") {
    officer_ = addPlayer(
        this, windowLayout("Label1", "Command1", "Label2", "Timer1", 12, kBlue),
        script({
            QT_TRANSLATE_NOOP("Conversation", "Dobrý den pane policajte!"),
            QT_TRANSLATE_NOOP("Conversation", "Nezdržujte, co chcete!?!"),
            QT_TRANSLATE_NOOP("Conversation",
                              "Chci se zeptat na ten rozbitý bazar venku a na toho bezdomovce!"),
            QT_TRANSLATE_NOOP("Conversation", "Ten Bazar je policejní a tudíž tajná záležitost"),
            QT_TRANSLATE_NOOP("Conversation", "A co tam na dvoře dělá ten bezdomovec!?!"),
            QT_TRANSLATE_NOOP("Conversation",
                              "Ale když viděl vykradený bazar, chtěl ho vyrabovat a nyní prosím odejděte"),
        }));
    Frame1 = addFrame("Frame1");
    firstTalk_ = addPlayer(
        Frame1, frameLayout("Label4", "Command2", "Label3", "Timer2", 12, kBlue),
        script({
            QT_TRANSLATE_NOOP("Conversation", "Ahoj Bezdomovče"),
            QT_TRANSLATE_NOOP("Conversation", "Nech mě být, neber mi to!"),
            QT_TRANSLATE_NOOP("Conversation", "A co ti nemám brát"),
            QT_TRANSLATE_NOOP("Conversation", "Neber mi můj oheň, prosím tě"),
            QT_TRANSLATE_NOOP("Conversation",
                              "Aha, (dochází ti, že v té bedně je nějaké palivo a proto ta odměrka u sudu)"),
            QT_TRANSLATE_NOOP("Conversation",
                              "Dám ti ho jen když mi doneseš moje dříví a zápalky z mého Hradu"),
            QT_TRANSLATE_NOOP("Conversation", "Ten Hrad není tvůj, ale každopádně se tam podívám"),
        }));
    Frame2 = addFrame("Frame2");
    secondTalk_ = addPlayer(
        Frame2, frameLayout("Label5", "Command3", "Label6", "Timer3", 9.75, kBlue),
        script({
            QT_TRANSLATE_NOOP("Conversation", "Ahoj Bezdomovče, tak jsem tady mám ty věci"),
            QT_TRANSLATE_NOOP("Conversation", "Já chtěl oheň, tak z toho nějak udělěj oheň a pak ti to dám"),
            QT_TRANSLATE_NOOP("Conversation", "Dobře, pokusím se o to!"),
            QT_TRANSLATE_NOOP("Conversation", "OK, ale pak už se mnou nemluv a rovnou mi oheň dej, až to "
                                              "budeš mít, můžeš si z té bedny..."),
            QT_TRANSLATE_NOOP("Conversation", "Z jaké bedny, co!"),
            QT_TRANSLATE_NOOP("Conversation", "Můžeš si z té bedny nabrat do odměrky trochu kyseliny"),
            QT_TRANSLATE_NOOP("Conversation", "Aha, tak kyselina, dobrá udělám to"),
        }));
    drawBorder();
    introduce(this, tr("Policista"), Pictures::scene("police_inside"), "officer-Image37");
    introduce(Frame1, tr("Bezdomovec"), Pictures::scene("police_yard"), "homeless-man-Image39");
    introduce(Frame2, tr("Bezdomovec"), Pictures::scene("police_yard"), "homeless-man-Image39");

    Label1 = officer_->line;
    Command1 = officer_->button;
    Label2 = officer_->counter;
    Timer1 = officer_->timer;
    Label4 = firstTalk_->line;
    Command2 = firstTalk_->button;
    Label3 = firstTalk_->counter;
    Timer2 = firstTalk_->timer;
    Label5 = secondTalk_->line;
    Command3 = secondTalk_->button;
    Label6 = secondTalk_->counter;
    Timer3 = secondTalk_->timer;
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    Timer1->onTick = [this] { Timer1_Timer(); };
    Timer2->onTick = [this] { Timer2_Timer(); };
    Timer3->onTick = [this] { Timer3_Timer(); };

    // The homeless man has said what he wants: the way to his hideout in the castle is open. When the
    // game window is gone there is nothing left to tell.
    firstTalk_->onEnd = [] {
        if (Form1 *game = Windows::find<Form1>()) game->police->Label2->setCaption("2");
    };
}
