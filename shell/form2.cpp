#include "shell/form2.h"

#include "runtime/focusring.h"

#include <QCoreApplication>

Form2::Form2() : GameWindow("Form2") {
    setDesign(QString(), 4095, 1950, Frame::Borderless);
    paintBackground(Qt::black);
    new Theme::Panel(this, Theme::Panel::Kind::Filled);
    Theme::setArrowCursor(this, false);
    const QColor green(0, 255, 0);
    Label1 = new LabelControl(this, "Label1", {360, 240, 3375, 1215});
    Label1->setStyle(green, Qt::black, designFont("MS Sans Serif", 9.75, true), true);
    Label1->setRole(Theme::Text::Message);
    new LineControl(this, "Line1", {0, 1920}, {4080, 1920}, green, 3);
    new LineControl(this, "Line2", {0, 0}, {4080, 0}, green, 3);
    new LineControl(this, "Line3", {0, 1920}, {0, 0}, green, 3);
    new LineControl(this, "Line4", {4080, 1920}, {4080, 0}, green, 3);
    for (LineControl *side : findChildren<LineControl *>())
        side->setFramePart();
    Command1 = new ButtonControl(this, "Command1", {1320, 1440, 1455, 375}, tr("OK"));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command1_Click() {
    Windows::unload(this);
}

Form2 *showMessageDialog() {
    return Windows::show<Form2>();
}

void showMessage(const QString &text) {
    if (Form2 *f = showMessageDialog()) {
        const QString before = f->Label1->Caption();
        f->Label1->setCaption(QCoreApplication::translate("Message", text.toUtf8().constData()));
        // A screen reader reads the dialog as an alert when it appears, and a newer message at once.
        if (!before.isEmpty() && before != f->Label1->Caption()) announce(f, f->Label1->Caption());
    }
}
