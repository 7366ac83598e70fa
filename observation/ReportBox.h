// The options dialog's report box (Memo1), where a fetched report is shown and the decoder reads
// its lines.
#pragma once

#include <string>
#include <vector>

namespace stormbell {

class ReportBox {
public:
    virtual ~ReportBox() = default;
    /// Replaces the box's text by `bytes`, split into lines at CR LF, LF or CR.
    virtual void LoadReport(const std::string& bytes) = 0;
    /// The box's lines, as the decoder reads them.
    virtual std::vector<std::string> Lines() const = 0;
};

} // namespace stormbell
