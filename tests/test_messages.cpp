// The message dialog and the letter viewer: one window each, never blocking the game, closed by OK.
#include "support/harness.h"

#include "game/form1.h"
#include "game/inventory.h"
#include "shell/dopisek.h"
#include "shell/form2.h"

#include <QPointer>
#include <QScreen>

namespace {
QPoint screenCentre() {
    return QGuiApplication::primaryScreen()->availableGeometry().center();
}

bool isCentred(const QWidget *w) {
    const QPoint d = w->geometry().center() - screenCentre();
    return qAbs(d.x()) <= 1 && qAbs(d.y()) <= 1;
}

bool isGreen(QRgb p) {
    return qGreen(p) > 100 && qRed(p) < 80 && qBlue(p) < 80;
}

// Green pixels of the window's picture inside rect (window coordinates).
int greenPixels(const QImage &img, const QRect &rect) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += isGreen(img.pixel(x, y));
    return n;
}
} // namespace

class TestMessages : public QObject {
    Q_OBJECT
  private slots:
    void secondMessageReplacesFirstInSameDialog();
    void okUnloadsAndNextMessageIsFreshAndCentred();
    void longTextIsCutAtBottomOfLabel();
    void dialogsLookAsDesigned();
    void gameGoesOnUnderDialog();
};

void TestMessages::secondMessageReplacesFirstInSameDialog() {
    Harness h;
    showMessage(QStringLiteral("první"));
    QPointer<Form2> first = Windows::find<Form2>();
    QVERIFY(first && first->isVisible());
    showMessage(QStringLiteral(" druhá, s mezerou na začátku"));
    Harness::settle();
    QCOMPARE(Windows::find<Form2>(), first.data());
    QCOMPARE(first->Label1->Caption(), QString(" druhá, s mezerou na začátku"));
    QCOMPARE(Windows::open(), std::vector<GameWindow *>({first.data()}));
}

void TestMessages::okUnloadsAndNextMessageIsFreshAndCentred() {
    Harness h;
    Form2 *dialog = showMessageDialog();
    QVERIFY(isCentred(dialog));
    QCOMPARE(dialog->Label1->Caption(), QString()); // shown first, its text comes after
    dialog->Label1->setCaption("a");
    dialog->move(0, 0);
    showMessage("b"); // brought forward where it is
    QCOMPARE(dialog->pos(), QPoint(0, 0));

    QPointer<Form2> old = dialog;
    Mouse::click(dialog->Command1);
    QVERIFY(!Windows::find<Form2>());
    QVERIFY(!old);             // destroyed, not hidden
    QVERIFY(h.programEnded()); // it was the only window

    Form2 *fresh = showMessageDialog();
    QCOMPARE(fresh->Label1->Caption(), QString());
    QVERIFY(isCentred(fresh));
}

void TestMessages::longTextIsCutAtBottomOfLabel() {
    Harness h;
    QString text;
    for (int i = 0; i < 6; ++i)
        text += QStringLiteral("Povedlo se ti zapálit dříví bezdomovcovou zápalkou. ");
    showMessage(text);
    Form2 *dialog = Windows::find<Form2>();
    const QRect label = dialog->Label1->geometry();
    QCOMPARE(label, QRect(24, 16, 225, 81));
    QCOMPARE(dialog->size(), QSize(273, 130));
    QVERIFY(dialog->Label1->heightForWidth(label.width()) > label.height()); // it really does not fit

    const QImage img = dialog->grab().toImage().scaled(dialog->size());
    QVERIFY(greenPixels(img, QRect(label.left(), label.bottom() - 10, label.width(), 10)) >
            0); // text to the end
    // Below the label, beside the OK button and inside the frame: black.
    const QRect button = dialog->Command1->geometry();
    QCOMPARE(greenPixels(img, QRect(5, label.bottom() + 1, button.left() - 5, 25)), 0);
    QCOMPARE(greenPixels(img, QRect(button.right() + 1, label.bottom() + 1, 267 - button.right(), 25)), 0);
}

void TestMessages::dialogsLookAsDesigned() {
    Harness h;
    Form2 *dialog = showMessageDialog();
    QFontInfo font(dialog->Label1->font());
    QCOMPARE(font.family(), QString("Liberation Sans")); // standing in for "MS Sans Serif"
    QVERIFY(font.bold());
    QCOMPARE(dialog->Label1->palette().color(QPalette::WindowText), QColor(0, 255, 0));

    showLetter();
    dopisek *viewer = Windows::find<dopisek>();
    QCOMPARE(viewer->size(), QSize(306, 329));
    QVERIFY(isCentred(viewer));
    // The OK button lies over the bottom of the letter and takes the click.
    QCOMPARE(Mouse::hitAt(viewer, Mouse::centreOf(viewer->Command1)), viewer->Command1);
}

void TestMessages::gameGoesOnUnderDialog() {
    Harness h;
    Form1 *f = Windows::show<Form1>();
    showMessage("zpráva");
    Mouse::move(f->Label1);
    Mouse::move(f->Image118);
    QCOMPARE(f->Label1->Caption(), QString("Logo"));
    Mouse::click(f->Command2);
    QVERIFY(!f->inventory->Frame2->isHidden());
    Mouse::drag(f->inventory->Image11, f->inventory->cepka);
    QCOMPARE(f->inventory->cepka->Tag, QString("karta"));
    // The same dialog now tells about the card.
    QCOMPARE(Windows::find<Form2>()->Label1->Caption(),
             QString("Odštípl jsi železný předmět o podobě nějaké kredit karty z čepice"));
    h.advance(26000);
    QCOMPARE(f->MMControl2->FileName, QString("police.wav")); // the game's timers go on too
}

QTEST_MAIN(TestMessages)
#include "test_messages.moc"
