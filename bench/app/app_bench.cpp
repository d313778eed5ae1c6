// The main window on a large photo (support/benchphoto.h), on the offscreen platform:
//   BM_Memory            what the process holds for the photo and its sketch, against the two
//                        rasters' own size (counters; the time is of no interest; first, so
//                        that nothing else has touched memory yet)
//   BM_BareDecode        libjpeg alone decoding the photo, the yardstick for opening it
//   BM_CoreDecode        the core's LoadPicture alone
//   BM_OpenPhoto         opening it in the window (decode, views scaled and laid out)
//   BM_ConvertToView     Convert clicked until the sketch view has repainted
//   BM_ScaleView         the part of it that scales the sketch to the view
//   BM_RetouchStep       one step of local re-conversion with the default brush, view updated
//   BM_UndoStroke        Ctrl+Z of a default stroke until the sketch view has repainted, and
//   BM_RedoStroke        Ctrl+Y likewise (a default stroke: the default brush and settings on
//                        the manual page, local re-conversion with the pencil, a press, 25
//                        moves of 4 view pixels, a release)
//   BM_HistoryMemory     what the history holds after Convert and 200 default strokes over
//                        the whole sketch (counters)
#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/mainwindow/oldform.h"
#include "app/pictureview.h"
#include "sketch/picturefile.h"
#include "skin/containers/pagecontrol.h"
#include "support/benchphoto.h"

namespace {

QString PhotoFile() { return QString::fromStdString(BenchPhoto().string()); }

// A program folder whose start picture is the photo, so that a shown window opens it.
std::filesystem::path ProgramFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path made =
        std::filesystem::temp_directory_path() / "graphitine-bench-app";
    std::filesystem::create_directories(made);
    std::filesystem::remove(made / "J.jpg");
    std::filesystem::create_symlink(BenchPhoto(), made / "J.jpg");
    return made;
  }();
  return folder;
}

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// The process's size before any picture was made (main sets it).
long residentAtStart = 0;

void BM_Memory(benchmark::State& state) {
  for (auto _ : state) {
    const long before = residentAtStart;
    auto* window = new TOldForm(ProgramFolder());
    window->show();  // opens the photo
    window->BitBtn6Click();
    QApplication::processEvents();
    const long held = ResidentKiB() - before;
    const graphitine::Raster& photo = window->Document().Photo();
    const graphitine::Raster& sketch = window->Document().Sketch();
    const double rasters =
        static_cast<double>(photo.Stride() * photo.Height() + sketch.Stride() * sketch.Height()) /
        1024.0;
    state.counters["held_MiB"] = held / 1024.0;
    state.counters["rasters_MiB"] = rasters / 1024.0;
    state.counters["held_per_rasters"] = held / rasters;
    delete window;
  }
}
BENCHMARK(BM_Memory)->Iterations(1)->Unit(benchmark::kMillisecond);

// libjpeg at its quickest: the whole file read in one go (timed too) and decoded from memory,
// several rows per call, at the default (exact) settings the program decodes photos with, into
// memory made once beforehand (a fresh block of this size costs more in page faults here than
// the decoding itself).
void BM_BareDecode(benchmark::State& state) {
  std::vector<unsigned char> pixels;
  for (auto _ : state) {
    QFile file(PhotoFile());
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    jpeg_decompress_struct decoder{};
    jpeg_error_mgr errors{};
    decoder.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&decoder);
    const std::size_t stride = (decoder.output_width * 3 + 3) / 4 * 4;
    pixels.resize(stride * decoder.output_height);
    while (decoder.output_scanline < decoder.output_height) {
      JSAMPROW rows[8];
      for (int i = 0; i < 8; ++i) {
        rows[i] = pixels.data() +
                  stride * std::min(decoder.output_scanline + i, decoder.output_height - 1);
      }
      jpeg_read_scanlines(&decoder, rows, 8);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(BM_BareDecode)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The core's own decoding of the photo, which opening it in the window adds the view to.
void BM_CoreDecode(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(graphitine::LoadPicture(BenchPhoto()));
}
BENCHMARK(BM_CoreDecode)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// A shown main window with the photo open.
TOldForm& Window() {
  static TOldForm* window = [] {
    auto* form = new TOldForm(ProgramFolder());
    form->show();
    QApplication::processEvents();
    return form;
  }();
  return *window;
}

void BM_OpenPhoto(benchmark::State& state) {
  TOldForm& window = Window();
  for (auto _ : state) {
    window.LoadPicture(PhotoFile());
    window.Image1->repaint();
  }
}
BENCHMARK(BM_OpenPhoto)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_ConvertToView(benchmark::State& state) {
  TOldForm& window = Window();
  for (auto _ : state) {
    window.BitBtn6Click();
    window.Image2->repaint();
  }
}
BENCHMARK(BM_ConvertToView)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// What a view pays once per change: the sketch scaled to the view's size.
void BM_ScaleView(benchmark::State& state) {
  TOldForm& window = Window();
  window.BitBtn6Click();
  ScaledPicture scaled;
  for (auto _ : state) scaled.Scale(window.Document().Sketch(), window.Image2->size());
}
BENCHMARK(BM_ScaleView)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_RetouchStep(benchmark::State& state) {
  TOldForm& window = Window();
  window.BitBtn6Click();
  window.PageControl1->SetActivePage(window.TabSheet2);
  QApplication::processEvents();
  const int y = window.Image2->height() / 2;
  int x = window.Image2->width() / 3;
  for (auto _ : state) {
    window.Image2MouseMove(Qt::ControlModifier, x, y);
    QApplication::processEvents();  // the view repaints the brush's box
    x = x == window.Image2->width() / 3 ? x + 1 : x - 1;
  }
}
BENCHMARK(BM_RetouchStep)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// A default stroke across the sketch view from (x, y), as the user makes it.
void DefaultStroke(TOldForm& window, int x, int y) {
  window.Image2MouseDown(Qt::LeftButton, {}, x, y, false);
  for (int move = 1; move <= 25; ++move) window.Image2MouseMove({}, x + 4 * move, y);
  window.Image2MouseUp();
}

// A shown window with the photo converted and one default stroke made, on the manual page.
TOldForm& StrokedWindow() {
  TOldForm& window = Window();
  window.BitBtn6Click();
  window.PageControl1->SetActivePage(window.TabSheet2);
  DefaultStroke(window, window.Image2->width() / 4, window.Image2->height() / 2);
  QApplication::processEvents();
  return window;
}

// Times the step alone, the other one bringing the sketch back between iterations.
void TimeStep(benchmark::State& state, void (TOldForm::*step)(), void (TOldForm::*back)()) {
  state.SetLabel("goal <= 20 ms");
  TOldForm& window = StrokedWindow();
  if (step == &TOldForm::RedoStep) window.UndoStep();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    (window.*step)();
    window.Image2->repaint();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    (window.*back)();
    window.Image2->repaint();
  }
}

void BM_UndoStroke(benchmark::State& state) {
  TimeStep(state, &TOldForm::UndoStep, &TOldForm::RedoStep);
}
BENCHMARK(BM_UndoStroke)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_RedoStroke(benchmark::State& state) {
  TimeStep(state, &TOldForm::RedoStep, &TOldForm::UndoStep);
}
BENCHMARK(BM_RedoStroke)->Unit(benchmark::kMillisecond)->UseManualTime();

// 200 strokes in rows across the whole view, so that they overlap little.
void BM_HistoryMemory(benchmark::State& state) {
  TOldForm& window = Window();
  for (auto _ : state) {
    window.LoadPicture(PhotoFile());  // a new history
    window.PageControl1->SetActivePage(window.TabSheet1);
    window.BitBtn6Click();
    const double convert = static_cast<double>(window.Document().History().Bytes());
    window.PageControl1->SetActivePage(window.TabSheet2);
    const int width = window.Image2->width();
    const int height = window.Image2->height();
    for (int stroke = 0; stroke < 200; ++stroke) {
      DefaultStroke(window, 10 + (stroke * 37) % (width - 120), 10 + (stroke * 53) % (height - 20));
    }
    const double strokes = static_cast<double>(window.Document().History().Bytes()) - convert;
    state.counters["convert_MiB"] = convert / (1 << 20);
    state.counters["strokes_MiB"] = strokes / (1 << 20);
    state.counters["per_stroke_KiB"] = strokes / 200 / 1024;
    state.counters["history_MiB"] = (convert + strokes) / (1 << 20);
    state.SetLabel("goal: history_MiB <= 64");
  }
}
BENCHMARK(BM_HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  residentAtStart = ResidentKiB();
  BenchPhoto();  // written once, before anything is timed
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
