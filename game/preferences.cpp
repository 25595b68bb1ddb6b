#include "game/preferences.h"

#include "game/language.h"
#include "runtime/mediachannel.h"

#include <QLocale>
#include <QSettings>

namespace {
// A slider's percent as a gain: loudness is heard on a curve, so half way sounds like half as loud.
float gainOf(int percent, bool mute) {
    const float share = mute ? 0.0f : float(qBound(0, percent, 100)) / 100.0f;
    return share * share;
}
} // namespace

Preferences Preferences::load() {
    const QSettings s;
    Preferences p;
    p.music = qBound(0, s.value("music", p.music).toInt(), 100);
    p.effects = qBound(0, s.value("effects", p.effects).toInt(), 100);
    p.mute = s.value("mute", p.mute).toBool();
    const QString size = s.value("size", p.size).toString();
    if (size == QLatin1String("auto") || QStringList{"1", "2", "3", "4"}.contains(size)) p.size = size;
    const QString lang = s.value("language", p.language).toString();
    if (lang == QLatin1String("auto") || isKnownLanguage(lang)) p.language = lang;
    return p;
}

void Preferences::store() const {
    QSettings s;
    s.setValue("music", music);
    s.setValue("effects", effects);
    s.setValue("mute", mute);
    s.setValue("size", size);
    s.setValue("language", language);
}

void Preferences::applyVolumes() const {
    MediaChannel::setVolume(MediaChannel::Role::Music, gainOf(music, mute));
    MediaChannel::setVolume(MediaChannel::Role::Effects, gainOf(effects, mute));
}

std::optional<qreal> Preferences::scale() const {
    if (size == QLatin1String("auto")) return std::nullopt;
    return size.toDouble();
}

QString Preferences::spokenLanguage() const {
    return isKnownLanguage(language) ? language : chooseLanguage(QLocale::system().uiLanguages());
}
