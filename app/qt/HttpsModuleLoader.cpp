#include "app/qt/HttpsModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <memory>
#include <stdexcept>
#include <utility>

namespace stormbell {

MakeHttpsClient HttpsFromModule(QStringList folders) {
    // Shared by the copies of the maker, so the module is looked for until found, then kept.
    auto found = std::make_shared<CreateHttpsClientEntry>(nullptr);
    return [folders = std::move(folders), found](const HttpsBounds& bounds) {
        CreateHttpsClientEntry& entry = *found;
        if (entry == nullptr) {
            QString failures;
            for (const QString& folder : folders) {
                // QLibrary leaves the module loaded when it goes.
                QLibrary module(QDir(folder).filePath(kHttpsModule));
                entry = reinterpret_cast<CreateHttpsClientEntry>(
                    module.resolve(kCreateHttpsClientEntry));
                if (entry != nullptr)
                    break;
                failures += "\n" + module.errorString();
            }
            if (entry == nullptr)
                throw std::runtime_error("its module is not installed:" + failures.toStdString());
        }
        std::string error;
        std::unique_ptr<ReportClient> client(entry(&bounds, &error));
        if (client == nullptr)
            throw std::runtime_error(error);
        return client;
    };
}

QStringList HttpsModuleFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir(program).filePath(STORMBELL_MODULE_DIR)};
}

ClientLimits WithHttpsModule(ClientLimits limits) {
    if (!limits.MakeHttps)
        limits.MakeHttps = HttpsFromModule(HttpsModuleFolders());
    return limits;
}

} // namespace stormbell
