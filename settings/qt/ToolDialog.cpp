#include "settings/qt/ToolDialog.h"

#include "settings/qt/FormPlacement.h"

#include <QEvent>
#include <QKeyEvent>

namespace stormbell {

ToolDialog::ToolDialog(const char* caption, QSize clientSize, QPoint firstPlace, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setWindowTitle(tr(caption));
    setFont(DialogFont());
    setFixedSize(clientSize);
    move(firstPlace);
}

void ToolDialog::BuildContents() {
    if (built_)
        return;
    built_ = true;
    BuildControls();
}

void ToolDialog::setVisible(bool visible) {
    if (!visible) {
        const bool wasActive = isActiveWindow();
        QWidget::setVisible(false);
        if (wasActive)
            for (QWidget* window : returnFocus_)
                if (window->isVisible()) {
                    window->raise();
                    window->activateWindow();
                    break;
                }
        return;
    }
    BuildContents();
    QWidget::setVisible(true);
    // Shown from the gauge's keyboard or mouse, a tool window is not always activated by the
    // window system: the user's next key would go to the gauge.
    raise();
    activateWindow();
    FirstField()->setFocus(Qt::ActiveWindowFocusReason);
}

bool ToolDialog::event(QEvent* event) {
    // Showing runs it too: without a window manager a shown dialog may never become active,
    // and a second run on activation finds nothing left to change.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        ShowSettings();
    return QWidget::event(event);
}

void ToolDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace stormbell
