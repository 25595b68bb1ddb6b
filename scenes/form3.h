#pragma once
// The conversations at the police station: the officer on the window itself, the homeless man's
// first talk in Frame1 and his second talk in Frame2, which lies above Frame1.
#include "scenes/conversation.h"

class Form3 : public ConversationWindow {
    Q_OBJECT
  public:
    Form3();

    // The police officer.
    LabelControl *Label1;
    ButtonControl *Command1;
    LabelControl *Label2;
    Timer *Timer1;
    // The homeless man, first talk.
    Control *Frame1;
    LabelControl *Label4;
    ButtonControl *Command2;
    LabelControl *Label3;
    Timer *Timer2;
    // The homeless man, second talk.
    Control *Frame2;
    LabelControl *Label5;
    ButtonControl *Command3;
    LabelControl *Label6;
    Timer *Timer3;

    void Command1_Click() { officer_->press(); }
    void Command2_Click() { firstTalk_->press(); }
    void Command3_Click() { secondTalk_->press(); }
    void Timer1_Timer() { officer_->tick(); }
    void Timer2_Timer() { firstTalk_->tick(); }
    void Timer3_Timer() { secondTalk_->tick(); }

  private:
    ConversationPlayer *officer_, *firstTalk_, *secondTalk_;
};
