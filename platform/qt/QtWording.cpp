#include "platform/qt/QtWording.h"

#include "platform/ShownText.h"

#include <QCoreApplication>
#include <QDateTime>

namespace stormbell {

namespace {

// The date patterns are texts of their own, so that each catalogue gives its language's order.
const char* PatternOf(DateForm form) {
    switch (form) {
    case DateForm::Time:
        return STORMBELL_TEXT("Dates", "HH:mm");
    case DateForm::DayAndTime:
        return STORMBELL_TEXT("Dates", "MMM d HH:mm");
    case DateForm::DayCommaTime:
        return STORMBELL_TEXT("Dates", "MMM d, HH:mm");
    case DateForm::DayYearCommaTime:
        return STORMBELL_TEXT("Dates", "MMM d, yyyy, HH:mm");
    case DateForm::DayYearAndTime:
        break;
    }
    return STORMBELL_TEXT("Dates", "MMM d, yyyy HH:mm");
}

} // namespace

QtWording::QtWording(const QLocale& locale) : locale_(locale) {
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

std::string QtWording::Text(const char* context, const char* english) const {
    return QCoreApplication::translate(context, english).toStdString();
}

std::string QtWording::Number(const std::string& plain) const {
    bool number = !plain.empty();
    for (std::size_t i = 0; i < plain.size() && number; ++i)
        number =
            (plain[i] >= '0' && plain[i] <= '9') || plain[i] == '.' || (plain[i] == '-' && i == 0);
    if (!number)
        return plain;
    QString shown;
    for (const char c : plain) {
        if (c == '.')
            shown += locale_.decimalPoint();
        else if (c == '-')
            shown += locale_.negativeSign();
        else
            shown += QLatin1Char(c);
    }
    return shown.toStdString();
}

std::string QtWording::Date(const std::tm& local, DateForm form) const {
    if (locale_.language() == QLocale::English || locale_.language() == QLocale::C)
        return EnglishWording().Date(local, form);
    // Day and month wrap as the English form's do, so a damaged field still gives a date.
    const QDate day(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon) % 12 + 1,
                    local.tm_mday >= 1 && local.tm_mday <= 31 ? local.tm_mday : 1);
    const QTime time(local.tm_hour % 24, local.tm_min % 60);
    const QString pattern = QCoreApplication::translate("Dates", PatternOf(form));
    return locale_
        .toString(QDateTime(day.isValid() ? day : QDate(day.year(), day.month(), 1), time), pattern)
        .toStdString();
}

} // namespace stormbell
