#include "common/rounding.h"

#include <cmath>
#include <limits>

qint64 roundHalfEven(double value) {
    // Written out rather than std::nearbyint, which depends on the floating
    // point rounding mode of the moment.
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result;
    if (diff > 0.5)
        result = floor + 1;
    else if (diff < 0.5)
        result = floor;
    else
        result = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
    return static_cast<qint64>(result);
}

std::optional<qint64> integerDivide(double a, double b) {
    const qint64 divisor = roundHalfEven(b);
    if (divisor == 0)
        return std::nullopt;
    return roundHalfEven(a) / divisor;
}

std::optional<qint16> toInt16(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e9)
        return std::nullopt;
    const double rounded = static_cast<double>(roundHalfEven(value));
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}
