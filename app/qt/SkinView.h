// The English or the Metric skin view: shows the skin with its needles. Mouse events pass to the
// window, which drags itself by them.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace stormbell {

class SkinView final : public QWidget {
public:
    /// Paints the picture `source` returns at each paint.
    SkinView(std::function<const QImage&()> source, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<const QImage&()> source_;
};

} // namespace stormbell
