#include "scenes/conversation.h"

#include "game/scene.h"
#include "runtime/focusring.h"

#include <QCoreApplication>
#include <QEvent>

ConversationPlayer::ConversationPlayer(ConversationWindow *window, QWidget *container,
                                       const ConversationLayout &layout, const QStringList &script)
    : QObject(window), window_(window), container_(container), script_(script) {
    line = new LabelControl(container, QString::fromLatin1(layout.label), layout.labelRect);
    line->setStyle(layout.lineColour, Qt::black, designFont("MS Sans Serif", layout.points, true), true,
                   Qt::AlignHCenter | Qt::AlignTop);
    line->setRole(Theme::Text::Message);
    button = new ButtonControl(container, QString::fromLatin1(layout.button), layout.buttonRect, tr("Dále"));
    counter = new LabelControl(container, QString::fromLatin1(layout.counter), layout.counterRect, "0");
    counter->hide();
    timer = new Timer(this, 36, true);
    timer->setObjectName(QString::fromLatin1(layout.timer));
}

void ConversationPlayer::press() {
    counter->setCaption(QString::number(counter->number() + 1));
}

void ConversationPlayer::tick() {
    const int at = counter->number();
    if (at >= 0 && at < script_.size()) {
        line->setCaption(QCoreApplication::translate("Conversation", script_[at].toUtf8().constData()));
        // A screen reader reads the line with the focused button, and every next line as it appears.
        if (button->accessibleDescription() != line->Caption()) {
            if (!button->accessibleDescription().isEmpty()) announce(window_, line->Caption());
            button->setAccessibleDescription(line->Caption());
        }
    }
    if (at >= finalValue()) {
        if (onEnd) onEnd();
        Windows::unload(window_);
    }
}

ConversationWindow::ConversationWindow(const QString &objectName) : GameWindow(objectName) {
    setDesign(QString(), 4095, 1950, Frame::Borderless);
    paintBackground(Qt::black);
    new Theme::Panel(this, Theme::Panel::Kind::Filled);
    Theme::setArrowCursor(this, false);
}

void ConversationWindow::introduce(QWidget *container, const QString &name, const QString &scene,
                                   const char *element) {
    Theme::panelOf(container)->setSpeaker(name, scene, QString::fromLatin1(element));
}

ConversationPlayer *ConversationWindow::addPlayer(QWidget *container, const ConversationLayout &layout,
                                                  const QStringList &script) {
    auto *p = new ConversationPlayer(this, container, layout, script);
    players_.append(p);
    coverUpdate();
    return p;
}

Control *ConversationWindow::addFrame(const QString &name) {
    Control *frame = makeFrame(this, name, {120, 120, 3855, 1695});
    new Theme::Panel(frame, Theme::Panel::Kind::Filled);
    frame->installEventFilter(this);
    return frame;
}

void ConversationWindow::drawBorder() {
    const QColor green(0, 255, 0);
    new LineControl(this, "Line1", {0, 1920}, {4080, 1920}, green, 3);
    new LineControl(this, "Line2", {0, 0}, {4080, 0}, green, 3);
    new LineControl(this, "Line3", {0, 1920}, {0, 0}, green, 3);
    new LineControl(this, "Line4", {4080, 1920}, {4080, 0}, green, 3);
    for (LineControl *side : findChildren<LineControl *>(Qt::FindDirectChildrenOnly))
        side->setFramePart();
}

bool ConversationWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) coverUpdate();
    return GameWindow::eventFilter(watched, event);
}

// Only the conversation on top can go on: a button lying under a visible frame is disabled, so
// neither the mouse nor the keyboard can advance a conversation the player does not see, and the
// keyboard focus moves to the button the player does see.
void ConversationWindow::coverUpdate() {
    ConversationPlayer *top = nullptr;
    for (ConversationPlayer *p : players_)
        if (p->container() == this || !p->container()->isHidden()) top = p;
    for (ConversationPlayer *p : players_)
        p->button->setEnabled(p == top);
    if (top) top->button->setFocus(Qt::OtherFocusReason);
}
