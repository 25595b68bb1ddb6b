#include "runtime/scale.h"

#include <QtGui/private/qhighdpiscaling_p.h>

namespace {
constexpr qreal kFactors[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
constexpr QSizeF kGameWindow(445, 453);
constexpr qreal kShareOfScreen = 0.7;
} // namespace

qreal Scale::choose(QSizeF available) {
    qreal best = 1;
    for (qreal f : kFactors)
        if (kGameWindow.width() * f <= available.width() * kShareOfScreen &&
            kGameWindow.height() * f <= available.height() * kShareOfScreen)
            best = f;
    return best;
}

std::optional<qreal> Scale::decide(std::optional<qreal> option, bool environmentScales, QSizeF available) {
    if (option) return option;
    if (environmentScales) return std::nullopt;
    return choose(available);
}

void Scale::apply(qreal factor) {
    // Qt's own global factor, the one QT_SCALE_FACTOR sets, but chosen after the screen is known.
    QHighDpiScaling::setGlobalFactor(factor);
}
