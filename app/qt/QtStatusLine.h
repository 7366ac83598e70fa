// The status line as the window's title, which is what the Linux task bars show for it.
#pragma once

#include "platform/StatusLine.h"

#include <QString>

class QWidget;

namespace stormbell {

class QtStatusLine final : public StatusLine {
public:
    /// Titles `window`, which must outlive the status line.
    explicit QtStatusLine(QWidget& window) : window_(window) {}
    /// The window's title becomes `text`; its native window, which the task bar shows, is titled
    /// TaskBarTitle(text).
    void SetStatus(const std::string& text) override;

    /// "Completed — Stormbell": the status, then the application's name; the name alone for an
    /// empty status.
    static QString TaskBarTitle(const QString& status);

private:
    QWidget& window_;
};

} // namespace stormbell
