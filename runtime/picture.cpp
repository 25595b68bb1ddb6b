#include "runtime/picture.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {
struct Key {
    QString path;
    QSize size;
    int dprPercent;
    bool operator==(const Key &o) const = default;
};
size_t qHash(const Key &k, size_t seed = 0) {
    return qHashMulti(seed, k.path, k.size.width(), k.size.height(), k.dprPercent);
}
QHash<Key, QPixmap> &cache() {
    static QHash<Key, QPixmap> c;
    return c;
}
QString twinSuffix; // ".en.svg"; empty for the originals
} // namespace

void Picture::setLanguage(const QString &lang) {
    twinSuffix = lang == QLatin1String("cs") ? QString() : QStringLiteral(".%1.svg").arg(lang);
}

QString Picture::resolve(const QString &path) {
    if (twinSuffix.isEmpty() || !path.endsWith(QLatin1String(".svg"))) return path;
    const QString twin = path.chopped(4) + twinSuffix;
    return QFile::exists(twin) ? twin : path;
}

QSize Picture::naturalSize(const QString &picture) {
    const QString path = resolve(picture);
    static QHash<QString, QSize> sizes;
    auto it = sizes.find(path);
    if (it != sizes.end()) return *it;
    QSvgRenderer r(path);
    QSize s = r.isValid() ? r.viewBoxF().size().toSize() : QSize();
    sizes.insert(path, s);
    return s;
}

QPixmap Picture::render(const QString &picture, QSize size, qreal dpr) {
    const QString path = resolve(picture);
    if (path.isEmpty() || size.isEmpty()) return {};
    Key key{path, size, int(dpr * 100 + 0.5)};
    auto it = cache().find(key);
    if (it != cache().end()) return *it;
    QPixmap pm;
    QSvgRenderer r(path);
    if (r.isValid()) {
        pm = QPixmap(QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        r.render(&p);
        p.end();
        pm.setDevicePixelRatio(dpr);
    }
    cache().insert(key, pm);
    return pm;
}
