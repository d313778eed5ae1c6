#include "sketch/convertfile.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <vector>

#include "sketch/bmpfile.h"
#include "sketch/engine_driver.h"
#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/workerpool.h"

namespace graphitine {

namespace {

// Photo rows decoded between two reports to the drawing task.
constexpr int kReadRows = 32;
// Sketch rows drawn and written as one band: enough that the 2s photo rows a band reads beyond
// its own cost little, few enough that drawing and writing keep close behind the decoding.
constexpr int kBandRows = 128;

// What the reading task and the drawing task share. Everything below `lock` is read and written
// under it, except the photo's pixels (rows above photoRows are the reader's, the rest are read
// by both) and the pass (made by the drawing task before passReady, then used by both on bands
// each has claimed).
struct Conversion {
  Conversion(const std::filesystem::path& photoFile, const PictureLimits& limits,
             const ConvertSettings& settings, const std::filesystem::path& sketchFile,
             PictureFormat format, ExistingFile existing, std::stop_token stop)
      : photoFile(photoFile),
        limits(limits),
        settings(settings),
        sketchFile(sketchFile),
        format(format),
        existing(existing),
        stop(std::move(stop)) {}

  const std::filesystem::path& photoFile;
  const PictureLimits& limits;
  const ConvertSettings& settings;
  const std::filesystem::path& sketchFile;
  PictureFormat format;
  ExistingFile existing;
  std::stop_token stop;

  std::mutex lock;
  std::condition_variable changed;
  Raster photo;
  bool sized = false;  // the photo raster has its size
  int photoRows = 0;   // rows decoded from the top
  std::optional<ConvertPass> pass;
  bool passReady = false;
  int bandRows = 0;
  int bands = 0;
  int nextBand = 0;  // the first band no task has claimed
  std::vector<bool> drawn;
  bool failed = false;  // a task has given up: the other stops too

  int FirstRow(int band) const { return band * bandRows; }
  int LastRow(int band) const {
    return std::min(FirstRow(band) + bandRows, pass->Sketch().Height()) - 1;
  }
  void CheckStop() const {
    if (stop.stop_requested()) throw Stopped();
  }
};

// Runs one task's work; when it fails, the other task is told before the error goes on to the
// pool, which hands it to the caller.
template <class Work>
void RunTask(Conversion& c, Work work) {
  try {
    work(c);
  } catch (...) {
    {
      const std::lock_guard<std::mutex> hold(c.lock);
      c.failed = true;
    }
    c.changed.notify_all();
    throw;
  }
}

void Publish(Conversion& c, Raster photo, int rows) {
  {
    const std::lock_guard<std::mutex> hold(c.lock);
    c.photo = std::move(photo);
    c.sized = true;
    c.photoRows = rows;
  }
  c.changed.notify_all();
}

// Returns false when the drawing task gave up.
bool ReadRows(Conversion& c) {
  try {
    if (PictureContentOf(c.photoFile) == PictureContent::Bitmap) {
      Raster photo = ReadBmp(c.photoFile, c.limits);
      const int height = photo.Height();
      Publish(c, std::move(photo), height);
      return true;
    }
    JpegReader reader(c.photoFile, c.limits);
    Publish(c, reader.Start(), 0);
    const int height = c.photo.Height();
    while (reader.RowsRead() < height) {
      c.CheckStop();
      reader.ReadRows(c.photo, reader.RowsRead() + kReadRows);
      {
        const std::lock_guard<std::mutex> hold(c.lock);
        if (c.failed) return false;
        c.photoRows = reader.RowsRead();
      }
      c.changed.notify_all();
    }
    return true;
  } catch (const std::bad_alloc&) {
    throw NotEnoughMemoryToLoad(c.photoFile.string());
  }
}

void DrawBand(Conversion& c, int band) {
  c.CheckStop();
  c.pass->DrawRows(c.FirstRow(band), c.LastRow(band), c.stop);
  {
    const std::lock_guard<std::mutex> hold(c.lock);
    c.drawn[band] = true;
  }
  c.changed.notify_all();
}

// Once the photo is read, the reader draws the bands the drawing task has not reached yet. It
// never waits for that task, which may not have started (on a pool with one thread, the tasks
// run one after the other).
void ReadPhoto(Conversion& c) {
  if (!ReadRows(c)) return;
  for (;;) {
    int band = 0;
    {
      const std::lock_guard<std::mutex> hold(c.lock);
      if (!c.passReady || c.failed || c.nextBand >= c.bands) return;
      band = c.nextBand++;
    }
    DrawBand(c, band);
  }
}

// Draws band b, or waits until the reader has drawn it. Returns false when the reader gave up.
bool BandDrawn(Conversion& c, int band) {
  {
    std::unique_lock<std::mutex> hold(c.lock);
    const int rowsNeeded = c.pass->PhotoRowsFor(c.LastRow(band));
    c.changed.wait(hold,
                   [&] { return c.failed || c.nextBand > band || c.photoRows >= rowsNeeded; });
    if (c.failed) return false;
    if (c.nextBand > band) {
      c.changed.wait(hold, [&] { return c.failed || c.drawn[band]; });
      return !c.failed;
    }
    c.nextBand = band + 1;
  }
  DrawBand(c, band);
  return true;
}

void DrawAndWrite(Conversion& c) {
  {
    std::unique_lock<std::mutex> hold(c.lock);
    c.changed.wait(hold, [&] { return c.failed || c.sized; });
    if (c.failed) return;
  }
  c.pass.emplace(c.photo, c.settings, BestKernelIsa());
  const Raster& sketch = c.pass->Sketch();
  {
    const std::lock_guard<std::mutex> hold(c.lock);
    c.bandRows = c.pass->WholeSketchAtOnce() ? sketch.Height()
                                             : std::max(kBandRows, 8 * c.settings.lineStep);
    c.bands = (sketch.Height() + c.bandRows - 1) / c.bandRows;
    c.drawn.assign(static_cast<std::size_t>(c.bands), false);
    c.passReady = true;
  }
  std::optional<JpegWriter> writer;
  if (c.format == PictureFormat::Jpeg) {
    writer.emplace(c.sketchFile, sketch.Width(), sketch.Height());
  }
  for (int band = 0; band < c.bands; ++band) {
    if (!BandDrawn(c, band)) return;
    if (writer) writer->WriteRows(sketch, c.LastRow(band) + 1);
  }
  c.CheckStop();
  if (writer) {
    writer->Commit(c.existing);
  } else {
    WritePicture(sketch, c.sketchFile, c.format, FrameSize{c.photo.Width(), c.photo.Height()},
                 c.existing);
  }
}

}  // namespace

ConvertedPicture ConvertPictureFile(const std::filesystem::path& photoFile,
                                    const PictureLimits& limits, const ConvertSettings& settings,
                                    const std::filesystem::path& sketchFile, PictureFormat format,
                                    ExistingFile existing, std::stop_token stop) {
  ParametersFor(settings);
  Conversion c(photoFile, limits, settings, sketchFile, format, existing, stop);
  WorkerPool::Shared().Run(
      2, 2,
      [&](std::size_t task) {
        if (task == 0) {
          RunTask(c, ReadPhoto);
        } else {
          RunTask(c, DrawAndWrite);
        }
      },
      std::move(stop));
  return {std::move(c.photo), c.pass->TakeSketch()};
}

}  // namespace graphitine
