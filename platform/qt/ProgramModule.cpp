#include "platform/qt/ProgramModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <stdexcept>

namespace stormbell {

QStringList ProgramModuleFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir(program).filePath(STORMBELL_MODULE_DIR)};
}

QFunctionPointer ResolveModuleEntry(const QStringList& folders, const QString& fileName,
                                    const char* entry, const std::string& failure) {
    QString failures;
    for (const QString& folder : folders) {
        // QLibrary leaves the module loaded when it goes.
        QLibrary module(QDir(folder).filePath(fileName));
        if (const QFunctionPointer found = module.resolve(entry))
            return found;
        failures += "\n" + module.errorString();
    }
    throw std::runtime_error(failure + failures.toStdString());
}

} // namespace stormbell
