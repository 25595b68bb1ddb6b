#include "runtime/snapshot.h"

#include "runtime/control.h"
#include "runtime/mediachannel.h"
#include "runtime/timer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <vector>

namespace {
// One property of one kind of control: its key in the snapshot, the JSON type of its value, and how
// it is read from and written to the control.
struct Property {
    const char *key;
    QJsonValue::Type type;
    QJsonValue (*get)(QObject *);
    void (*set)(QObject *, const QJsonValue &);
    bool (*fits)(const QJsonValue &) = nullptr; // beyond the type; nullptr: every value of the type
};

template <class T> T *as(QObject *o) {
    return static_cast<T *>(o);
}

const Property kVisible{"visible", QJsonValue::Bool,
                        [](QObject *o) -> QJsonValue { return !as<QWidget>(o)->isHidden(); },
                        [](QObject *o, const QJsonValue &v) { as<QWidget>(o)->setVisible(v.toBool()); }};
const Property kEnabled{
    "enabled", QJsonValue::Bool,
    [](QObject *o) -> QJsonValue { return !as<QWidget>(o)->testAttribute(Qt::WA_Disabled); },
    [](QObject *o, const QJsonValue &v) { as<QWidget>(o)->setEnabled(v.toBool()); }};

const std::vector<Property> kControl{
    kVisible,
    kEnabled,
    {"rect", QJsonValue::Array,
     [](QObject *o) -> QJsonValue {
         const Control *c = as<Control>(o);
         return QJsonArray{c->Left(), c->Top(), c->Width(), c->Height()};
     },
     [](QObject *o, const QJsonValue &v) {
         const QJsonArray a = v.toArray();
         as<Control>(o)->setRect({a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()});
     },
     [](const QJsonValue &v) {
         const QJsonArray a = v.toArray();
         return a.size() == 4 &&
                std::all_of(a.begin(), a.end(), [](const QJsonValue &n) { return n.isDouble(); });
     }},
    {"picture", QJsonValue::String, [](QObject *o) -> QJsonValue { return as<Control>(o)->Picture(); },
     [](QObject *o, const QJsonValue &v) { as<Control>(o)->setPicture(v.toString()); }},
    {"tag", QJsonValue::String, [](QObject *o) -> QJsonValue { return as<Control>(o)->Tag; },
     [](QObject *o, const QJsonValue &v) { as<Control>(o)->Tag = v.toString(); }},
    {"dragIcon", QJsonValue::String, [](QObject *o) -> QJsonValue { return as<Control>(o)->DragIcon; },
     [](QObject *o, const QJsonValue &v) { as<Control>(o)->DragIcon = v.toString(); }},
    {"drag", QJsonValue::Bool,
     [](QObject *o) -> QJsonValue { return as<Control>(o)->dragMode == Control::DragMode::Automatic; },
     [](QObject *o, const QJsonValue &v) {
         as<Control>(o)->dragMode = v.toBool() ? Control::DragMode::Automatic : Control::DragMode::Manual;
     }},
    {"cursor", QJsonValue::Double, [](QObject *o) -> QJsonValue { return int(as<Control>(o)->MouseIcon()); },
     [](QObject *o, const QJsonValue &v) { as<Control>(o)->setMouseIcon(CursorKind(v.toInt())); },
     [](const QJsonValue &v) {
         const double n = v.toDouble();
         return n == int(n) && n >= int(CursorKind::None) && n <= int(CursorKind::Crosshair);
     }},
};

const std::vector<Property> kLabel{
    kVisible,
    kEnabled,
    {"caption", QJsonValue::String, [](QObject *o) -> QJsonValue { return as<LabelControl>(o)->Caption(); },
     [](QObject *o, const QJsonValue &v) { as<LabelControl>(o)->setCaption(v.toString()); }},
};

// A button's caption is the game's own text in the player's language, never state.
const std::vector<Property> kButton{kVisible, kEnabled};

const std::vector<Property> kPictureButton{
    kVisible,
    kEnabled,
    {"picture", QJsonValue::String, [](QObject *o) -> QJsonValue { return as<PictureButton>(o)->Picture(); },
     [](QObject *o, const QJsonValue &v) { as<PictureButton>(o)->setPicture(v.toString()); }},
};

const std::vector<Property> kLine{kVisible, kEnabled};

const std::vector<Property> kTimer{
    {"enabled", QJsonValue::Bool, [](QObject *o) -> QJsonValue { return as<Timer>(o)->Enabled(); },
     [](QObject *o, const QJsonValue &v) { as<Timer>(o)->setEnabled(v.toBool()); }},
};

const Property kFile{"file", QJsonValue::String,
                     [](QObject *o) -> QJsonValue { return as<MediaChannel>(o)->FileName; },
                     [](QObject *o, const QJsonValue &v) { as<MediaChannel>(o)->FileName = v.toString(); }};
// An effect is only a moment; music goes on as part of where the player is. It is written before
// the file, which it sets too.
const std::vector<Property> kEffects{kFile};
const std::vector<Property> kMusic{
    {"playing", QJsonValue::String,
     [](QObject *o) -> QJsonValue {
         const MediaChannel *m = as<MediaChannel>(o);
         return m->isSounding() ? m->FileName : QString();
     },
     [](QObject *o, const QJsonValue &v) {
         if (v.toString().isEmpty())
             as<MediaChannel>(o)->setCommand(QStringLiteral("Close"));
         else
             playTrack(as<MediaChannel>(o), v.toString());
     }},
    kFile,
};

const std::vector<Property> *propertiesOf(QObject *o) {
    if (qobject_cast<Control *>(o)) return &kControl;
    if (qobject_cast<LabelControl *>(o)) return &kLabel;
    if (qobject_cast<PictureButton *>(o)) return &kPictureButton;
    if (qobject_cast<ButtonControl *>(o)) return &kButton;
    if (qobject_cast<LineControl *>(o)) return &kLine;
    if (qobject_cast<Timer *>(o)) return &kTimer;
    if (auto *m = qobject_cast<MediaChannel *>(o))
        return m->role() == MediaChannel::Role::Music ? &kMusic : &kEffects;
    return nullptr;
}

// The names of the containers from the window down to the control, as "prezident/Line1".
QString pathOf(const QObject *o, const QWidget *window) {
    QStringList names;
    for (; o && o != window; o = o->parent())
        if (!o->objectName().isEmpty()) names.prepend(o->objectName());
    return names.join(QLatin1Char('/'));
}

// The named controls of the window, each by its name, or by its path where two share a name (the
// game window's cyan line and the line in the president's room are both Line1).
std::vector<std::pair<QString, QObject *>> controlsOf(const QWidget *window) {
    std::vector<std::pair<QString, QObject *>> out;
    QHash<QString, int> uses;
    for (QObject *o : window->findChildren<QObject *>())
        if (!o->objectName().isEmpty() && propertiesOf(o)) {
            out.emplace_back(o->objectName(), o);
            ++uses[o->objectName()];
        }
    for (auto &[name, o] : out)
        if (uses.value(name) > 1) name = pathOf(o, window);
    return out;
}
} // namespace

QJsonObject Snapshot::capture(const QWidget *window) {
    QJsonObject out;
    for (const auto &[name, o] : controlsOf(window)) {
        QJsonObject state;
        for (const Property &p : *propertiesOf(o))
            state.insert(QLatin1String(p.key), p.get(o));
        out.insert(name, state);
    }
    return out;
}

QJsonObject Snapshot::changesSince(const QJsonObject &before, const QWidget *window) {
    QJsonObject out;
    for (const auto &[name, o] : controlsOf(window)) {
        const QJsonObject was = before.value(name).toObject();
        QJsonObject changed;
        for (const Property &p : *propertiesOf(o)) {
            const QJsonValue now = p.get(o);
            if (was.value(QLatin1String(p.key)) != now) changed.insert(QLatin1String(p.key), now);
        }
        if (!changed.isEmpty()) out.insert(name, changed);
    }
    return out;
}

QString Snapshot::apply(QWidget *window, const QJsonObject &state) {
    QHash<QString, QObject *> byName;
    for (const auto &[name, o] : controlsOf(window))
        byName.insert(name, o);
    auto find = [](const std::vector<Property> &props, const QString &key) -> const Property * {
        for (const Property &p : props)
            if (key == QLatin1String(p.key)) return &p;
        return nullptr;
    };
    // First every name and value is checked, so that a bad one changes nothing.
    for (auto it = state.begin(); it != state.end(); ++it) {
        QObject *o = byName.value(it.key());
        if (!o) return QStringLiteral("no control named %1").arg(it.key());
        if (!it.value().isObject()) return QStringLiteral("%1 is not a set of properties").arg(it.key());
        const QJsonObject props = it.value().toObject();
        for (auto p = props.begin(); p != props.end(); ++p) {
            const Property *prop = find(*propertiesOf(o), p.key());
            if (!prop) return QStringLiteral("%1 has no property %2").arg(it.key(), p.key());
            if (p.value().type() != prop->type || (prop->fits && !prop->fits(p.value())))
                return QStringLiteral("%1.%2 cannot be %3")
                    .arg(it.key(), p.key(),
                         QString::fromUtf8(
                             QJsonDocument(QJsonArray{p.value()}).toJson(QJsonDocument::Compact)));
        }
    }
    for (auto it = state.begin(); it != state.end(); ++it) {
        QObject *o = byName.value(it.key());
        const QJsonObject props = it.value().toObject();
        // In the order of the kind's properties, whatever order the file gives them in.
        for (const Property &p : *propertiesOf(o))
            if (props.contains(QLatin1String(p.key))) p.set(o, props.value(QLatin1String(p.key)));
    }
    return {};
}
