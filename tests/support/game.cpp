#include "support/game.h"

#include "game/form1.h"
#include "shell/form2.h"
#include "support/harness.h"
#include "world/citymap.h"
#include "world/start.h"

Form1 *openOnMap() {
    Form1 *f = Windows::show<Form1>();
    f->start->Raketa->setVisible(true);
    f->citymap->map->setVisible(true);
    return f;
}

bool enterFromMap(Form1 *form, const char *place) {
    Control *c = form->citymap->map->findChild<Control *>(place);
    if (c) Mouse::click(c);
    return c;
}

void standIn(Control *scene) {
    for (auto *c = scene; c; c = qobject_cast<Control *>(c->parentWidget())) {
        c->setVisible(true);
        c->setTop(0);
        c->setLeft(0);
    }
}

QString message() {
    Form2 *dialog = Windows::find<Form2>();
    return dialog ? dialog->Label1->Caption() : QString();
}

void dismiss() {
    if (Form2 *dialog = Windows::find<Form2>()) Mouse::click(dialog->Command1);
    Harness::settle();
}
