// The yardstick: a minimal Qt 6 Widgets program. Without arguments it shows one plain window
// the size of the title screen and waits, for its start-up and memory to be measured. With
// --measure it times, on the same display, what the program's own figures are compared with:
// a window of 800 by 600 opened and painted, a label's text changed and repainted (a tick),
// a label moved and repainted (a drag move), a line drawn and repainted (a stroke segment).
// Prints one "name microseconds" line per figure, the median of many runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class PaintCounter : public QWidget {
  public:
    int painted = 0;
    QImage surface;

  protected:
    void paintEvent(QPaintEvent*) override {
        ++painted;
        QPainter p(this);
        p.fillRect(rect(), QColor(49, 135, 215));
        if (!surface.isNull()) p.drawImage(0, 0, surface);
    }
};

void waitForPaint(PaintCounter& w, int before) {
    QElapsedTimer limit;
    limit.start();
    while (w.painted == before && limit.elapsed() < 2000) QApplication::processEvents();
}

double medianMicroseconds(int runs, const std::function<void()>& once) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        once();
        times.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || QString(argv[1]) != "--measure") {
        QWidget w;
        w.resize(364, 445);
        w.show();
        return QApplication::exec();
    }

    std::printf("open %.1f\n", medianMicroseconds(30, [] {
                    PaintCounter w;
                    w.resize(800, 600);
                    w.show();
                    waitForPaint(w, 0);
                }));

    PaintCounter window;
    window.resize(800, 600);
    auto* label = new QLabel("Correct!  Well Done", &window);
    label->setGeometry(300, 400, 200, 40);
    window.show();
    waitForPaint(window, 0);
    int n = 0;
    std::printf("tick %.1f\n", medianMicroseconds(200, [&] {
                    label->setText(++n % 2 ? "Wrong, Try Again" : "Correct!  Well Done");
                    QApplication::processEvents();
                }));
    std::printf("drag %.1f\n", medianMicroseconds(200, [&] {
                    const bool odd = ++n % 2;
                    label->move(odd ? 330 : 300, odd ? 425 : 400);
                    QApplication::processEvents();
                }));
    window.surface = QImage(800, 600, QImage::Format_ARGB32_Premultiplied);
    window.surface.fill(Qt::transparent);
    std::printf("stroke %.1f\n", medianMicroseconds(200, [&] {
                    const int x = 20 * (++n % 38);
                    QPainter p(&window.surface);
                    p.setPen(QPen(Qt::yellow, 3));
                    p.drawLine(x, 100, x + 20, n % 2 ? 120 : 100);
                    window.update(QRect(x - 2, 98, 26, 26));
                    QApplication::processEvents();
                }));
    return 0;
}
