#include "support/game.h"

#include "game/form1.h"
#include "scenes/broucek.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/credits.h"
#include "shell/dopisek.h"
#include "shell/first.h"
#include "shell/form2.h"
#include "shell/intro.h"
#include "shell/load.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "shell/settings.h"
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

void openEveryWindow() {
    Windows::show<first>();
    Windows::show<menu>();
    Windows::show<intro>();
    Windows::show<load>();
    Windows::show<credits>();
    Windows::show<onetwo>();
    Windows::show<dopisek>();
    Windows::show<Broucek>();
    Windows::show<Form3>();
    Windows::show<Form4>();
    Windows::show<settings>();
    Windows::show<Form1>();
}
