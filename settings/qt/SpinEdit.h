// A numeric text field with up and down buttons that, unlike QSpinBox, accepts any typing: the
// value is read from the text when asked for and corrected only when the field is left.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace stormbell {

class SpinEdit final : public QWidget {
    Q_OBJECT
public:
    /// A field holding `value` (clamped) that keeps values in `minimum`..`maximum`.
    SpinEdit(int minimum, int maximum, int value, QWidget* parent = nullptr);

    /// The text read as an integer; a text that is not one reads as the minimum.
    int value() const;
    /// Shows `value` clamped to the limits (unless they are equal); emits changed() when the
    /// text changes.
    void setValue(int value);
    /// The field the user types into.
    QLineEdit* lineEdit() const { return edit_; }
    /// Room for the longest value and the buttons, in the current font.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    /// Every change of the text, by typing, the buttons or setValue.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int Clamped(long long value) const;
    int ButtonWidth() const;
    void Step(int delta);
    void CorrectOnLeave();

    int minimum_;
    int maximum_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace stormbell
