// Every text the game ships is seen whole where it is shown, in Czech and in English, at the scale the
// test runs at (CTest runs it at 1, 1.5 and 2): the free fonts that stand in for the design's run wider,
// so a text that would be cut is drawn a little smaller, and a text that fits keeps its design font;
// every letter of it is in the font it is drawn with. Each comes from the translation file, and in
// English nothing of any window still speaks Czech.
#include "support/game.h"
#include "support/harness.h"
#include "support/translations.h"

#include "game/form1.h"
#include "game/keyboard.h"
#include "game/language.h"
#include "scenes/broucek.h"
#include "scenes/conversation.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/form2.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// A hidden label holding a number is one of the game's flags, never seen by the player.
bool isCounter(const LabelControl *l) {
    bool number = false;
    l->text().toInt(&number);
    return l->isHidden() && (number || l->text().isEmpty());
}

QString where(const QWidget *w, const QString &text) {
    return w->window()->objectName() + "/" + w->objectName() + " (" +
           QString::number(w->font().pointSizeF()) + " pt): \"" + text + '"';
}
} // namespace

class TestFit : public QObject {
    Q_OBJECT
  private slots:
    void everyTextFitsWhereItIsShown() {
        QStringList cut;
        int measured = 0;
        // Cut off, or drawn with a letter the font lacks (a box or a letter from another font).
        auto check = [&](auto *control) {
            ++measured;
            const QString language = currentLanguage() + (Theme::remastered() ? " remastered " : " ");
            if (!control->textFits()) cut << language + where(control, control->text());
            const QFontMetrics fm(control->font());
            for (char32_t c : control->text().toUcs4())
                if (c >= 0x20 && !fm.inFontUcs4(c))
                    cut << language + "lacks " + QString::fromUcs4(&c, 1) + ": " +
                               where(control, control->text());
        };
        static const QRegularExpression czech(QString::fromUtf8("[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]"));
        const QList<TsEntry> texts = committedTs();
        QVERIFY(texts.size() > 150);
        for (const char *lang : {"cs", "en", "cs remastered", "en remastered"}) {
            Harness h;
            installLanguage(QString::fromLatin1(lang).left(2));
            Theme::setLook(QString::fromLatin1(lang).endsWith("remastered") ? Theme::Look::Remastered
                                                                            : Theme::Look::Classic);
            openEveryWindow();
            Windows::show<keyhelp>();
            Windows::find<Broucek>()->Timer2_Timer(); // the beetle's result box
            Form1 *game = Windows::find<Form1>();
            QSet<QString> status;
            for (const TsEntry &t : texts)
                if (t.context == "Status" || t.context == "Keyboard") {
                    // The status line also names an item taken in hand with the keyboard.
                    game->Label1->setCaption(
                        QCoreApplication::translate(qPrintable(t.context), t.source.toUtf8().constData()));
                    check(game->Label1);
                    if (t.context == "Status") status << game->Label1->Caption();
                }
            // Every hover text of the game window, in its state at the start, is one of those: a text
            // written to the status line without the mark for the translation file fails here.
            int hovers = 0;
            for (Control *c : game->findChildren<Control *>()) {
                if (!c->onMouseMove) continue;
                game->Label1->setCaption(QString());
                c->onMouseMove();
                const QString text = game->Label1->Caption();
                hovers += !text.isEmpty();
                if (!text.isEmpty() && !status.contains(text)) cut << QString(lang) + " unmarked: " + text;
            }
            QVERIFY(hovers > 80);
            for (const TsEntry &t : texts)
                if (t.context == "Message") {
                    showMessage(t.source);
                    check(Windows::find<Form2>()->Label1);
                }
            const QList<GameWindow *> talks = {Windows::find<Form3>(), Windows::find<Form4>()};
            for (GameWindow *talk : talks)
                for (ConversationPlayer *p : talk->findChildren<ConversationPlayer *>())
                    for (const QString &line : p->script()) {
                        p->line->setCaption(
                            QCoreApplication::translate("Conversation", line.toUtf8().constData()));
                        check(p->line);
                    }
            // Everything else as the windows show it: titles of the map, the menu's buttons, "Dále", OK...
            // In English no label, button, menu entry or result box of any window still speaks Czech.
            for (GameWindow *w : Windows::open()) {
                for (LabelControl *l : w->findChildren<LabelControl *>())
                    if (!isCounter(l)) check(l);
                for (ButtonControl *b : w->findChildren<ButtonControl *>())
                    check(b);
                for (QObject *o : w->findChildren<QObject *>())
                    if (const QString t = o->property("text").toString();
                        currentLanguage() == "en" && t.contains(czech))
                        cut << QString(lang) + " still Czech: " + w->objectName() + "/" + o->objectName() +
                                   ": " + t;
            }
            if (QString(lang) == "en") {
                QCOMPARE(Windows::find<Broucek>()->findChild<QMessageBox *>("result")->text(),
                         QString("You're dead: you didn't squash the bug in time"));
                QCOMPARE(Windows::find<Broucek>()->windowTitle(), QString("Squash the Bug"));
            }
            installLanguage("cs");
            Theme::setLook(Theme::Look::Classic);
        }
        QVERIFY(measured > 2 * texts.size());
        QVERIFY2(cut.isEmpty(),
                 qPrintable("cut off, missing letters, unmarked or Czech:\n" + cut.join('\n')));
    }
    // A line a little too long for the homeless man's 225 x 65 pixel label (with wider fonts his longest
    // line is) is drawn smaller, whole; his short lines keep the design font.
    void onlyATextThatWouldBeCutIsDrawnSmaller() {
        Harness h;
        // The design's fonts are drawn with the free ones that stand in for them.
        for (auto [designed, free] : {std::pair{"Comic Sans MS", "Comic Neue"},
                                      {"MS Sans Serif", "Liberation Sans"},
                                      {"Arial", "Liberation Sans"}})
            QCOMPARE(QFontInfo(designFont(designed, 12, true)).family(), QString(free));
        installLanguage("cs");
        LabelControl *label = Windows::show<Form3>()->Label5;
        label->setCaption(QString::fromUtf8(
            "OK, ale pak už se mnou nemluv a rovnou mi oheň dej, až to budeš mít, "
            "můžeš si z té bedny nabrat do odměrky trochu kyseliny a tou si pak posloužit, co!"));
        QVERIFY(label->textFits());
        QVERIFY(label->font().pointSizeF() < label->designFont().pointSizeF());
        QVERIFY(label->font().pointSizeF() >= 0.75 * label->designFont().pointSizeF());
        label->setCaption(QString::fromUtf8("Z jaké bedny, co!"));
        QCOMPARE(label->font(), label->designFont());
    }
};

QTEST_MAIN(TestFit)
#include "test_fit.moc"
