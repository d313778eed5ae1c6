// The real-scale viewer on a large photo (support/benchphoto.h), on the offscreen platform:
//   BM_OpenViewer        the viewer opened on the decoded photo until it has painted
//   BM_PanAtRealScale    one move of the picture at 1:1 in a full-HD view, repainted
//   BM_PanZoomedIn       the same at 300 %
//   BM_PanFitted         the same with the whole picture fitted (nothing to move: a repaint)
//   BM_ZoomOut           Ctrl+wheel from 1:1 to 80 %, the reduced copy made and painted
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/viewer/realscaleview.h"
#include "app/viewer/viewform.h"
#include "sketch/picturefile.h"
#include "support/benchphoto.h"

namespace {

const graphitine::Raster& Photo() {
  static const graphitine::Raster photo = graphitine::LoadPicture(BenchPhoto());
  return photo;
}

void BM_OpenViewer(benchmark::State& state) {
  state.SetLabel("goal <= 100 ms");
  for (auto _ : state) {
    TViewForm viewer(nullptr, Photo());
    viewer.show();
    viewer.repaint();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_OpenViewer)->Unit(benchmark::kMillisecond)->UseRealTime();

// Moves the picture back and forth across a view of 1920 x 1080 at the zoom, repainting.
void Pan(benchmark::State& state, double zoom, bool fitted) {
  TRealScaleView view(Photo(), nullptr);
  view.resize(1920, 1080);
  view.show();
  QApplication::processEvents();
  if (fitted) {
    view.ToggleFit(QPointF());
  } else {
    view.SetZoom(zoom, QPointF());
  }
  view.ScrollBy(QPointF(1000, 1000));
  int step = 9;
  for (auto _ : state) {
    view.ScrollBy(QPointF(step, step / 2));
    view.repaint();
    step = -step;
  }
}

void BM_PanAtRealScale(benchmark::State& state) {
  state.SetLabel("goal <= 8 ms");
  Pan(state, 1, false);
}
BENCHMARK(BM_PanAtRealScale)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PanZoomedIn(benchmark::State& state) { Pan(state, 3, false); }
BENCHMARK(BM_PanZoomedIn)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PanFitted(benchmark::State& state) { Pan(state, 1, true); }
BENCHMARK(BM_PanFitted)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ZoomOut(benchmark::State& state) {
  TRealScaleView view(Photo(), nullptr);
  view.resize(1920, 1080);
  view.show();
  QApplication::processEvents();
  for (auto _ : state) {
    view.SetZoom(1, QPointF(960, 540));
    view.SetZoom(1 / TRealScaleView::kZoomStep, QPointF(960, 540));
    view.repaint();
  }
}
BENCHMARK(BM_ZoomOut)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Photo();  // decoded once, before anything is timed
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
