// What both dialogs share: a tool window in the dialog font whose controls are built on the first
// show and laid out by Qt's layouts, fixed at the size they ask for (never below the design's),
// so it grows with the font and the language. It shows the settings again whenever it is shown
// or activated, marks the focus, and Escape closes it as its close box does (closing only hides
// it). Shown, it takes the focus on its first field; closed, it hands the focus back to the
// window the user came from.
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
    /// `smallest` is the design's client size, the least the dialog is given.
    ToolDialog(const QString& caption, QSize smallest, QPoint firstPlace, QWidget* parent);

    /// The controls and the dialog's layout, made once.
    virtual void BuildControls() = 0;
    /// The first control of the dialog's Tab order, focused whenever it is shown.
    virtual QWidget* FirstField() const = 0;
    /// Gives the controls that show rows of text (lists, fields) their design's sizes times
    /// FontScale as minimums; runs when they are built and whenever the font changes.
    virtual void SizeToFont() = 0;
    /// How much taller the font's lines are than the design's 13 pixels; at least 1.
    double FontScale() const;

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// Fixes the size at the least the layout needs, at least `smallest_`: the controls' own
    /// minimums hold their captions whole.
    void FitToContents();

    QSize smallest_;
    bool built_ = false;
    std::vector<QWidget*> returnFocus_;
};

} // namespace stormbell
