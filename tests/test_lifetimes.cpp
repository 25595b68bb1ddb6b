// Windows closed in every order while the others live on: the game window under an open
// conversation, the beetle game and a message, the menu while the game runs. Nothing may touch a
// window that is gone (the sanitizer build runs this too), and the program ends with its last window.
#include "support/harness.h"

#include "game/form1.h"
#include "scenes/broucek.h"
#include "scenes/form3.h"
#include "shell/form2.h"
#include "shell/menu.h"

#include <QPointer>
#include <algorithm>

class TestLifetimes : public QObject {
    Q_OBJECT
  private slots:
    void windowsClosedInEveryOrder() {
        std::vector<int> order = {0, 1, 2, 3, 4};
        int permutations = 0;
        do {
            Harness h;
            GameWindow *m = Windows::show<menu>(), *game = Windows::show<Form1>();
            Form3 *talk = Windows::show<Form3>();
            talk->Frame1->setVisible(true); // the first talk, whose end writes into the game
            GameWindow *beetle = Windows::show<Broucek>();
            showMessage("Zalogoval jses a loď nastartovala");
            const QPointer<GameWindow> all[] = {game, talk, beetle, Windows::find<Form2>(), m};
            for (int which : order) {
                QVERIFY(all[which]);
                all[which]->close();
                // Whatever is left keeps running: conversation ticks, the siren, the beetle's countdown.
                h.advance(2000);
            }
            QVERIFY(Windows::open().empty() && h.programEnded());
            ++permutations;
        } while (std::next_permutation(order.begin(), order.end()));
        QCOMPARE(permutations, 120);
    }
};

QTEST_MAIN(TestLifetimes)
#include "test_lifetimes.moc"
