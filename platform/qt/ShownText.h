// The desktop's side of STORMBELL_TEXT: a text of the core in the user's language.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace stormbell {

/// `english` as the installed catalogues translate it in `context`; itself when none does.
inline QString ShownText(const char* context, const std::string& english) {
    return QCoreApplication::translate(context, english.c_str());
}

} // namespace stormbell
