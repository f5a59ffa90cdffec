// The toy's hot paths, each beside its floor or its peer where one exists.
// Images are prepared outside the timed region.
#include "app/error_report.h"
#include "app/form1.h"
#include "app/picbox.h"
#include "app/qt_save_dialog.h"
#include "common/runtime_error.h"
#include "export/picture.h"
#include "font/clogfont.h"
#include "font/qt_font_service.h"
#include "paint/flower.h"
#include "paint/numbering.h"
#include "paint/place.h"
#include "paint/random.h"
#include "speech/speaker.h"
#include "surface/canvas.h"
#include "surface/floodfill.h"
#include "surface/raster.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstring>
#include <opencv2/imgproc.hpp>

#include <benchmark/benchmark.h>

using namespace qimbora;

namespace {

const QSize kCanvas(1122, 693);
const QPoint kCenter(561, 346);
const Color kBack = rgbColor(0, 0, 64);
const Color kPetal = rgbColor(250, 120, 0);

QImage blank()
{
    QImage image(kCanvas, QImage::Format_RGB32);
    image.fill(toPixel(kBack));
    return image;
}

QImage circleOutline()
{
    QImage image = blank();
    raster::drawCircle(image, kCenter, 150, {2, toPixel(kPetal)}, std::nullopt);
    return image;
}

// The same picture as OpenCV's three-channel 8-bit image, the form its fill takes.
cv::Mat toMat(const QImage& image)
{
    cv::Mat bgra(image.height(), image.width(), CV_8UC4, const_cast<uchar*>(image.constBits()),
                 size_t(image.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(bgra, bgr, cv::COLOR_BGRA2BGR);
    return bgr;
}

class NoReport final : public ErrorReport {
public:
    void report(QWidget*, const QString&) override {}
};

void BM_MemsetCanvas(benchmark::State& state)
{
    QImage image = blank();
    std::uint32_t value = 0;
    for (auto _ : state) {
        image.fill(++value);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The whole-canvas fill's floor: every pixel read, compared with the border
// and written, in the plainest loop, on the same picture in the same run.
void BM_ReadCompareWrite(benchmark::State& state)
{
    const QImage start = blank();
    QImage image = start.copy();
    const std::uint32_t border = toPixel(kPetal);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(image.bits(), start.constBits(), size_t(start.sizeInBytes()));
        state.ResumeTiming();
        auto* pixel = reinterpret_cast<std::uint32_t*>(image.bits());
        const auto* end = pixel + image.sizeInBytes() / 4;
        for (; pixel != end; ++pixel)
            *pixel = *pixel != border ? border ^ 1 : *pixel;
        benchmark::DoNotOptimize(image.constBits());
    }
}

void ourFill(benchmark::State& state, const QImage& start)
{
    QImage image = start.copy();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(image.bits(), start.constBits(), size_t(start.sizeInBytes()));
        state.ResumeTiming();
        raster::floodFill(image, kCenter, toPixel(kPetal), toPixel(kPetal));
        benchmark::DoNotOptimize(image.constBits());
    }
}

void peerFill(benchmark::State& state, const QImage& start)
{
    const cv::Mat original = toMat(start);
    cv::Mat image = original.clone();
    for (auto _ : state) {
        state.PauseTiming();
        original.copyTo(image);
        state.ResumeTiming();
        cv::floodFill(image, cv::Point(kCenter.x(), kCenter.y()), cv::Scalar(0, 120, 250), nullptr,
                      cv::Scalar(), cv::Scalar(), 4);
        benchmark::DoNotOptimize(image.data);
    }
}

void BM_FillWholeCanvas(benchmark::State& state) { ourFill(state, blank()); }
void BM_OpenCvFloodFill(benchmark::State& state) { peerFill(state, blank()); }
void BM_FillCircle(benchmark::State& state) { ourFill(state, circleOutline()); }
void BM_OpenCvFillCircle(benchmark::State& state) { peerFill(state, circleOutline()); }

void paintFlowers(benchmark::State& state, int petals, const char* pattern = "6")
{
    Canvas canvas(kCanvas, kBack);
    for (auto _ : state) {
        state.PauseTiming();
        canvas.setBackColor(kBack);
        state.ResumeTiming();
        Flower flower{kCenter.x(), kCenter.y(), 170, 0, petals, 0, kPetal, rgbColor(20, 20, 200)};
        try {
            PaintFlower(canvas, pattern, flower);
        } catch (const RuntimeError&) {
            // The largest count ends with the counter's overflow, after every petal.
        }
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

void BM_PaintFlower(benchmark::State& state) { paintFlowers(state, 22); }
void BM_PetalLoop(benchmark::State& state) { paintFlowers(state, int(state.range(0))); }
// The most petals a flower completes with, at many-digit patterns: every petal
// differs from the one before, and rare petals are found only by looking for them.
void BM_Pattern(benchmark::State& state, const char* pattern) { paintFlowers(state, 2147483646, pattern); }

void BM_TenFlowers(benchmark::State& state)
{
    Canvas canvas(kCanvas, kBack);
    for (auto _ : state) {
        state.PauseTiming();
        canvas.setBackColor(kBack);
        Pcg32 random;
        state.ResumeTiming();
        Command1_Click({canvas, random, "22", "6"}, 1);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}

void BM_PrintNumber(benchmark::State& state)
{
    QtFontService fonts;
    Canvas canvas(kCanvas, kBack, &fonts);
    auto numberFont = NumberingSetup(fonts, makeSongFont(15.75));
    HScroll1_Change(*numberFont, 45);
    Pcg32 random;
    std::int16_t count = 0;
    for (auto _ : state) {
        if (count == 32766)
            count = 0;
        benchmark::DoNotOptimize(Pic_MouseUp(canvas, random, *numberFont, count, 500, 300));
    }
}

void BM_SaveBitmap(benchmark::State& state)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("canvas.bmp")).toStdString();
    const QImage image = circleOutline();
    for (auto _ : state)
        SavePicture(image, path);
}

// Saving's floor: the same bytes, already encoded, written and committed the same way.
void BM_SaveFloor(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("canvas.bmp"));
    SavePicture(circleOutline(), path.toStdString());
    QFile encoded(path);
    encoded.open(QIODevice::ReadOnly);
    const QByteArray bytes = encoded.readAll();
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        if (!file.commit())
            state.SkipWithError("cannot write");
    }
}

// Counts the canvas widget's repaints.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void BM_PressToScreen(benchmark::State& state)
{
    Pcg32 random;
    NoReport report;
    QtFontService fonts;
    QtSaveDialog dialog;
    Silence speaker;
    Form1 form({random, report, fonts, dialog, speaker});
    form.show();
    QApplication::processEvents();
    PicBox& pic = form.pic();
    PaintCounter counter;
    pic.installEventFilter(&counter);
    const QPointF at(402, 302);
    for (auto _ : state) {
        const int before = counter.paints;
        QMouseEvent press(QEvent::MouseButtonPress, at, pic.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&pic, &press);
        while (counter.paints == before)
            QApplication::processEvents();
        state.PauseTiming();
        QMouseEvent release(QEvent::MouseButtonRelease, at, pic.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&pic, &release);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_MemsetCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadCompareWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillWholeCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCvFloodFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillCircle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCvFillCircle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintFlower)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TenFlowers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PressToScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PetalLoop)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Arg(100000000)
    ->Arg(2147483647)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pattern, 77777, "77777")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pattern, 1234567890, "1234567890")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pattern, 99999999999, "99999999999")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pattern, 123456789012, "123456789012")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pattern, 1e12, "1e12")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pattern, 1234567890123, "1234567890123")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pattern, 1e16, "1e16")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintNumber)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveBitmap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFloor)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
