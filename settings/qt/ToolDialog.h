// What both dialogs share: a tool window of fixed size in the dialog font whose controls are
// built on the first show, which shows the settings again whenever it is shown or activated, and
// which Escape closes as its close box does (closing only hides it). Shown, it takes the focus
// on its first field; closed, it hands the focus back to the window the user came from.
#pragma once

#include <QWidget>

#include <utility>
#include <vector>

namespace stormbell {

class ToolDialog : public QWidget {
    Q_OBJECT
public:
    /// Builds the controls; the first show does it, so a dialog never opened costs none of
    /// them. Later calls do nothing.
    void BuildContents();
    void setVisible(bool visible) override;

    /// Every activation: the controls show the current settings.
    virtual void ShowSettings() = 0;
    /// When the dialog closes while it is the active window, the first of `windows` that is
    /// shown becomes the active one.
    void ReturnFocusTo(std::vector<QWidget*> windows) { returnFocus_ = std::move(windows); }

protected:
    ToolDialog(const char* caption, QSize clientSize, QPoint firstPlace, QWidget* parent);

    /// The controls, made once.
    virtual void BuildControls() = 0;
    /// The first control of the dialog's Tab order, focused whenever it is shown.
    virtual QWidget* FirstField() const = 0;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool built_ = false;
    std::vector<QWidget*> returnFocus_;
};

} // namespace stormbell
