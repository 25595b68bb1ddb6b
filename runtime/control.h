#pragma once
// The game's controls, carrying the properties the game's logic works with: Left, Top, Width, Height
// (twips), Visible, Enabled, Picture, DragIcon, MouseIcon, DragMode, Tag and Caption. The widget tree
// is the game state: nothing here keeps a copy that could drift from what the player sees.
#include "runtime/cursors.h"
#include "runtime/theme.h"
#include "runtime/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <functional>

// A picture, an invisible hotspot, a frame or a picture container.
class Control : public QWidget {
    Q_OBJECT
  public:
    enum class Fit { Stretch, Natural };
    enum class DragMode { Manual, Automatic };

    Control(QWidget *parent, const QString &name, Twips rect);

    int Left() const { return rect_.left; }
    int Top() const { return rect_.top; }
    int Width() const { return rect_.width; }
    int Height() const { return rect_.height; }
    void setLeft(int twips);
    void setTop(int twips);
    void setRect(Twips rect);

    bool Visible() const { return !isHidden(); }
    void setVisible(bool on) override { QWidget::setVisible(on); }
    // Its own Enabled, not that of its containers.
    bool Enabled() const { return !testAttribute(Qt::WA_Disabled); }

    QString Picture() const { return picture_; }
    void setPicture(const QString &path, Fit fit);
    void setPicture(const QString &path) { setPicture(path, fit_); }
    void setBorder(bool on);

    QString Tag;
    QString DragIcon;
    DragMode dragMode = DragMode::Manual;
    CursorKind MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(CursorKind kind);

    // A frame or picture container fills itself with this colour before its picture.
    void setBackground(const QColor &color);

    // Handlers; a control without a handler for an event ignores it (it still covers what lies beneath).
    std::function<void()> onClick;
    std::function<void()> onMouseMove;
    std::function<void(Control *source)> onDragDrop;
    std::function<void(Control *source)> onDragOver;
    // The text its hover writes into the status line (the Czech original, as written), for those who
    // read it without moving the mouse: the keyboard focus and a screen reader. Unset: it writes none.
    std::function<QString()> hoverText;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

  private:
    Twips rect_;
    QString picture_;
    Fit fit_ = Fit::Stretch;
    bool border_ = false;
    CursorKind mouseIcon_ = CursorKind::None;
    bool pressed_ = false;
};

// The drag of an inventory item: it starts at the press and ends at the release, delivered to the
// topmost visible control under the mouse in the dragged item's window.
namespace Drag {
Control *source(); // the item being dragged, or nullptr
// Finds the control a drop at this point of the window lands on (nullptr: bare background).
Control *targetAt(QWidget *window, QPoint windowPos);
// Drops source on the control at the point, as a release of the mouse there would.
void dropAt(Control *source, QWidget *window, QPoint windowPos);
// Drops source straight on target (the same rules: target must be visible and enabled).
void drop(Control *source, Control *target);
void cancel();
} // namespace Drag

// A label: a status line, a name tag on the map, a conversation line, or a hidden counter whose
// Caption holds a small number.
class LabelControl : public QLabel {
    Q_OBJECT
  public:
    LabelControl(QWidget *parent, const QString &name, Twips rect, const QString &caption = {});
    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    int number() const { return text().toInt(); } // an empty caption reads as 0
    bool Visible() const { return !isHidden(); }
    void setStyle(const QColor &text, const QColor &background, const QFont &font, bool wrap,
                  Qt::Alignment align = Qt::AlignHCenter | Qt::AlignTop, bool border = false);
    // The font the label was designed with; the one it shows may be a little smaller (see fitText).
    QFont designFont() const { return designFont_; }
    // Whether the whole caption is seen in the label with the font it shows now.
    bool textFits() const;
    // What the text is for, which decides how the remastered look draws it.
    void setRole(Theme::Text role);
    // Takes on the colours, font and frame of the look the theme shows now.
    void applyLook();
    // Where the caption's words lie in the label.
    QRect textRect() const;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void fitText();
    QFont designFont_;
    QFont styleFont_;
    QColor textColour_, background_;
    bool border_ = false;
    Theme::Text role_ = Theme::Text::Plain;
};

// A line of the design, drawn from (x1, y1) to (x2, y2) twips with a width in pixels.
class LineControl : public QWidget {
    Q_OBJECT
  public:
    LineControl(QWidget *parent, const QString &name, QPoint fromTwips, QPoint toTwips, const QColor &color,
                int widthPx);
    bool Visible() const { return !isHidden(); }
    // A side of a window's frame: the remastered look draws the frame as a panel's rim instead.
    void setFramePart() { framePart_ = true; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    bool framePart_ = false;
    QPoint from_, to_;
    QColor color_;
    int width_;
};

// A plain button with its caption.
class ButtonControl : public QPushButton {
    Q_OBJECT
  public:
    ButtonControl(QWidget *parent, const QString &name, Twips rect, const QString &caption,
                  const QFont &font = QFont());
    bool Visible() const { return !isHidden(); }
    void setCaption(const QString &caption);
    QFont designFont() const { return designFont_; }
    bool textFits() const;

  protected:
    bool event(QEvent *event) override;

  private:
    void fitText();
    QFont designFont_;
};

// A graphical button: its picture above its caption.
class PictureButton : public QToolButton {
    Q_OBJECT
  public:
    PictureButton(QWidget *parent, const QString &name, Twips rect, const QString &caption,
                  const QFont &font);
    QString Picture() const { return picture_; }
    void setPicture(const QString &path);

  private:
    QString picture_;
};

// Fonts as designed; the Windows families map to free fonts with the same metrics.
QFont designFont(const QString &family, double points, bool bold);
void registerFontSubstitutions();
