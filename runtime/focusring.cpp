#include "runtime/focusring.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

// The focus mark: a rounded outline in the gold of the game's buttons between two dark edges, so that
// it stands out on the bright desert and the black cave alike. It is drawn in the screen's own pixels,
// whole pixels wide at every scale, and lets every click through to what lies beneath.
class FocusMark : public QWidget {
  public:
    explicit FocusMark(QWidget *parent) : QWidget(parent) {
        setObjectName("focusMark");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        const qreal ratio = devicePixelRatioF();
        p.scale(1 / ratio, 1 / ratio); // from here on, one unit is one pixel of the screen
        const int dark = std::max(1, int(std::lround(ratio)));
        const int gold = std::max(2, int(std::lround(2 * ratio)));
        const int whole = 2 * dark + gold;
        const qreal radius = 4 * ratio;
        const QRectF outer(0, 0, std::floor(width() * ratio), std::floor(height() * ratio));
        p.setRenderHint(QPainter::Antialiasing);
        auto ring = [&](qreal inset, qreal width, const QColor &colour) {
            QPainterPath path;
            path.addRoundedRect(outer.adjusted(inset, inset, -inset, -inset), radius, radius);
            QPainterPath inner;
            inner.addRoundedRect(outer.adjusted(inset + width, inset + width, -inset - width, -inset - width),
                                 std::max<qreal>(0, radius - width), std::max<qreal>(0, radius - width));
            p.fillPath(path.subtracted(inner), colour);
        };
        ring(0, whole, QColor(0x1e, 0x1a, 0x2e));
        ring(dark, gold, QColor(0xff, 0xd8, 0x3b));
    }
};

namespace {
std::vector<FocusRing *> rings;

QPoint centre(const QRect &r) {
    return QPoint(r.left() + r.width() / 2, r.top() + r.height() / 2);
}

// A hotspot or an item as a screen reader sees it: a button named by its description.
class ControlAccessible : public QAccessibleWidget {
  public:
    explicit ControlAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Button) {}
    const Control *control() const { return static_cast<const Control *>(widget()); }
    QAccessible::Role role() const override {
        if (FocusRing::reacts(control())) return QAccessible::Button;
        return control()->findChild<Control *>() ? QAccessible::Pane : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && role() == QAccessible::Button) return FocusRing::nameOf(widget());
        // While an item is in the keyboard's hand, every place the focus reaches says what is held.
        FocusRing *ring = FocusRing::of(widget());
        if (t == QAccessible::Description && ring && ring->held() && role() == QAccessible::Button)
            return QCoreApplication::translate("Keyboard", "V ruce: %1").arg(FocusRing::nameOf(ring->held()));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() != QAccessible::Button) return s;
        s.focusable = true;
        s.focused = widget()->hasFocus();
        if (FocusRing *ring = FocusRing::of(widget()); ring && !ring->inRing(widget()))
            s.offscreen = true; // covered, or in a scene the player does not see
        return s;
    }
    QStringList actionNames() const override {
        if (role() != QAccessible::Button) return QAccessibleWidget::actionNames();
        return {pressAction()};
    }
    void doAction(const QString &name) override {
        FocusRing *ring = FocusRing::of(widget());
        if (name != pressAction() || !ring || !ring->activate) return QAccessibleWidget::doAction(name);
        ring->setCurrent(widget());
        ring->activate(widget());
    }
};

QAccessibleInterface *controlFactory(const QString &, QObject *object) {
    if (auto *c = qobject_cast<Control *>(object)) return new ControlAccessible(c);
    if (auto *w = qobject_cast<QWidget *>(object); w && w->objectName() == QLatin1String("announcer"))
        return new QAccessibleWidget(w, QAccessible::Notification);
    return nullptr;
}
} // namespace

QString cursorWords(CursorKind kind) {
    static const std::pair<CursorKind, const char *> kWords[] = {
        {CursorKind::Forward, QT_TRANSLATE_NOOP("Keyboard", "Jít dopředu")},
        {CursorKind::Back, QT_TRANSLATE_NOOP("Keyboard", "Jít zpět")},
        {CursorKind::Left, QT_TRANSLATE_NOOP("Keyboard", "Jít doleva")},
        {CursorKind::Right, QT_TRANSLATE_NOOP("Keyboard", "Jít doprava")},
        {CursorKind::Look, QT_TRANSLATE_NOOP("Keyboard", "Prozkoumat")},
        {CursorKind::Talk, QT_TRANSLATE_NOOP("Keyboard", "Mluvit")},
        {CursorKind::Read, QT_TRANSLATE_NOOP("Keyboard", "Číst")},
    };
    // Take or use, and the plain arrow of a control that is only there to be used.
    const char *words = QT_TRANSLATE_NOOP("Keyboard", "Vzít nebo použít");
    for (const auto &[k, w] : kWords)
        if (k == kind) words = w;
    return QCoreApplication::translate("Keyboard", words);
}

FocusRing::FocusRing(QWidget *window, QRect viewport, QList<QAbstractButton *> buttons, QWidget *panel)
    : QObject(window), window_(window), viewport_(viewport), panel_(panel), mark_(new FocusMark(window)) {
    for (QAbstractButton *b : buttons)
        buttons_.append(b);
    static bool factoryInstalled = false;
    if (!factoryInstalled) {
        QAccessible::installFactory(controlFactory);
        factoryInstalled = true;
    }
    rings.push_back(this);
    qApp->installEventFilter(this);
    scene_ = scene();
    lastOrder_.clear();
    for (QWidget *w : members())
        lastOrder_.append(w);
    current_ = lastOrder_.value(0);
}

FocusRing::~FocusRing() {
    putBack();
    std::erase(rings, this);
}

FocusRing *FocusRing::of(const QWidget *w) {
    const QWidget *win = w ? w->window() : nullptr;
    for (FocusRing *r : rings)
        if (r->window_ == win) return r;
    return nullptr;
}

bool FocusRing::reacts(const Control *c) {
    return (c->hoverText && !c->hoverText().isEmpty()) || c->onClick || c->onDragDrop ||
           c->dragMode == Control::DragMode::Automatic;
}

QString FocusRing::nameOf(const QWidget *w) {
    if (auto *c = qobject_cast<const Control *>(w)) {
        if (c->hoverText) {
            const QString text = c->hoverText();
            if (!text.isEmpty()) return QCoreApplication::translate("Status", text.toUtf8().constData());
        }
        if (describe) {
            const QString said = describe(c);
            if (!said.isEmpty()) return said;
        }
        return cursorWords(c->MouseIcon());
    }
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) return b->text();
    return w ? w->accessibleName() : QString();
}

QRect FocusRing::rectOf(const QWidget *w) const {
    return QRect(w->mapTo(window_, QPoint(0, 0)), w->size());
}

// The mouse could reach it: the control itself is what lies on top at its centre or at one of a few
// points spread over it (a hotspot partly under another can still be clicked beside it).
bool FocusRing::reachable(const QWidget *w, QRect area) const {
    const QRect r = rectOf(w).intersected(area);
    if (r.isEmpty()) return false;
    if (window_->childAt(centre(r)) == w) return true;
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 4; ++j)
            if (window_->childAt(r.left() + (r.width() - 1) * i / 4, r.top() + (r.height() - 1) * j / 4) == w)
                return true;
    return false;
}

QList<QWidget *> FocusRing::members() const {
    QList<QWidget *> hotspots, items;
    const QRect panelRect = panel_ ? rectOf(panel_) : QRect();
    for (Control *c : window_->findChildren<Control *>()) {
        if (!c->isVisible() || !c->isEnabled() || !reacts(c)) continue;
        const bool inPanel = panel_ && panel_->isAncestorOf(c);
        if (inPanel ? reachable(c, panelRect) : reachable(c, viewport_)) (inPanel ? items : hotspots) << c;
    }
    // Reading order: top to bottom, then left to right, by the centres.
    auto readingOrder = [this](QList<QWidget *> &list) {
        std::stable_sort(list.begin(), list.end(), [this](QWidget *a, QWidget *b) {
            const QPoint ca = centre(rectOf(a)), cb = centre(rectOf(b));
            return ca.y() != cb.y() ? ca.y() < cb.y() : ca.x() < cb.x();
        });
    };
    readingOrder(hotspots);
    readingOrder(items);
    QList<QWidget *> out = hotspots;
    for (const QPointer<QAbstractButton> &b : buttons_)
        if (b && b->isVisible() && b->isEnabled()) out << b;
    out << items;
    if (panel_ && panel_->isVisible())
        for (QAbstractButton *b : panel_->findChildren<QAbstractButton *>())
            if (b->isVisible() && b->isEnabled() && reachable(b, panelRect)) out << b;
    return out;
}

QWidget *FocusRing::scene() const {
    for (QWidget *w = window_->childAt(viewport_.center()); w && w != window_; w = w->parentWidget())
        if (qobject_cast<Control *>(w) && w->findChild<Control *>(QString(), Qt::FindDirectChildrenOnly))
            return w;
    return window_;
}

void FocusRing::setShown(bool on) {
    if (on == shown_) return;
    shown_ = on;
    if (on) {
        refresh();
        focusNow(true);
    }
    place();
}

void FocusRing::focusNow(bool writeStatus) {
    if (!current_ || !shown_) return;
    current_->setFocus(Qt::TabFocusReason);
    // The focused hotspot writes its hover text, exactly as hovering does (and, like a dragged item,
    // an item in hand lets no other text through).
    auto *c = qobject_cast<Control *>(current_.data());
    if (writeStatus && c && c->onMouseMove && !held_) c->onMouseMove();
    // With an item in hand the focus passes over the hotspot as a drag would (the villa's door tells
    // the player that the clip opens it).
    if (writeStatus && c && c->onDragOver && held_) c->onDragOver(held_);
}

void FocusRing::setCurrent(QWidget *w) {
    current_ = w;
    focusNow(true);
    place();
    emit moved(w);
}

void FocusRing::step(bool forward) {
    const QList<QWidget *> ring = members();
    if (ring.isEmpty()) return;
    const int at = ring.indexOf(current_);
    const int n = int(ring.size());
    setCurrent(at < 0 ? ring.first() : ring[(at + (forward ? 1 : n - 1)) % n]);
}

void FocusRing::moveToward(Qt::Key arrow) {
    const QList<QWidget *> ring = members();
    if (!current_ || !ring.contains(current_)) {
        if (!ring.isEmpty()) setCurrent(ring.first());
        return;
    }
    const QPoint from = centre(rectOf(current_));
    QWidget *best = nullptr;
    long bestScore = 0;
    for (QWidget *w : ring) {
        if (w == current_) continue;
        const QPoint d = centre(rectOf(w)) - from;
        int along = 0, across = 0;
        switch (arrow) {
        case Qt::Key_Left:
            along = -d.x(), across = d.y();
            break;
        case Qt::Key_Right:
            along = d.x(), across = d.y();
            break;
        case Qt::Key_Up:
            along = -d.y(), across = d.x();
            break;
        default:
            along = d.y(), across = d.x();
            break;
        }
        if (along <= 0) continue;
        // The nearest in that direction; one straight ahead beats one as near but off to the side.
        const long score = along + 2L * std::abs(across);
        if (!best || score < bestScore) best = w, bestScore = score;
    }
    if (best) setCurrent(best);
}

void FocusRing::refresh() {
    refreshQueued_ = false;
    if (held_ && !held_->isVisible()) putBack();
    const QList<QWidget *> now = members();
    QWidget *want = current_;
    if (QWidget *seen = scene(); seen != scene_) {
        // A new scene: its first hotspot, or what had the focus if the scene has none.
        scene_ = seen;
        const bool hasHotspots = !now.isEmpty() && !qobject_cast<QAbstractButton *>(now.first()) &&
                                 !(panel_ && panel_->isAncestorOf(now.first()));
        if (hasHotspots)
            want = now.first();
        else if (!now.contains(current_))
            want = now.value(0);
    } else if (!now.contains(current_)) {
        // The focused one went away: the focus goes on to the one that came after it.
        want = nullptr;
        const int at = int(lastOrder_.indexOf(current_));
        for (int k = 1; at >= 0 && k <= lastOrder_.size() && !want; ++k) {
            QWidget *next = lastOrder_[(at + k) % lastOrder_.size()];
            if (next && now.contains(next)) want = next;
        }
        if (!want) want = now.value(0);
    }
    lastOrder_.clear();
    for (QWidget *w : now)
        lastOrder_.append(w);
    if (want != current_) {
        current_ = want;
        focusNow(false);
        emit moved(want);
    } else if (shown_ && current_ && window_->focusWidget() != current_) {
        // It was hidden for a moment (the cap becoming the card) and the toolkit moved the focus on.
        current_->setFocus(Qt::OtherFocusReason);
    }
    place();
}

void FocusRing::scheduleRefresh() {
    if (refreshQueued_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(this, &FocusRing::refresh, Qt::QueuedConnection);
}

void FocusRing::place() {
    if (!shown_ || !current_ || !current_->isVisible()) {
        mark_->hide();
        return;
    }
    const bool inScene =
        !qobject_cast<QAbstractButton *>(current_.data()) && !(panel_ && panel_->isAncestorOf(current_));
    QRect r = rectOf(current_).adjusted(-3, -3, 3, 3).intersected(inScene ? viewport_ : window_->rect());
    mark_->setGeometry(r);
    mark_->raise();
    mark_->show();
    mark_->update();
}

void FocusRing::take(Control *item) {
    putBack();
    held_ = item;
    // The pointer shows the item in hand, as in a drag, while it is over the game window.
    handCursor_ = window_->rect().contains(window_->mapFromGlobal(QCursor::pos()));
    if (handCursor_)
        QApplication::setOverrideCursor(
            dragCursor(item->DragIcon.isEmpty() ? item->Picture() : item->DragIcon));
}

void FocusRing::putBack() {
    if (!held_) return;
    if (handCursor_) QApplication::restoreOverrideCursor();
    handCursor_ = false;
    held_ = nullptr;
}

void FocusRing::useOn(Control *target) {
    QPointer<Control> item = held_;
    putBack();
    if (item) Drag::drop(item, target);
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::EnabledChange:
    case QEvent::Move: {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w != mark_ && w != window_ && w->window() == window_) scheduleRefresh();
        break;
    }
    case QEvent::FocusIn: {
        // A button the player clicked has the focus: the keyboard goes on from there.
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == window_ &&
            static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason && lastOrder_.contains(w)) {
            current_ = w;
            place();
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void announce(QWidget *window, const QString &text) {
    // An empty, unseen notification in the window: shown again with a new name, a screen reader reads it.
    auto *announcer = window->findChild<QWidget *>("announcer", Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setObjectName("announcer");
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setGeometry(0, 0, 0, 0);
    }
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}
