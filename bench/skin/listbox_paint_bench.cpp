// The batch window's picture list with 50 000 entries: painting it where it stands, scrolling a
// page and painting, and filling it. Painting should cost the visible rows only, whatever the
// length of the list.
//   build/bench/skin_listbox_bench --benchmark_min_time=2
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <memory>

#include "skin/inputs/listbox.h"

namespace {

constexpr int kEntries = 50000;

QStringList Entries() {
  QStringList entries;
  entries.reserve(kEntries);
  for (int i = 0; i < kEntries; ++i) {
    entries.append(QStringLiteral("/home/photographer/pictures/2009/holidays/IMG_%1.jpg")
                       .arg(i, 5, 10, QChar(u'0')));
  }
  return entries;
}

// The list as the batch window sets it up, shown and laid out.
std::unique_ptr<TSkinListBox> BatchList(const QStringList& entries) {
  auto list = std::make_unique<TSkinListBox>();
  list->SetUIStyle(TSkinUIStyle::MacOS);
  list->SetBorderColor(0x7F7F7F);
  list->SetItemHeight(13);
  list->SetMultiSelect(true);
  list->SetHorizontalExtent(400);
  list->SetItems(entries);
  list->resize(289, 201);
  list->show();
  QApplication::processEvents();
  return list;
}

void BM_ListBoxPaint(benchmark::State& state) {
  const std::unique_ptr<TSkinListBox> list = BatchList(Entries());
  list->verticalScrollBar()->setValue(kEntries / 2);
  QImage picture(list->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    list->render(&picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_ListBoxPaint)->Unit(benchmark::kMicrosecond);

void BM_ListBoxScrollPageAndPaint(benchmark::State& state) {
  const std::unique_ptr<TSkinListBox> list = BatchList(Entries());
  QScrollBar* bar = list->verticalScrollBar();
  QImage picture(list->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    bar->triggerAction(bar->value() >= bar->maximum() ? QAbstractSlider::SliderToMinimum
                                                      : QAbstractSlider::SliderPageStepAdd);
    list->render(&picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_ListBoxScrollPageAndPaint)->Unit(benchmark::kMicrosecond);

void BM_ListBoxFill(benchmark::State& state) {
  const QStringList entries = Entries();
  for (auto _ : state) {
    const std::unique_ptr<TSkinListBox> list = BatchList(entries);
    benchmark::DoNotOptimize(list->count());
  }
}
BENCHMARK(BM_ListBoxFill)->Unit(benchmark::kMillisecond);

}  // namespace
