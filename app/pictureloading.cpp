#include "app/pictureloading.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

#include "sketch/picturefile.h"
#include "sketch/workerpool.h"

namespace {

// Rows decoded between two hand-overs to the scaling: small enough that the scaling follows
// closely, large enough that handing over costs nothing worth measuring.
constexpr int kBandRows = 64;

// What the decoding tells the scaling: how many rows are there, and whether it has ended
// (done or failed).
struct Progress {
  std::mutex lock;
  std::condition_variable changed;
  int rowsRead = 0;
  bool ended = false;

  void Tell(int rows, bool end) {
    {
      const std::lock_guard<std::mutex> hold(lock);
      rowsRead = rows;
      ended = ended || end;
    }
    changed.notify_one();
  }
};

}  // namespace

ScaledLoad LoadPictureScaled(const std::filesystem::path& file,
                             const std::function<QSize(QSize)>& viewSizeFor) {
  graphitine::PictureReader reader(file);
  const QSize viewSize = viewSizeFor(QSize(reader.Width(), reader.Height()));
  ScaledLoad loaded{reader.Start(), {}};
  graphitine::Raster& picture = loaded.picture;
  if (viewSize.isEmpty() || picture.IsEmpty()) {
    reader.ReadRows(picture, picture.Height());
    return loaded;
  }
  loaded.view.Begin(viewSize);
  Progress progress;
  progress.rowsRead = reader.RowsRead();
  // Task 0 decodes, task 1 scales what is decoded. Tasks start in order, so the scaling only
  // ever waits for a decoding that is under way; on a single thread the decoding simply ends
  // first.
  graphitine::WorkerPool::Shared().Run(2, 2, [&](std::size_t task) {
    if (task == 0) {
      struct EndsEitherWay {
        Progress& progress;
        const graphitine::PictureReader& reader;
        ~EndsEitherWay() { progress.Tell(reader.RowsRead(), true); }
      } end{progress, reader};
      while (reader.RowsRead() < picture.Height()) {
        reader.ReadRows(picture, std::min(picture.Height(), reader.RowsRead() + kBandRows));
        progress.Tell(reader.RowsRead(), false);
      }
      return;
    }
    int viewRow = 0;
    int scaledUpTo = 0;
    for (;;) {
      int rows = 0;
      bool ended = false;
      {
        std::unique_lock<std::mutex> hold(progress.lock);
        progress.changed.wait(hold,
                              [&] { return progress.ended || progress.rowsRead > scaledUpTo; });
        rows = progress.rowsRead;
        ended = progress.ended;
      }
      viewRow = loaded.view.ScaleReadRows(picture, viewRow, rows);
      scaledUpTo = rows;
      if (ended) return;
    }
  });
  return loaded;
}
