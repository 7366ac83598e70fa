// The HTTPS module: the libcurl client behind the one C entry point that the gauge resolves on
// its first https:// fetch.
#include "net/HttpsModule.h"

#include <exception>
#include <memory>
#include <type_traits>

#include "net/HttpsClient.h"

extern "C" __attribute__((visibility("default"))) stormbell::ReportClient*
StormbellCreateHttpsClient(const stormbell::HttpsBounds* bounds, std::string* error) {
    using namespace stormbell;
    static_assert(std::is_same_v<decltype(&StormbellCreateHttpsClient), CreateHttpsClientEntry>);
    try {
        auto client = std::make_unique<HttpsClient>();
        client->MaxDownloadSize = bounds->MaxDownloadSize;
        client->IdleTimeout = bounds->IdleTimeout;
        return client.release();
    } catch (const std::exception& failure) {
        *error = failure.what();
        return nullptr;
    }
}
