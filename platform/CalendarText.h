// The month names every date the gauge writes for a person uses, in English as the design's
// texts are.
#pragma once

namespace stormbell {

/// "Jan" for 0 … "Dec" for 11, as std::tm counts months; another number counts round the year.
inline const char* ShortMonthName(int month) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return kMonths[((month % 12) + 12) % 12];
}

} // namespace stormbell
