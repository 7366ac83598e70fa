// The HTTPS client as a module that a program loads on its first https:// fetch, so that a gauge
// fetching only over FTP never maps libcurl and its TLS libraries: the module's name and entry.
#pragma once

#include <cstddef>
#include <string>

#include "net/ReportClient.h"

namespace stormbell {

/// What a session sets on its HTTPS client.
struct HttpsBounds {
    std::size_t MaxDownloadSize = 0; ///< largest body taken into Report
    int IdleTimeout = 0;             ///< milliseconds the server may stay silent
};

/// The module's entry point: a new HTTPS client within `bounds`, which the caller owns, or
/// nullptr with `error` saying why. Nothing thrown crosses the call.
using CreateHttpsClientEntry = ReportClient* (*)(const HttpsBounds* bounds, std::string* error);
inline constexpr const char* kCreateHttpsClientEntry = "StormbellCreateHttpsClient";
inline constexpr const char* kHttpsModule = "stormbell-https";

} // namespace stormbell
