#include "runtime/control.h"

#include "runtime/picture.h"
#include "runtime/style.h"
#include "runtime/windows.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>

Control::Control(QWidget *parent, const QString &name, Twips rect) : QWidget(parent), rect_(rect) {
    setObjectName(name);
    setGeometry(rect.toPixels());
    setMouseTracking(true); // hover texts need every move, not only those with a button held
}

void Control::setLeft(int twips) {
    rect_.left = twips;
    setGeometry(rect_.toPixels());
}

void Control::setTop(int twips) {
    rect_.top = twips;
    setGeometry(rect_.toPixels());
}

void Control::setRect(Twips rect) {
    rect_ = rect;
    setGeometry(rect_.toPixels());
}

void Control::setPicture(const QString &path, Fit fit) {
    picture_ = path;
    fit_ = fit;
    update();
}

void Control::setBorder(bool on) {
    border_ = on;
    update();
}

void Control::setMouseIcon(CursorKind kind) {
    mouseIcon_ = kind;
    const CursorKind shown = Theme::shownCursor(this, kind);
    if (shown == CursorKind::None)
        unsetCursor();
    else
        setCursor(gameCursor(shown));
}

void Control::setBackground(const QColor &color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void Control::paintEvent(QPaintEvent *) {
    if (picture_.isEmpty() && !border_) return;
    QPainter p(this);
    if (!picture_.isEmpty()) {
        QSize size = fit_ == Fit::Stretch ? this->size() : Picture::naturalSize(picture_);
        p.drawPixmap(QPoint(0, 0), Picture::render(picture_, size, devicePixelRatioF()));
    }
    if (border_) {
        p.setPen(QPen(QColor(0x1e, 0x1a, 0x2e), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// --- dragging ------------------------------------------------------------------------------------

namespace {
QPointer<Control> dragged;
QPointer<Control> lastOver;

void endDrag() {
    if (dragged) QApplication::restoreOverrideCursor();
    dragged = nullptr;
    lastOver = nullptr;
}

bool accepts(Control *target, const std::function<void(Control *)> &handler) {
    return target && target->isVisible() && target->Enabled() && handler;
}

void dragOver(Control *source, Control *target) {
    // The previous control is told that the item left it, the new one that it is over it.
    if (lastOver && lastOver != target && accepts(lastOver, lastOver->onDragOver))
        lastOver->onDragOver(source);
    lastOver = target;
    if (accepts(target, target ? target->onDragOver : nullptr)) target->onDragOver(source);
}
} // namespace

Control *Drag::source() {
    return dragged;
}

Control *Drag::targetAt(QWidget *window, QPoint windowPos) {
    if (!window || !window->rect().contains(windowPos)) return nullptr;
    // Over the message dialog, the letter or any other window lying on the game window, the item is
    // over that window, not over the game control hidden beneath it.
    if (Windows::topmostAt(window->mapToGlobal(windowPos)) != window) return nullptr;
    return qobject_cast<Control *>(window->childAt(windowPos));
}

void Drag::drop(Control *source, Control *target) {
    if (source && accepts(target, target ? target->onDragDrop : nullptr)) target->onDragDrop(source);
}

void Drag::dropAt(Control *source, QWidget *window, QPoint windowPos) {
    drop(source, targetAt(window, windowPos));
}

void Drag::cancel() {
    endDrag();
}

void Control::mousePressEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    if (dragged) endDrag(); // a drag still running at a new press has lost its release
    if (dragMode == DragMode::Automatic) {
        // An automatic drag starts at the press: the item never receives a click.
        dragged = this;
        QApplication::setOverrideCursor(dragCursor(DragIcon.isEmpty() ? picture_ : DragIcon));
        return;
    }
    pressed_ = true;
}

void Control::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    if (dragged && !(event->buttons() & Qt::LeftButton)) endDrag(); // its release never came
    if (dragged == this) {
        QWidget *w = window();
        ::dragOver(this, Drag::targetAt(w, mapTo(w, event->position().toPoint())));
        return;
    }
    if (dragged) return; // another control is being dragged: no hover texts meanwhile
    if (onMouseMove) onMouseMove();
}

void Control::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    if (dragged == this) {
        QPointer<Control> self = this;
        QWidget *w = window();
        QPoint at = mapTo(w, event->position().toPoint());
        endDrag();
        Drag::dropAt(self, w, at);
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && rect().contains(event->position().toPoint()) && onClick) onClick();
}

void Control::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double-click is not a second click: a player who double-clicks out of
    // habit reads the first message, and does not walk on through whatever the first click opened.
    event->accept();
    pressed_ = false;
}

void Control::hideEvent(QHideEvent *) {
    // The window never delivers the release to a hidden item: its drag ends here.
    if (dragged == this) endDrag();
}

// --- labels, lines, buttons --------------------------------------------------------------------

// --- fitting a text into its rectangle ------------------------------------------------------------

namespace {
// The free fonts that stand in for the design's run a little wider than the originals. A text that
// would be cut is drawn smaller, in quarter-point steps, down to this share of the design size; a
// text that does not fit even then (none of the game's own) is cut at the bottom like any label.
constexpr qreal kSmallestShare = 0.75;
constexpr qreal kStep = 0.25;

bool fitsIn(const QFont &font, const QWidget *device, const QRectF &area, int flags, const QString &text) {
    if (text.isEmpty()) return true;
    const QRectF need = QFontMetricsF(font, device).boundingRect(area, flags, text);
    return need.width() <= area.width() + 0.01 && need.height() <= area.height() + 0.01;
}

// The design font if the text fits with it, else the largest smaller size that fits.
QFont fittingFont(const QFont &design, const QWidget *device, const QRectF &area, int flags,
                  const QString &text) {
    if (fitsIn(design, device, area, flags, text)) return design;
    QFont f = design;
    for (qreal pt = design.pointSizeF() - kStep; pt >= design.pointSizeF() * kSmallestShare; pt -= kStep) {
        f.setPointSizeF(pt);
        if (fitsIn(f, device, area, flags, text)) return f;
    }
    return design;
}

int labelFlags(const QLabel *l) {
    return int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
}

QRectF labelArea(const QLabel *l) {
    return QRectF(l->contentsRect()).adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
}

QRectF buttonArea(const QPushButton *b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    return b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
}
} // namespace

LabelControl::LabelControl(QWidget *parent, const QString &name, Twips rect, const QString &caption)
    : QLabel(caption, parent), designFont_(font()) {
    setObjectName(name);
    setGeometry(rect.toPixels());
    setTextFormat(Qt::PlainText);
}

void LabelControl::setCaption(const QString &caption) {
    // Hover texts are written again at every move of the mouse: measure a text only when it changes.
    if (caption == text()) return;
    setText(caption);
    fitText();
}

void LabelControl::fitText() {
    setFont(fittingFont(designFont_, this, labelArea(this), labelFlags(this), text()));
}

bool LabelControl::textFits() const {
    return fitsIn(font(), this, labelArea(this), labelFlags(this), text());
}

void LabelControl::setStyle(const QColor &text, const QColor &background, const QFont &font, bool wrap,
                            Qt::Alignment align, bool border) {
    textColour_ = text;
    background_ = background;
    styleFont_ = font;
    border_ = border;
    setWordWrap(wrap);
    setAlignment(align);
    applyLook();
}

void LabelControl::setRole(Theme::Text role) {
    role_ = role;
    applyLook();
}

void LabelControl::applyLook() {
    if (!textColour_.isValid()) return; // not styled yet
    // In the remastered look a themed text lies on its panel, plaque or ribbon: no box of its own.
    const bool drawn = Theme::remastered() && role_ != Theme::Text::Plain;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Theme::textColour(role_, textColour_));
    pal.setColor(QPalette::Window, background_);
    setPalette(pal);
    setAutoFillBackground(!drawn);
    designFont_ = Theme::textFont(role_, styleFont_);
    if (border_) {
        setFrameStyle(drawn ? QFrame::NoFrame : QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    const int side = !drawn ? 0 : role_ == Theme::Text::Ribbon ? 8 : role_ == Theme::Text::Status ? 6 : 0;
    const int top = drawn && role_ == Theme::Text::Status ? 3 : 0;
    // A frame keeps its width inside the contents margins.
    const int frame = frameWidth();
    setContentsMargins(frame + side, frame + top, frame + side, frame + top);
    fitText();
    update();
}

QRect LabelControl::textRect() const {
    const QRectF area = labelArea(this);
    return QFontMetricsF(font(), this).boundingRect(area, labelFlags(this), text()).toAlignedRect() & rect();
}

void LabelControl::paintEvent(QPaintEvent *event) {
    if (Theme::remastered() && !text().isEmpty()) {
        QPainter p(this);
        Theme::paintTextBackdrop(p, role_, rect(), textRect());
    }
    QLabel::paintEvent(event);
}

LineControl::LineControl(QWidget *parent, const QString &name, QPoint fromTwips, QPoint toTwips,
                         const QColor &color, int widthPx)
    : QWidget(parent), color_(color), width_(widthPx) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPoint a = pxPoint(fromTwips.x(), fromTwips.y()), b = pxPoint(toTwips.x(), toTwips.y());
    // The pen is centred on the line: the widget reaches half a pen width beyond both ends.
    const int half = (widthPx + 1) / 2;
    QRect box = QRect(a, b).normalized().adjusted(-half, -half, half + 1, half + 1);
    setGeometry(box);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
}

void LineControl::paintEvent(QPaintEvent *) {
    if (framePart_ && Theme::remastered()) return;
    QPainter p(this);
    p.setPen(QPen(color_, width_, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(from_, to_);
}

ButtonControl::ButtonControl(QWidget *parent, const QString &name, Twips rect, const QString &caption,
                             const QFont &font)
    : QPushButton(caption, parent), designFont_(font) {
    setObjectName(name);
    setGeometry(rect.toPixels());
    setFont(font);
    setAutoDefault(false);
    applyGameStyle(this);
}

void ButtonControl::setCaption(const QString &caption) {
    setText(caption);
    fitText();
}

bool ButtonControl::event(QEvent *event) {
    const bool done = QPushButton::event(event);
    // The style decides the room inside the button's frame once the button is polished.
    if (event->type() == QEvent::Polish) fitText();
    return done;
}

void ButtonControl::fitText() {
    setFont(fittingFont(designFont_, this, buttonArea(this), Qt::AlignCenter | Qt::TextShowMnemonic, text()));
}

bool ButtonControl::textFits() const {
    return fitsIn(font(), this, buttonArea(this), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

PictureButton::PictureButton(QWidget *parent, const QString &name, Twips rect, const QString &caption,
                             const QFont &font)
    : QToolButton(parent) {
    setObjectName(name);
    setGeometry(rect.toPixels());
    setText(caption);
    setFont(font);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::StrongFocus);
    applyGameStyle(this);
}

void PictureButton::setPicture(const QString &path) {
    picture_ = path;
    const int side = 32;
    QIcon icon;
    icon.addPixmap(Picture::render(path, QSize(side, side), devicePixelRatioF()));
    setIcon(icon);
    setIconSize(QSize(side, side));
}

QFont designFont(const QString &family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void registerFontSubstitutions() {
    QFont::insertSubstitutions("Comic Sans MS", {"Comic Neue", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}
