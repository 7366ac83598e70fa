// The program's own modules (printing, HTTPS), loaded with QLibrary when first needed, so that
// their libraries are mapped only by a gauge that uses them.
#pragma once

#include <QStringList>

#include <string>

namespace stormbell {

/// Where the program looks for its modules: beside itself (a build tree), then where they are
/// installed relative to the program.
QStringList ProgramModuleFolders();

/// The function `entry` of the module file `fileName` in the first of `folders` that holds it;
/// the module stays loaded. Throws std::runtime_error with `failure` and what each folder gave
/// when none does.
QFunctionPointer ResolveModuleEntry(const QStringList& folders, const QString& fileName,
                                    const char* entry, const std::string& failure);

} // namespace stormbell
