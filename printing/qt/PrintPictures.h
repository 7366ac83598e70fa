// The pictures of a printout, drawn by the same code as the window and the history window.
#pragma once

#include <QImage>

#include <vector>

#include "history/HistoryReading.h"
#include "history/qt/HistoryChart.h"
#include "platform/Clock.h"
#include "printing/qt/PrintoutSource.h"

namespace stormbell {

/// The face as `look` says, with its needles, cut to the window's shape, at `scale` device
/// pixels per window pixel. Throws what painting the skin throws.
QImage FacePicture(const FaceLook& look, double scale);

/// The history's curves of `readings` (oldest first) within `frame`, at the chart's preferred
/// size and `scale` device pixels per pixel; axis times in `clock`'s local time.
QImage ChartPicture(std::vector<HistoryReading> readings, const ChartFrame& frame,
                    const Clock& clock, double scale);

} // namespace stormbell
