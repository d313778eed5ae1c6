#pragma once
// DoConv: the worker of a batch run. It converts the batch window's items on threads of its
// own, several at once, on the core's shared pool, and never touches a widget: it asks the
// interface thread for each item (already named) and for the settings at the moment that item
// starts, and hands every finished photo and sketch, every finished item and the end of the
// run back to it. Destroying it stops the run and waits for its threads.
#include <QObject>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "app/batch/itemsettings.h"
#include "app/rasterimage.h"
#include "sketch/batchrun.h"

class DoConv {
 public:
  // What the run asks of and tells the window; every hook runs on the interface thread.
  struct Hooks {
    std::function<std::optional<graphitine::BatchJob>()> nextItem;  // nothing: no more items
    std::function<BatchItemSettings()> itemSettings;
    // The views' size in device pixels for a photo of that size.
    std::function<QSize(QSize photo)> viewSize;
    // The latest finished picture, at most once a second and at the end (the others are
    // skipped), with the views' images made on the run's threads when their size was known.
    std::function<void(graphitine::ConvertedPicture picture, ScaledPicture photoView,
                       ScaledPicture sketchView, const std::string& written)>
        show;
    std::function<void()> itemEnded;  // written, failed or stopped half-way
    std::function<void(const graphitine::BatchReport& report)> ended;
  };

  // Starts the run at once, with up to `parallel` items converting at a time. The hooks are
  // called on context's thread and dropped with context.
  DoConv(QObject* context, Hooks hooks, int parallel);
  DoConv(const DoConv&) = delete;
  DoConv& operator=(const DoConv&) = delete;
  ~DoConv();

  // No further item starts, and the items converting stop between bands of rows, writing
  // nothing; the run then ends as usual.
  void Stop() { thread_.request_stop(); }

 private:
  struct Shown;
  struct Finished;
  void Execute(std::stop_token stop);
  void MakeViews(Finished& finished, const std::stop_token& stop, ScaledPicture::On on);
  void ShowFinished(Finished finished, const std::stop_token& stop, ScaledPicture::On on);
  void ConvertItem(const graphitine::BatchJob& job, std::stop_token stop);
  void Post(std::function<void()> call) const;
  void PostFailure(std::exception_ptr failure) const;

  QObject* context_;
  Hooks hooks_;
  int parallel_;
  std::shared_ptr<Shown> shown_;
  std::jthread thread_;  // last: started once everything above is set
};
