// The gauge's HTTPS client comes from its module, loaded with QLibrary on the first https://
// fetch, so that a gauge fetching only over FTP never maps libcurl and its TLS libraries.
#pragma once

#include <QStringList>

#include "app/CycleSession.h"

namespace stormbell {

/// Makes the client through the module in the first of `folders` that holds it, loaded on the
/// first call and kept loaded; throws std::runtime_error naming what was tried when none does.
MakeHttpsClient HttpsFromModule(QStringList folders);

/// `limits`, with the client from the module in ProgramModuleFolders unless they name a maker.
ClientLimits WithHttpsModule(ClientLimits limits);

} // namespace stormbell
