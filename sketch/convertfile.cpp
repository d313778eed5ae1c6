#include "sketch/convertfile.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <vector>

#include "sketch/bandstore.h"
#include "sketch/bmpfile.h"
#include "sketch/engine_driver.h"
#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/workerpool.h"

namespace graphitine {

namespace {

// Rows of a band: enough that the 2s photo rows a band reads beyond its own cost little, few
// enough that drawing and writing keep close behind the decoding and that a band's photo and
// sketch rows stay in the processor's cache from one step to the next.
constexpr int kBandRows = 64;

int BandRowsFor(const ConvertSettings& settings) {
  return std::max(kBandRows, 8 * settings.lineStep);
}

// The work of one conversion as tasks on the shared pool: the reader decodes the photo a band of
// rows at a time, each band of the sketch is drawn as soon as the photo rows it needs are there,
// and the writer encodes the drawn bands in order. None of them ever waits for another: a step
// that has nothing to do returns, and the step that gives it something adds it again. Reading
// and writing are strands (one task at a time, in order); bands are drawn on any thread.
//
// Everything below `lock` is read and written under it. The rows themselves are not: a photo
// band is written by the reader before it counts as read, a sketch band by its drawing task
// before it counts as drawn, and nothing writes a slot again before every task reading it is
// through (the stores' slot rules below).
class Conversion {
 public:
  Conversion(const std::filesystem::path& photoFile, const PictureLimits& limits,
             const ConvertSettings& settings, const std::filesystem::path& sketchFile,
             PictureFormat format, ExistingFile existing, KeptPictures kept, std::stop_token stop)
      : photoFile_(photoFile),
        limits_(limits),
        settings_(settings),
        sketchFile_(sketchFile),
        format_(format),
        existing_(existing),
        kept_(kept),
        stop_(stop),
        tasks_(std::move(stop)) {}

  ConvertedPicture Run() {
    tasks_.Add([this] { Open(); }, true);
    tasks_.Wait();
    if (kept_ == KeptPictures::None) return {};
    return {photo_.TakeWhole(), sketch_.TakeWhole()};
  }

 private:
  // The pool checks the stop before each step starts; the writer's step, which goes on while
  // bands are drawn, checks it before each band and before the file is put in place.
  void CheckStop() const {
    if (stop_.stop_requested()) throw Stopped();
  }

  int FirstRow(int band) const { return band * bandRows_; }
  int LastRow(int band) const {
    return std::min(FirstRow(band) + bandRows_, pass_->SketchHeight()) - 1;
  }

  // Reads the photo's header (or a bitmap whole) and prepares the pass, the stores and the
  // writer; then the reading goes on as its own step.
  void Open() {
    try {
      if (PictureContentOf(photoFile_) == PictureContent::Bitmap) {
        Raster photo = ReadBmp(photoFile_, limits_);
        Prepare(photo.Width(), photo.Height(), false);
        photo_.Adopt(std::move(photo));
      } else {
        reader_.emplace(photoFile_, limits_);
        reader_->Begin(8, stop_);
        Prepare(reader_->OutputWidth(), reader_->OutputHeight(), true);
      }
    } catch (const std::bad_alloc&) {
      throw NotEnoughMemoryToLoad(photoFile_.string());
    }
    if (!reader_) {
      ReadBand(std::nullopt);  // the whole photo is there
      return;
    }
    tasks_.Add([this] { ReadSome(); }, true);
  }

  void Prepare(int width, int height, bool decoding) {
    pass_.emplace(width, height, settings_, BestKernelIsa());
    const bool banded = !pass_->WholeSketchAtOnce();
    bandRows_ = banded ? BandRowsFor(settings_) : pass_->SketchHeight();
    bands_ = (pass_->SketchHeight() + bandRows_ - 1) / bandRows_;
    photoHeight_ = height;
    photoBands_ = (height + bandRows_ - 1) / bandRows_;
    // Kept a band at a time when nothing needs the whole of them: enough bands for every thread
    // to draw one while the reader and writer are a band ahead and behind.
    const bool streamed = banded && kept_ == KeptPictures::None && format_ == PictureFormat::Jpeg;
    const int threads = std::max(WorkerPool::Shared().Threads(), 1);
    if (decoding) {
      photo_.Make(width, height, bandRows_, streamed ? std::min(threads + 4, photoBands_) : 0);
    }
    sketch_.Make(pass_->SketchWidth(), pass_->SketchHeight(), bandRows_,
                 streamed ? std::min(threads + 2, bands_) : 0);
    drawn_.assign(static_cast<std::size_t>(bands_), false);
    if (format_ == PictureFormat::Jpeg) {
      writer_.emplace(sketchFile_, pass_->SketchWidth(), pass_->SketchHeight());
    }
  }

  // The reader's step: decodes the next band of photo rows, if its slot is free.
  void ReadSome() {
    int band = 0;
    {
      const std::lock_guard<std::mutex> hold(lock_);
      band = photoRead_;
      if (!photo_.SlotFree(band, PhotoBandsReleased())) {
        readerParked_ = true;
        return;
      }
    }
    const int first = band * bandRows_;
    const int last = std::min(first + bandRows_, reader_->OutputHeight()) - 1;
    try {
      reader_->ReadRows(photo_.Place(first, last), last + 1);
    } catch (const std::bad_alloc&) {
      throw NotEnoughMemoryToLoad(photoFile_.string());
    }
    ReadBand(band);
  }

  // A photo band has been read (all of them, for a bitmap): adds the bands of the sketch that
  // it makes ready, and the reader's next step.
  void ReadBand(std::optional<int> band) {
    std::vector<int> ready;
    bool more = false;
    {
      const std::lock_guard<std::mutex> hold(lock_);
      photoRead_ = band ? *band + 1 : photoBands_;
      photoRows_ = std::min(photoRead_ * bandRows_, photoHeight_);
      ready = ReadyBands();
      more = photoRead_ < photoBands_;
    }
    AddDrawing(ready);
    if (more) tasks_.Add([this] { ReadSome(); }, true);
  }

  // Under lock_: how many photo bands from the top no band left to draw needs. Sketch band b
  // reads photo bands b - 1 to b + 1 (a band is taller than twice the line step).
  int PhotoBandsReleased() const {
    return drawnBelow_ == bands_ ? photoBands_ : std::max(drawnBelow_ - 1, 0);
  }

  // Under lock_: the bands next in line whose photo rows are read and whose slot is free, now
  // handed out.
  std::vector<int> ReadyBands() {
    std::vector<int> ready;
    while (nextBand_ < bands_ && photoRows_ >= pass_->PhotoRowsFor(LastRow(nextBand_)) &&
           sketch_.SlotFree(nextBand_, written_)) {
      ready.push_back(nextBand_++);
    }
    return ready;
  }

  void AddDrawing(const std::vector<int>& bands) {
    for (int band : bands) tasks_.Add([this, band] { Draw(band); });
  }

  void Draw(int band) {
    const int first = FirstRow(band), last = LastRow(band);
    if (pass_->WholeSketchAtOnce()) {
      pass_->DrawAll(photo_.Whole(), sketch_.Whole());
    } else {
      pass_->DrawRows(photo_.Placed(), sketch_.Place(first, last), first, last);
    }
    bool read = false, write = false;
    {
      const std::lock_guard<std::mutex> hold(lock_);
      drawn_[static_cast<std::size_t>(band)] = true;
      while (drawnBelow_ < bands_ && drawn_[static_cast<std::size_t>(drawnBelow_)]) ++drawnBelow_;
      if (readerParked_ && photo_.SlotFree(photoRead_, PhotoBandsReleased())) {
        readerParked_ = false;
        read = true;
      }
      if (!writing_ && written_ < bands_ && drawn_[static_cast<std::size_t>(written_)]) {
        writing_ = true;
        write = true;
      }
    }
    if (read) tasks_.Add([this] { ReadSome(); }, true);
    if (write) tasks_.Add([this] { Write(); }, true);
  }

  // The writer's step: writes the drawn bands in order, as far as they go.
  void Write() {
    for (;;) {
      int band = 0;
      {
        const std::lock_guard<std::mutex> hold(lock_);
        if (written_ == bands_ || !drawn_[static_cast<std::size_t>(written_)]) {
          writing_ = false;
          if (written_ < bands_) return;
          break;
        }
        band = written_;
      }
      CheckStop();
      if (writer_) writer_->WriteRows(sketch_.Placed(), LastRow(band) + 1);
      std::vector<int> ready;
      {
        const std::lock_guard<std::mutex> hold(lock_);
        ++written_;
        ready = ReadyBands();
      }
      AddDrawing(ready);
    }
    CheckStop();
    if (writer_) {
      writer_->Commit(existing_);
    } else {
      WritePicture(sketch_.Whole(), sketchFile_, format_,
                   FrameSize{pass_->SketchWidth() - 1, photoHeight_}, existing_);
    }
  }

  const std::filesystem::path& photoFile_;
  const PictureLimits& limits_;
  const ConvertSettings& settings_;
  const std::filesystem::path& sketchFile_;
  const PictureFormat format_;
  const ExistingFile existing_;
  const KeptPictures kept_;
  const std::stop_token stop_;

  // Set up by Open before any other step runs, then only read.
  std::optional<JpegReader> reader_;  // used by the reader's steps alone
  std::optional<ConvertPass> pass_;
  std::optional<JpegWriter> writer_;  // used by the writer's steps alone
  BandStore photo_;
  BandStore sketch_;
  int bandRows_ = 0;
  int bands_ = 0;
  int photoHeight_ = 0;
  int photoBands_ = 0;

  std::mutex lock_;
  int photoRead_ = 0;   // photo bands read from the top
  int photoRows_ = 0;   // photo rows read from the top
  int nextBand_ = 0;    // the first sketch band not yet handed out for drawing
  int drawnBelow_ = 0;  // every sketch band above this one is drawn
  int written_ = 0;     // sketch bands written from the top
  std::vector<bool> drawn_;
  bool readerParked_ = false;  // the reader waits for a photo slot
  bool writing_ = false;       // the writer's step is queued or running

  // Last, so that it is destroyed first: no task outlives the members it uses.
  TaskGroup tasks_;
};

}  // namespace

ConvertedPicture ConvertPictureFile(const std::filesystem::path& photoFile,
                                    const PictureLimits& limits, const ConvertSettings& settings,
                                    const std::filesystem::path& sketchFile, PictureFormat format,
                                    ExistingFile existing, std::stop_token stop,
                                    KeptPictures kept) {
  ParametersFor(settings);
  return Conversion(photoFile, limits, settings, sketchFile, format, existing, kept,
                    std::move(stop))
      .Run();
}

}  // namespace graphitine
