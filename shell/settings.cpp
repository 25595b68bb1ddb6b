#include "shell/settings.h"

#include "game/language.h"
#include "game/scene.h"
#include "runtime/theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QSlider>

namespace {
constexpr int kWidth = 5070;                  // twips
constexpr int kCaption = 1800, kField = 2760; // widths
const QColor kYellow(255, 216, 59);

const char *const kSheet = R"(
QCheckBox { color: #ffd83b; }
QComboBox { color: #ffd83b; background: #2b2442; border: 1px solid #1e1a2e; padding: 0px 4px; }
QComboBox QAbstractItemView { color: #ffd83b; background: #2b2442; selection-color: #1e1a2e;
                              selection-background-color: #ffd83b; }
QSlider::groove:horizontal { height: 6px; background: #2b2442; border: 1px solid #1e1a2e; }
QSlider::sub-page:horizontal { background: #8e80c4; }
QSlider::handle:horizontal { width: 10px; margin: -5px 0px; background: #ffd83b; border: 1px solid #1e1a2e;
                             border-radius: 3px; }
)";

QFont rowFont(double points = 9.75) {
    return designFont("Comic Sans MS", points, true);
}
} // namespace

settings::settings() : GameWindow("settings"), prefs_(Preferences::load()) {
    paintBackground(Qt::black);
    setCursor(gameCursor(CursorKind::Pointer));
    setStyleSheet(QString::fromLatin1(kSheet));

    QWidget *musicRow = volumeField(&music);
    QWidget *effectsRow = volumeField(&effects);
    mute = new QCheckBox(this);
    size = new QComboBox(this);
    size->addItem(tr("Automaticky"), "auto");
    for (const char *f : {"1", "2", "3", "4"})
        size->addItem(QString::fromLatin1(f) + QChar(0xD7), f);
    language = new QComboBox(this);
    language->addItem(tr("Automaticky"), "auto");
    language->addItem(QStringLiteral("Čeština"), "cs");
    language->addItem(QStringLiteral("English"), "en");

    // The rows, from the top down.
    addRow(QT_TRANSLATE_NOOP("Settings", "Hudba"), musicRow);
    addRow(QT_TRANSLATE_NOOP("Settings", "Zvuky"), effectsRow);
    addRow(QT_TRANSLATE_NOOP("Settings", "Ztlumit (M)"), mute);
    addRow(QT_TRANSLATE_NOOP("Settings", "Velikost"), size,
           QT_TRANSLATE_NOOP("Settings", "Změní se při příštím spuštění."));
    addRow(QT_TRANSLATE_NOOP("Settings", "Jazyk"), language,
           QT_TRANSLATE_NOOP("Settings", "Nové texty hned, vše při příštím spuštění."));
    addRow(QT_TRANSLATE_NOOP("Settings", "Vzhled (F10)"), Theme::makeLookField(this));

    Command1 =
        new ButtonControl(this, "Command1", {(kWidth - 1455) / 2, height_ + 120, 1455, 375}, tr("Zavřít"));
    connect(Command1, &QPushButton::clicked, this, [this] { Windows::unload(this); });
    setDesign(tr("Nastavení - Zur ev Edivu"), kWidth, height_ + 615, Frame::ToolWindow);

    refresh();
    for (QSlider *s : {music, effects})
        connect(s, &QSlider::valueChanged, this, &settings::changed);
    connect(mute, &QCheckBox::toggled, this, &settings::changed);
    connect(size, &QComboBox::currentIndexChanged, this, &settings::changed);
    connect(language, &QComboBox::currentIndexChanged, this, &settings::changed);
}

QWidget *settings::volumeField(QSlider **slider) {
    auto *field = new QWidget(this);
    *slider = new QSlider(Qt::Horizontal, field);
    (*slider)->setRange(0, 100);
    (*slider)->setPageStep(10);
    (*slider)->setGeometry(Twips{0, 0, kField - 840, 375}.toPixels());
    auto *percent = new LabelControl(field, "percent", {kField - 780, 0, 780, 375});
    percent->setStyle(kYellow, Qt::black, rowFont(), false, Qt::AlignRight | Qt::AlignVCenter);
    connect(*slider, &QSlider::valueChanged, percent,
            [percent](int v) { percent->setCaption(QStringLiteral("%1 %").arg(v)); });
    return field;
}

void settings::addRow(const char *caption, QWidget *field, const char *note) {
    auto *label = new LabelControl(this, QString(), {240, height_, kCaption, 375},
                                   QCoreApplication::translate("Settings", caption));
    label->setStyle(kYellow, Qt::black, rowFont(), false, Qt::AlignLeft | Qt::AlignVCenter);
    field->setParent(this);
    field->setGeometry(Twips{240 + kCaption, height_, kField, 375}.toPixels());
    field->setFont(rowFont());
    height_ += 375;
    if (note) {
        // A note may take two lines rather than shrink to a size nobody reads.
        auto *n = new LabelControl(this, QString(), {240 + kCaption, height_, kField, 420},
                                   QCoreApplication::translate("Settings", note));
        n->setStyle(QColor(0x8e, 0x80, 0xc4), Qt::black, designFont("MS Sans Serif", 8.25, false), true,
                    Qt::AlignLeft | Qt::AlignTop);
        height_ += 420;
    }
    height_ += 105;
}

void settings::refresh() {
    prefs_ = Preferences::load();
    const QSignalBlocker a(music), b(effects), c(mute), d(size), e(language);
    music->setValue(prefs_.music);
    effects->setValue(prefs_.effects);
    // The percent labels follow their sliders' signal, blocked here: write them directly.
    for (QSlider *s : {music, effects})
        if (auto *percent = s->parentWidget()->findChild<LabelControl *>("percent"))
            percent->setCaption(QStringLiteral("%1 %").arg(s->value()));
    mute->setChecked(prefs_.mute);
    size->setCurrentIndex(qMax(0, size->findData(prefs_.size)));
    language->setCurrentIndex(qMax(0, language->findData(prefs_.language)));
}

void settings::changed() {
    const QString spoken = prefs_.spokenLanguage();
    prefs_.music = music->value();
    prefs_.effects = effects->value();
    prefs_.mute = mute->isChecked();
    prefs_.size = size->currentData().toString();
    prefs_.language = language->currentData().toString();
    prefs_.store();
    prefs_.applyVolumes();
    if (prefs_.spokenLanguage() != spoken) installLanguage(prefs_.spokenLanguage());
}

void toggleMute() {
    Preferences p = Preferences::load();
    p.mute = !p.mute;
    p.store();
    p.applyVolumes();
    if (settings *s = Windows::find<settings>()) s->refresh();
}

namespace {
class SettingsKeys : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto *window = qobject_cast<GameWindow *>(static_cast<QWidget *>(watched)->window());
        if (!window || !Windows::isLoaded(window) || key->isAutoRepeat()) return false;
        if (key->key() == Qt::Key_F2 && key->modifiers() == Qt::NoModifier) {
            Windows::show<settings>();
            return true;
        }
        if (key->key() == Qt::Key_M && key->modifiers() == Qt::NoModifier &&
            window->objectName() == QLatin1String("Form1")) {
            toggleMute();
            return true;
        }
        return false;
    }
};
} // namespace

void installSettingsKeys() {
    static SettingsKeys *keys = nullptr;
    if (!keys) {
        keys = new SettingsKeys(qApp);
        qApp->installEventFilter(keys);
    }
}
