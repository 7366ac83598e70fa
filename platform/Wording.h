// The words and number and date forms of the texts the core puts together for a person to read.
// The core's own wording is English in the C locale's forms, so the cli, the log and the tests
// read the same bytes whatever the user's locale; the desktop's looks its texts up in the
// catalogues and writes numbers and dates as the user's locale does.
#pragma once

#include <ctime>
#include <initializer_list>
#include <string>

namespace stormbell {

/// How much of a local time a text gives; the English forms are shown beside each.
enum class DateForm {
    Time,             ///< "14:07"
    DayAndTime,       ///< "Mar 5 14:07"
    DayCommaTime,     ///< "Mar 5, 14:07"
    DayYearAndTime,   ///< "Mar 5, 2026 14:07"
    DayYearCommaTime, ///< "Mar 5, 2026, 14:07"
};

class Wording {
public:
    virtual ~Wording() = default;
    /// `english`, a STORMBELL_TEXT of `context`, in the reader's language; itself when
    /// untranslated.
    virtual std::string Text(const char* context, const char* english) const = 0;
    /// `plain`, a decimal number as the C locale writes it ("-19.4", "1013"), in the reader's form
    /// ("-19,4"); other text comes back as it is.
    virtual std::string Number(const std::string& plain) const = 0;
    /// `local` in `form`, in the reader's words; an out-of-range field is wrapped, never thrown.
    virtual std::string Date(const std::tm& local, DateForm form) const = 0;
};

/// The core's English, in the C locale's forms.
class EnglishWording : public Wording {
public:
    std::string Text(const char* context, const char* english) const override;
    std::string Number(const std::string& plain) const override;
    std::string Date(const std::tm& local, DateForm form) const override;
};

/// One shared EnglishWording, for the callers that take a Wording by default.
const Wording& English();

/// `pattern` with %1 ... %9 replaced by `args` in their order; a marker without its argument, and
/// any other %, stays as it is. Translations may move the markers.
std::string Fill(const std::string& pattern, std::initializer_list<std::string> args);

/// The texts of one context through one wording, as a unit's texts share their context.
class Words {
public:
    Words(const Wording& wording, const char* context) : wording_(wording), context_(context) {}
    /// The text of `english` in the bound context.
    std::string operator()(const char* english) const { return wording_.Text(context_, english); }
    /// The text of `pattern`, filled with `args`.
    std::string operator()(const char* pattern, std::initializer_list<std::string> args) const {
        return Fill(wording_.Text(context_, pattern), args);
    }
    /// `singular` for a count of one, `plural` otherwise, filled with the count.
    std::string Count(long long count, const char* singular, const char* plural) const;
    const Wording& Forms() const { return wording_; }

private:
    const Wording& wording_;
    const char* context_;
};

} // namespace stormbell
