// minimal_window: the smallest comparable Qt program for window_bench.py, a frameless
// 475 x 256 window that paints one image, reporting its first frame as the gauge does.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class ImageWindow final : public QWidget {
public:
    ImageWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setFixedSize(475, 256);
        image_.fill(QColor(0x40, 0x00, 0x40));
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(84, 80), 65, 65);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).drawImage(0, 0, image_);
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stderr, "painted yardstick %lld\n",
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    }

private:
    QImage image_{475, 257, QImage::Format_ARGB32_Premultiplied};
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ImageWindow window;
    window.move(213, 102);
    window.show();
    return QApplication::exec();
}
