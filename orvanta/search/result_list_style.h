#pragma once

#include <QProxyStyle>

// The result list's entries are a mark box and one line of text. The style's
// margins around both are narrowed, so that the longest entry
// ("المؤمنون :آية 118") fits the list column beside its scroll bar instead of
// losing its verse number.
class ResultListStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ResultListStyle(QObject* owner);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};
