// What one pointer move of a stroke costs: a disc stamped, the canvas
// snapshotted into a new ByteSet, the previous one freed, the new one copied,
// decoded and cut into the picture button's shape. Run with ./dev bench.
#include "assets/constant_pool.h"
#include "form/bmp_codec.h"
#include "form/operations.h"
#include "form/pic_btn.h"
#include "form/runtime.h"
#include "form/shape.h"
#include "form/start_window_form.h"
#include "reveal/handlers.h"
#include "reveal/state.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace form::start;

// The real program without a screen: the start window loaded from its form
// with the program's handlers bound, the window never shown.
class Program {
public:
    Program()
    {
        const form::WindowForm* forms[] = {&startWindowForm()};
        m_runtime.initialise(forms, reveal::bindings(), assets::constantPool());
        m_runtime.setExitRoutine(&reveal::onProgramExit);
        m_runtime.loadWindow(windowId, false);
        // The hint would open a box in the middle of a measurement.
        form::writeProperty(windowId, hintTimer, form::property::timerPeriod, 0);
    }
    ~Program()
    {
        m_runtime.shutdown();
        reveal::isSmearing = 0;
    }

    // Lays both layers over a canvas `scale` times the window's width and height.
    void scale(int factor)
    {
        form::moveControl(windowId, canvas, 0, 0, 354 * factor, 692 * factor);
        form::moveControl(windowId, pictureButton, 0, 0, 354 * factor, 692 * factor);
    }

private:
    form::Runtime m_runtime;
};

// A zig-zag over the whole canvas, so discs pile up as in a real scribble.
struct ZigZag {
    int width, height;
    int step = 0;
    QPoint next()
    {
        const int across = width - 20;
        const int x = 10 + (step * 7) % (2 * across);
        const int y = 10 + (step / 40 * 9) % (height - 20);
        ++step;
        return {x <= across ? x : 2 * across - x, y};
    }
};

// The pointer moves `moves` times along the path while a stroke is on.
void smear(ZigZag& path, int moves)
{
    for (int i = 0; i < moves; ++i) {
        const QPoint p = path.next();
        reveal::onCanvasMouseMoved(p.x(), p.y(), 0);
    }
}

void BM_SmearMove(benchmark::State& state)
{
    Program program;
    const int factor = int(state.range(0));
    program.scale(factor);
    ZigZag path {354 * factor, 692 * factor};
    reveal::isSmearing = 1;
    std::int64_t moves = 0;
    for (auto _ : state) {
        const QPoint p = path.next();
        reveal::onCanvasMouseMoved(p.x(), p.y(), 0);
        // A fresh cover every few thousand moves, as a replay would give.
        if (++moves % 4096 == 0) {
            state.PauseTiming();
            reveal::onReplayClicked();
            state.ResumeTiming();
        }
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(reveal::revealSnapshot.data().size()));
    state.counters["pixels"] = double(354 * factor) * (692 * factor);
}
BENCHMARK(BM_SmearMove)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_ShapeFromPicture(benchmark::State& state)
{
    Program program;
    reveal::isSmearing = 1;
    ZigZag path {354, 692};
    smear(path, 2000);
    const QImage picture = *form::decodeBmp(reveal::revealSnapshot.data());
    for (auto _ : state) {
        const QRegion shape = form::regionFromBands(form::opaqueRects(picture, 0));
        benchmark::DoNotOptimize(shape.rectCount());
    }
}
BENCHMARK(BM_ShapeFromPicture)->Unit(benchmark::kMicrosecond);

void BM_CopySnapshotBytes(benchmark::State& state)
{
    constexpr std::size_t snapshotBytes = 736350;
    std::vector<char> from(snapshotBytes, 1);
    std::vector<char> to(snapshotBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), snapshotBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(snapshotBytes));
}
BENCHMARK(BM_CopySnapshotBytes)->Unit(benchmark::kMicrosecond);

// Peak resident memory so far, from the kernel's own accounting.
std::int64_t peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtoll(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// One long stroke must hold one snapshot at a time: the peak after 100 000
// moves stays within 1 MiB of the peak after 1 000.
void BM_LongStrokePeakMemory(benchmark::State& state)
{
    for (auto _ : state) {
        Program program;
        reveal::isSmearing = 1;
        ZigZag path {354, 692};
        smear(path, 1000);
        const std::int64_t early = peakResidentKiB();
        smear(path, 99000);
        const std::int64_t late = peakResidentKiB();
        state.counters["peak_after_1k_KiB"] = double(early);
        state.counters["peak_after_100k_KiB"] = double(late);
        state.counters["growth_KiB"] = double(late - early);
        if (late - early > 1024)
            state.SkipWithError("peak memory grew by more than 1 MiB over a long stroke");
    }
}
BENCHMARK(BM_LongStrokePeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
