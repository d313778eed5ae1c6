#pragma once
// The settings a batch item converts with, read from the main window when the item starts. The
// item converts on a worker while the user may pick another paper meanwhile, so it holds the
// paper it was given itself.
#include <memory>
#include <utility>

#include "sketch/engine.h"
#include "sketch/paper.h"

class BatchItemSettings {
 public:
  // The settings' paper becomes the given one (none: no paper).
  BatchItemSettings(graphitine::ConvertSettings settings,
                    std::shared_ptr<const graphitine::Paper> paper)
      : convert_(settings), paper_(std::move(paper)) {
    convert_.paper = paper_.get();
  }

  const graphitine::ConvertSettings& Convert() const { return convert_; }

 private:
  graphitine::ConvertSettings convert_;
  std::shared_ptr<const graphitine::Paper> paper_;
};
