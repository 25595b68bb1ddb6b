#include "runtime/picture.h"

#include <QCache>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
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
// Rendered pictures are kept for the next paint, but not all of them: a player who has been
// everywhere would otherwise carry every picture of the game as pixels (16 MB at their own size,
// four times that at double scale). The least recently painted go first. The budget counts logical
// pixels, so a scaled game keeps as many pictures. The style keeps drawn pieces of buttons and
// frames in Qt's shared pixmap cache, which may grow to 10 MB; it is held to 2 MB.
QCache<Key, QPixmap> &cache() {
    static QCache<Key, QPixmap> c(8 * 1024); // kilobytes at 32 bits a logical pixel
    static const bool styleHeld = (QPixmapCache::setCacheLimit(2 * 1024), true);
    Q_UNUSED(styleHeld);
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
    if (const QPixmap *kept = cache().object(key)) return *kept;
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
    cache().insert(key, new QPixmap(pm), qMax(1, int(qint64(size.width()) * size.height() * 4 / 1024)));
    return pm;
}
