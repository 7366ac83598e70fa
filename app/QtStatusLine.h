// The status line as the window's title, which is what the Linux task bars show for it.
#pragma once

#include "platform/StatusLine.h"

class QWidget;

namespace stormbell {

class QtStatusLine final : public StatusLine {
public:
    /// Titles `window`, which must outlive the status line.
    explicit QtStatusLine(QWidget& window) : window_(window) {}
    /// The window's title becomes `text`; the task bar adds the program's name after it.
    void SetStatus(const std::string& text) override;

private:
    QWidget& window_;
};

} // namespace stormbell
