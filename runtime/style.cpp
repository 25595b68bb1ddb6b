#include "runtime/style.h"

#include <QWidget>

// The palette of the pictures: the outline every drawing shares, a night purple for the fill, the
// yellow of the title's lettering for captions. Light falls from the top, as in the scenes. The
// buttons keep a one-pixel border and no padding: the smallest of them ("OK" in the inventory, "Dále"
// in a conversation) are 17 pixels high and their captions must not lose a pixel.
QString gameStyleSheet() {
    return QStringLiteral(R"(
QPushButton, QToolButton {
    color: #ffd83b;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6a5c9c, stop:0.12 #473c6e, stop:1 #2b2442);
    border: 1px solid #1e1a2e;
    border-radius: 3px;
    padding: 0px;
    outline: none;
}
QPushButton:hover, QToolButton:hover {
    color: #fff3a8;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8e80c4, stop:0.12 #62548f, stop:1 #3d3460);
}
QPushButton:focus, QToolButton:focus {
    color: #ffffff;
    border: 1px solid #ffd83b;
}
QPushButton:pressed, QToolButton:pressed {
    color: #ffd83b;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #16131f, stop:0.2 #1e1a2e, stop:1 #3a3157);
}
QPushButton:disabled, QToolButton:disabled {
    color: #7d7499;
}
QMenu {
    color: #ffd83b;
    background: #2b2442;
    border: 1px solid #ffd83b;
    padding: 2px;
    font-family: "MS Sans Serif";
    font-size: 8.25pt;
    font-weight: bold;
}
QMenu::item {
    padding: 3px 18px 3px 12px;
    border: 1px solid transparent;
}
QMenu::item:selected {
    color: #1e1a2e;
    background: #ffd83b;
    border: 1px solid #1e1a2e;
}
QMessageBox {
    background: #000000;
}
QMessageBox QLabel {
    color: #00ff00;
    font-family: "MS Sans Serif";
    font-size: 9.75pt;
    font-weight: bold;
}
QMessageBox QPushButton {
    min-width: 72px;
    min-height: 23px;
}
)");
}

void applyGameStyle(QWidget *widget) {
    // Given to each of the few widgets it is for, not to the whole program: a sheet on the application
    // would polish every one of the hundreds of scene controls through the style sheet machinery.
    static const QString sheet = gameStyleSheet();
    widget->setStyleSheet(sheet);
}
