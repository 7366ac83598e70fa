// What one printout holds: its heading, the report's lines and the pictures below them.
#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace stormbell {

struct Printout {
    std::vector<std::string> Heading; ///< UTF-8 lines atop every page
    std::vector<std::string> Lines;   ///< the report, single-byte text
    std::vector<QImage> Pictures;     ///< below the report, each at most the page's width
};

} // namespace stormbell
