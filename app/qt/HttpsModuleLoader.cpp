#include "app/qt/HttpsModuleLoader.h"

#include "net/LoadedClient.h"
#include "platform/qt/ProgramModule.h"

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
            try {
                entry = reinterpret_cast<CreateHttpsClientEntry>(
                    ResolveModuleEntry(folders, kHttpsModule, kCreateHttpsClientEntry, ""));
            } catch (const std::runtime_error& missing) {
                throw EModuleMissing(missing.what());
            }
        }
        std::string error;
        std::unique_ptr<ReportClient> client(entry(&bounds, &error));
        if (client == nullptr)
            throw std::runtime_error(error);
        return client;
    };
}

ClientLimits WithHttpsModule(ClientLimits limits) {
    if (!limits.MakeHttps)
        limits.MakeHttps = HttpsFromModule(ProgramModuleFolders());
    return limits;
}

} // namespace stormbell
