// What both dialogs share: a tool window of fixed size in the dialog font whose controls are
// built on the first show, which shows the settings again whenever it is shown or activated, and
// which Escape closes as its close box does (closing only hides it).
#pragma once

#include <QWidget>

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

protected:
    ToolDialog(const char* caption, QSize clientSize, QPoint firstPlace, QWidget* parent);

    /// The controls, made once.
    virtual void BuildControls() = 0;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool built_ = false;
};

} // namespace stormbell
