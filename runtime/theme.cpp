#include "runtime/theme.h"

#include "runtime/control.h"
#include "runtime/picture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>
#include <QSvgRenderer>

namespace {
Theme::Look current = Theme::Look::Classic;

// The palette of the pictures: the outline every drawing shares, the purples of the buttons, the gold
// of their focus ring, the cream paper and the pink and red of the map's title banner.
const QColor kOutline(0x1e, 0x1a, 0x2e);
const QColor kPurpleTop(0x40, 0x36, 0x68);
const QColor kPurple(0x2b, 0x24, 0x42);
const QColor kSlot(0x1f, 0x1a, 0x32);
const QColor kSlotLight(0x5c, 0x50, 0x8e);
const QColor kGold(0xff, 0xd8, 0x3b);
const QColor kCream(0xf8, 0xf0, 0xdc);
const QColor kPink(0xc9, 0x4b, 0x8a);
const QColor kRed(0x9e, 0x1b, 0x1b);

constexpr const char *kArrow = "themeArrow";
constexpr const char *kCursor = "themeCursor";
constexpr const char *kField = "themeField";

QFont rounded(const QFont &designed, qreal points) {
    QFont f = designFont("Comic Sans MS", points, true);
    f.setStyleStrategy(designed.styleStrategy());
    return f;
}

void applyArrow(QWidget *w) {
    if (Theme::remastered())
        w->setCursor(gameCursor(CursorKind::Pointer));
    else if (w->property(kArrow).toBool())
        w->setCursor(Qt::ArrowCursor);
    else
        w->unsetCursor();
}

// The gold-rimmed frame of a panel: the dark outline outside, the gold inside it. A window's rim is
// broad; the inventory's is slim, its items lie at its very edge.
void paintRim(QPainter &p, const QRectF &r, bool broad) {
    p.setBrush(Qt::NoBrush);
    if (!broad) {
        p.setPen(QPen(kOutline, 1));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(QPen(kGold, 1));
        p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
        return;
    }
    p.setPen(QPen(kOutline, 2));
    p.drawRect(r.adjusted(1, 1, -1, -1));
    p.setPen(QPen(kGold, 2));
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 3, 3);
    p.setPen(QPen(kOutline, 1));
    p.drawRoundedRect(r.adjusted(4.5, 4.5, -4.5, -4.5), 2, 2);
}

class SwitchKey : public QObject {
  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                Theme::choose(Theme::remastered() ? Theme::Look::Classic : Theme::Look::Remastered);
            event->accept(); // taken: not handed on to the parents, which would switch back
            return true;
        }
        return false;
    }
};

// The head and shoulders of the figure an element of a scene shows (or the whole thing, when it is not
// taller than wide), as a square picture of side pixels. The head is the top of the figure: the square
// is centred on what is drawn in its topmost rows, wherever the figure leans.
QPixmap portrait(const QString &scene, const QString &element, int side) {
    QSvgRenderer r(Picture::resolve(scene));
    if (!r.isValid() || !r.elementExists(element)) return {};
    const QRectF b = r.transformForElement(element).mapRect(r.boundsOnElement(element));
    if (b.isEmpty()) return {};
    const bool figure = b.height() > b.width() * 1.05;
    const qreal scale = figure ? side / (b.height() * 0.42) : side / qMax(b.width(), b.height());
    QImage whole((b.size() * scale).toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter p(&whole);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p, element, QRectF(QPointF(0, 0), b.size() * scale));
    p.end();
    QPoint from((whole.width() - side) / 2, (whole.height() - side) / 2);
    if (figure) {
        qint64 sum = 0, count = 0;
        for (int y = 0; y < whole.height() / 10; ++y)
            for (int x = 0; x < whole.width(); ++x)
                if (qAlpha(whole.pixel(x, y)) > 0) sum += x, ++count;
        from = QPoint(int(count ? sum / count : whole.width() / 2) - side / 2, 0);
    }
    QImage out(side, side, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter o(&out);
    o.drawImage(-from, whole);
    o.end();
    return QPixmap::fromImage(out);
}
} // namespace

Theme::Look Theme::look() {
    return current;
}

void Theme::setLook(Look look) {
    if (look == current) return;
    current = look;
    for (QWidget *w : QApplication::allWidgets()) {
        if (auto *label = qobject_cast<LabelControl *>(w)) label->applyLook();
        if (auto *field = qobject_cast<QComboBox *>(w); field && w->property(kField).isValid()) {
            const QSignalBlocker quiet(field);
            field->setCurrentIndex(int(look));
        }
        if (w->property(kArrow).isValid()) applyArrow(w);
        if (auto *c = qobject_cast<Control *>(w); c && w->property(kCursor).isValid())
            c->setMouseIcon(c->MouseIcon());
        w->update();
    }
}

void Theme::choose(Look look) {
    setLook(look);
    QSettings().setValue("look", look == Look::Remastered ? "remastered" : "classic");
}

Theme::Look Theme::savedLook() {
    return QSettings().value("look").toString() == "remastered" ? Look::Remastered : Look::Classic;
}

QComboBox *Theme::makeLookField(QWidget *parent) {
    auto *field = new QComboBox(parent);
    field->addItem(QCoreApplication::translate("Settings", "Klasický"), int(Look::Classic));
    field->addItem(QCoreApplication::translate("Settings", "Remasterovaný"), int(Look::Remastered));
    field->setCurrentIndex(int(look()));
    field->setProperty(kField, true);
    QObject::connect(field, &QComboBox::currentIndexChanged, field,
                     [field] { choose(Look(field->currentData().toInt())); });
    return field;
}

void Theme::installSwitchKey() {
    static SwitchKey *key = nullptr;
    if (!key) qApp->installEventFilter(key = new SwitchKey);
}

QColor Theme::textColour(Text role, const QColor &designed) {
    if (!remastered() || role == Text::Plain) return designed;
    return role == Text::Ribbon ? kRed : kCream;
}

QFont Theme::textFont(Text role, const QFont &designed) {
    if (!remastered() || role == Text::Plain) return designed;
    return rounded(designed, designed.pointSizeF());
}

void Theme::paintTextBackdrop(QPainter &p, Text role, const QRect &rect, const QRect &textRect) {
    if (!remastered()) return;
    p.setRenderHint(QPainter::Antialiasing);
    if (role == Text::Status) {
        // A small plaque just around the words, in the colours of the buttons below it.
        const QRectF plaque =
            QRectF(textRect.adjusted(-6, -3, 6, 3)).intersected(QRectF(rect)).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient fill(plaque.topLeft(), plaque.bottomLeft());
        fill.setColorAt(0, kPurpleTop);
        fill.setColorAt(1, kPurple);
        p.setPen(QPen(kOutline, 1));
        p.setBrush(fill);
        p.drawRoundedRect(plaque, 4, 4);
        p.setPen(QPen(kGold, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(plaque.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    } else if (role == Text::Ribbon) {
        // The map's title banner in small: cream paper with swallow-tailed pink ends behind it.
        const qreal w = rect.width(), h = rect.height();
        p.setPen(QPen(kOutline, 1));
        p.setBrush(kPink);
        p.drawPolygon(QPolygonF({{0.5, 3}, {8, 3}, {8, h - 1.5}, {0.5, h - 1.5}, {3.5, (h + 1.5) / 2}}));
        p.drawPolygon(QPolygonF(
            {{w - 0.5, 3}, {w - 8, 3}, {w - 8, h - 1.5}, {w - 0.5, h - 1.5}, {w - 3.5, (h + 1.5) / 2}}));
        p.setBrush(kCream);
        p.drawRoundedRect(QRectF(4.5, 0.5, w - 9, h - 2), 2, 2);
    }
}

QList<Theme::DrawnText> Theme::drawnTexts(QWidget *window) {
    QList<DrawnText> out;
    // Only what is seen: a talk in a frame covers the one beneath it.
    auto add = [&](QWidget *on, QWidget *top, const QRect &r, const QColor &colour) {
        const QRect inWindow(on->mapTo(window, r.topLeft()), r.size());
        if (on->isVisibleTo(window) && window->childAt(inWindow.center()) == top)
            out.append({inWindow, colour});
    };
    for (LabelControl *l : window->findChildren<LabelControl *>())
        if (!l->text().isEmpty()) add(l, l, l->textRect(), l->palette().color(QPalette::WindowText));
    if (remastered())
        for (Panel *p : window->findChildren<Panel *>())
            if (!p->speaker().isEmpty())
                add(p, p->parentWidget() == window ? nullptr : p->parentWidget(), p->nameTab(), kOutline);
    return out;
}

// --- panels ----------------------------------------------------------------------------------------

Theme::Panel::Panel(QWidget *surface, Kind kind) : QWidget(surface), kind_(kind) {
    setObjectName("panel");
    setGeometry(surface->rect());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (kind == Kind::Filled) lower();
}

Theme::Panel *Theme::panelOf(QWidget *surface) {
    return surface->findChild<Panel *>(QString(), Qt::FindDirectChildrenOnly);
}

void Theme::Panel::setSpeaker(const QString &name, const QString &scene, const QString &element) {
    speaker_ = name;
    portrait_ = portrait(scene, element, 64);
}

QRect Theme::Panel::nameTab() const {
    // Under the top of the rim, at the same place of the window on the window and in a frame.
    QFont f = rounded(font(), 8.25);
    const int width = QFontMetrics(f).horizontalAdvance(speaker_) + 14;
    return QRect(mapFrom(window(), QPoint(14, 8)), QSize(width, 15));
}

void Theme::Panel::setSlots(const QList<QRect> &places, int dividerY) {
    // A slot reaches a little beyond its item, but never into the next one: two items that touch
    // (the bottom row lies right under the one above it) share the line between them.
    slots_.clear();
    for (const QRect &place : places) {
        QRectF slot = QRectF(place).adjusted(-2.5, -2.5, 2.5, 2.5);
        for (const QRect &other : places)
            if (other != place && other.left() < place.right() && place.left() < other.right()) {
                if (other.bottom() < place.top())
                    slot.setTop(qMax(slot.top(), (other.bottom() + place.top()) / 2.0 + 1));
                if (other.top() > place.bottom())
                    slot.setBottom(qMin(slot.bottom(), (other.top() + place.bottom()) / 2.0));
            }
        slots_.append(slot);
    }
    divider_ = dividerY;
}

void Theme::Panel::paintEvent(QPaintEvent *) {
    if (!remastered()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    bool nested = false;
    for (QWidget *w = parentWidget()->parentWidget(); w && !nested; w = w->parentWidget())
        nested = panelOf(w) != nullptr;
    if (kind_ == Kind::Filled) {
        // One gradient over the whole window, whichever surface of it this panel lies on.
        const QPoint origin = mapFrom(window(), QPoint(0, 0));
        QLinearGradient fill(origin, origin + QPoint(0, window()->height()));
        fill.setColorAt(0, kPurpleTop);
        fill.setColorAt(1, kPurple);
        p.fillRect(rect(), fill);
    }
    if (!nested) paintRim(p, rect(), parentWidget()->isWindow());
    for (const QRectF &slot : slots_) {
        const QRectF r = slot.intersected(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
        p.setPen(QPen(kSlotLight, 1));
        p.setBrush(kSlot);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(kOutline, 1));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
    }
    if (divider_ >= 0) {
        p.setPen(QPen(kGold, 1));
        p.drawLine(QPointF(8, divider_ + 0.5), QPointF(width() - 8, divider_ + 0.5));
    }
    if (speaker_.isEmpty()) return;
    const QRect tab = nameTab();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(tab).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setFont(rounded(font(), 8.25));
    p.setPen(kOutline);
    p.drawText(tab, Qt::AlignCenter, speaker_);
    if (portrait_.isNull()) return;
    // The medallion in the bottom-left corner, clear of the line and the button.
    const QRectF medal(QPointF(mapFrom(window(), QPoint(12, 88))), QSizeF(30, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    p.drawEllipse(medal);
    QPainterPath clip;
    clip.addEllipse(medal);
    p.save();
    p.setClipPath(clip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(medal.adjusted(1, 2, -1, 0), portrait_, QRectF(portrait_.rect()));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2));
    p.drawEllipse(medal.adjusted(1, 1, -1, -1));
    p.setPen(QPen(kOutline, 1));
    p.drawEllipse(medal);
}

// --- cursors ---------------------------------------------------------------------------------------

void Theme::setArrowCursor(QWidget *widget, bool explicitArrow) {
    widget->setProperty(kArrow, explicitArrow);
    applyArrow(widget);
}

void Theme::setRemasteredCursor(QWidget *hotspot, CursorKind kind) {
    hotspot->setProperty(kCursor, int(kind));
    if (auto *c = qobject_cast<Control *>(hotspot)) c->setMouseIcon(c->MouseIcon());
}

CursorKind Theme::shownCursor(const QWidget *hotspot, CursorKind designed) {
    const QVariant kind = hotspot->property(kCursor);
    return designed == CursorKind::None && remastered() && kind.isValid() ? CursorKind(kind.toInt())
                                                                          : designed;
}
