#pragma once
// The conversations at the Rock bar: the guard at the entrance on the window itself and the computer
// inside the bar in Frame1.
#include "scenes/conversation.h"

class Form4 : public ConversationWindow {
    Q_OBJECT
  public:
    Form4();

    // The guard.
    LabelControl *Label1;
    ButtonControl *Command1;
    LabelControl *Label2;
    Timer *Timer1;
    // The computer.
    Control *Frame1;
    LabelControl *Label4;
    ButtonControl *Command2;
    LabelControl *Label3;
    Timer *Timer2;

    void Command1_Click() { guard_->press(); }
    void Command2_Click() { computer_->press(); }
    void Timer1_Timer() { guard_->tick(); }
    void Timer2_Timer() { computer_->tick(); }

  private:
    ConversationPlayer *guard_, *computer_;
};
