// Compares a freshly rendered picture with a committed one, allowing the small per-channel
// differences that Qt's processor-dependent drawing and colour conversions leave on a few pixels.
#pragma once

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace stormbell::testing {

struct ImageTolerance {
    int Channel = 8;     ///< most a channel (0..255, alpha too) may be off by
    double Share = 0.01; ///< most of the pixels that may be off at all
    int Listed = 12;     ///< differing pixels named in a report
};

/// Empty when `fresh` matches `committed` within `tolerance`; otherwise says why, naming the
/// differing pixels (x,y), both colours as #AARRGGBB (not premultiplied) and the largest
/// channel difference of each.
inline std::string ImageDifference(const QImage& fresh, const QImage& committed,
                                   ImageTolerance tolerance = {}) {
    if (fresh.size() != committed.size())
        return QString("size %1x%2, committed %3x%4")
            .arg(fresh.width())
            .arg(fresh.height())
            .arg(committed.width())
            .arg(committed.height())
            .toStdString();
    const QImage a = fresh.convertToFormat(QImage::Format_ARGB32);
    const QImage b = committed.convertToFormat(QImage::Format_ARGB32);
    const auto delta = [](QRgb p, QRgb q) {
        return std::max({std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                         std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
    };
    long differing = 0;
    int largest = 0;
    QString listed;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = delta(p, q);
            if (d == 0)
                continue;
            largest = std::max(largest, d);
            if (differing++ < tolerance.Listed)
                listed += QString("\n  (%1,%2) #%3, committed #%4, off by %5")
                              .arg(x)
                              .arg(y)
                              .arg(p, 8, 16, QChar('0'))
                              .arg(q, 8, 16, QChar('0'))
                              .arg(d);
        }
    const long pixels = static_cast<long>(a.width()) * a.height();
    if (largest <= tolerance.Channel && differing <= tolerance.Share * pixels)
        return {};
    return QString("%1 of %2 pixels differ (at most %3 may, each by at most %4); the largest "
                   "difference is %5:%6")
        .arg(differing)
        .arg(pixels)
        .arg(static_cast<long>(tolerance.Share * pixels))
        .arg(tolerance.Channel)
        .arg(largest)
        .arg(listed)
        .toStdString();
}

} // namespace stormbell::testing
