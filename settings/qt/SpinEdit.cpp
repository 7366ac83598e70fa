#include "settings/qt/SpinEdit.h"

#include "platform/TextConvert.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace stormbell {
namespace {

constexpr int kButtonWidth = 15; // at least; the buttons widen with the font

std::optional<std::int32_t> ReadInt(const QLineEdit* edit) {
    return TryStrToInt(edit->text().toStdString());
}

} // namespace

SpinEdit::SpinEdit(int minimum, int maximum, int value, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), edit_(new QLineEdit(this)),
      up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setObjectName("up");
    down_->setObjectName("down");
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(tr("Increase"));
    down_->setAccessibleName(tr("Decrease"));
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    setFocusProxy(edit_);
    setFocusPolicy(Qt::StrongFocus);
    edit_->setText(QString::number(Clamped(value)));
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, &SpinEdit::changed);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

int SpinEdit::value() const {
    return ReadInt(edit_).value_or(minimum_);
}

void SpinEdit::setValue(int value) {
    // QLineEdit signals textChanged only when the text really differs.
    edit_->setText(QString::number(Clamped(value)));
}

int SpinEdit::Clamped(long long value) const {
    if (minimum_ == maximum_)
        return static_cast<int>(value);
    return static_cast<int>(std::clamp<long long>(value, minimum_, maximum_));
}

void SpinEdit::Step(int delta) {
    setValue(Clamped(static_cast<long long>(value()) + delta));
}

void SpinEdit::CorrectOnLeave() {
    // A text that is no number is left for the user to mend.
    if (const auto typed = ReadInt(edit_); typed && Clamped(*typed) != *typed)
        setValue(*typed);
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::FocusOut)
            CorrectOnLeave();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                Step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

int SpinEdit::ButtonWidth() const {
    return std::max(kButtonWidth, fontMetrics().height());
}

QSize SpinEdit::sizeHint() const {
    // The field's own frame and margins, as its smallest hint has them, around the digits.
    const QSize field = edit_->minimumSizeHint();
    const int digits = fontMetrics().horizontalAdvance(QString::number(maximum_));
    return {field.width() + digits + ButtonWidth(), edit_->sizeHint().height()};
}

void SpinEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int buttonsLeft = width() - ButtonWidth();
    const int upHeight = height() / 2;
    edit_->setGeometry(0, 0, buttonsLeft, height());
    up_->setGeometry(buttonsLeft, 0, ButtonWidth(), upHeight);
    down_->setGeometry(buttonsLeft, upHeight, ButtonWidth(), height() - upHeight);
}

} // namespace stormbell
