#include "app/QtStatusLine.h"

#include <QWidget>

namespace stormbell {

void QtStatusLine::SetStatus(const std::string& text) {
    window_.setWindowTitle(QString::fromStdString(text));
}

} // namespace stormbell
