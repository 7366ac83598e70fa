#include "settings/qt/ReportPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <stdexcept>
#include <utility>

namespace stormbell {

ModulePrinting::ModulePrinting(QStringList folders) : folders_(std::move(folders)) {}

bool ModulePrinting::Print(QWidget* parent, const std::string& heading,
                           const std::vector<std::string>& lines) {
    if (entry_ == nullptr) {
        QString failures;
        for (const QString& folder : folders_) {
            // QLibrary leaves the module loaded when it goes.
            QLibrary module(QDir(folder).filePath(kPrintModule));
            entry_ = reinterpret_cast<PrintReportEntry>(module.resolve(kPrintReportEntry));
            if (entry_ != nullptr)
                break;
            failures += "\n" + module.errorString();
        }
        if (entry_ == nullptr)
            throw std::runtime_error("Cannot load the print support:" + failures.toStdString());
    }
    std::string error;
    const int result = entry_(parent, &heading, &lines, &error);
    if (result == kFailed)
        throw std::runtime_error(error);
    return result == kPrinted;
}

QStringList PrintModuleFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir(program).filePath(STORMBELL_PRINT_MODULE_DIR)};
}

} // namespace stormbell
