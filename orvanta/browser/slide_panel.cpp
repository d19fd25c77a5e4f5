#include "orvanta/browser/slide_panel.h"

#include "common/twips_geometry.h"
#include "orvanta/browser/build_runner.h"

#include <QElapsedTimer>

namespace {

constexpr double kSlideStop = 30; // twips from the top

} // namespace

bool SlidePanel(BuildRunner* builds, QWidget* panel, double step, qint64 milliseconds,
                const std::function<void()>& eachStep) {
    QElapsedTimer clock;
    clock.start();
    do {
        if (!builds->Yield())
            return false;
        if (const double top = twipsTop(panel); top > kSlideStop)
            setTwipsTop(panel, top - step);
        eachStep();
    } while (clock.elapsed() < milliseconds);
    return true;
}
