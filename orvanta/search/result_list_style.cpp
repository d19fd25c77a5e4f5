#include "orvanta/search/result_list_style.h"

ResultListStyle::ResultListStyle(QObject* owner) {
    setParent(owner);
}

int ResultListStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (metric == PM_FocusFrameHMargin)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
