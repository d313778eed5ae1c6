// The batch window's run over a folder, timed, on the offscreen platform:
//
//   batch_window_run OUTPUT_FOLDER FOLDER
//
// collects FOLDER into the window's list, converts it into OUTPUT_FOLDER with the main window's
// start settings, and prints the run's wall time and the longest the interface thread went
// without serving a 5 ms timer while the run went (each shown photo and sketch included):
//
//   seconds 12.34
//   longest_block_ms 21.0
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "app/batch/batchform.h"
#include "app/mainwindow/oldform.h"
#include "sketch/batchlist.h"
#include "skin/inputs/edit.h"
#include "skin/inputs/listbox.h"

int main(int argc, char** argv) {
  if (argc != 3 || !QDir(QString::fromLocal8Bit(argv[1])).exists()) {
    std::fprintf(stderr,
                 "usage: batch_window_run OUTPUT_FOLDER FOLDER (OUTPUT_FOLDER must exist)\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  TOldForm window(GRAPHITINE_BIN_DIR);  // the built start picture and textures
  window.show();
  QApplication::processEvents();
  TBatchForm& batch = *window.BatchForm();

  std::vector<graphitine::PictureItem> items;
  graphitine::findall(argv[2], items);
  for (const graphitine::PictureItem& item : items) {
    auto* row = new QListWidgetItem(QString::fromStdString(item.text), batch.ListBox1);
    row->setData(Qt::UserRole, QString::fromStdString(item.path.string()));
  }
  batch.Edit1->setText(QString::fromLocal8Bit(argv[1]));

  QElapsedTimer sinceTick;
  qint64 longest = 0;
  QTimer ticks;
  ticks.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    longest = std::max(longest, sinceTick.nsecsElapsed());
    sinceTick.restart();
  });
  QElapsedTimer run;
  run.start();
  batch.BitBtn1Click();
  sinceTick.start();
  ticks.start(5);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!batch.Running()) QApplication::quit();
  });
  poll.start(1);
  QApplication::exec();
  std::printf("seconds %.2f\nlongest_block_ms %.1f\n", run.nsecsElapsed() / 1e9,
              (longest - 5'000'000) / 1e6);
  return 0;
}
