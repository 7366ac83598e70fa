// The desktop's wording of the core's texts: the installed catalogues' words, and numbers and
// dates in the forms of a locale.
#pragma once

#include "platform/Wording.h"

#include <QLocale>

namespace stormbell {

class QtWording final : public Wording {
public:
    /// Numbers and dates in `locale`'s forms. An English or C locale keeps the core's English
    /// dates, so that everything there reads as the core writes it.
    explicit QtWording(const QLocale& locale = QLocale());
    std::string Text(const char* context, const char* english) const override;
    std::string Number(const std::string& plain) const override;
    std::string Date(const std::tm& local, DateForm form) const override;

private:
    QLocale locale_;
};

} // namespace stormbell
