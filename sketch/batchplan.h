#pragma once
// Output names and kinds of a batch run, decided for the whole list before any conversion
// starts, so that the result does not depend on how many items are converted at once.
#include <string>
#include <unordered_set>
#include <vector>

#include "sketch/batchlist.h"

namespace graphitine {

struct BatchJob {
  std::size_t index = 0;  // position in the list
  PictureItem source;
  std::string output;  // the name the sketch is written under
  int kind = 0;        // SavePicture's kind: 1 JPEG, 2 bitmap
};

// The output folder's text followed by the item's text from its last separator on.
std::string BatchOutputName(const std::string& outputFolder, const std::string& itemText);

// 1 (JPEG) when the item's text ends in "jpg", else 2 (bitmap).
int BatchOutputKind(const std::string& itemText);

// The name with text inserted just before its last dot (at the end when it has none).
std::string InsertBeforeLastDot(const std::string& name, const std::string& text);

// The job of the item at this position, named at the moment it starts: an output name that
// exists already, or that is among the names taken (written or being written by the same run),
// gets the position inserted before its last dot; when that name is taken too, "-1", "-2", ...
// follow the position until a free name is found. The chosen name is added to taken.
BatchJob NameBatchJob(std::size_t index, const PictureItem& item, const std::string& outputFolder,
                      std::unordered_set<std::string>& taken);

// One job per item, in list order. An output name that exists already, or that an earlier item
// of the list will write, gets the item's position inserted before its last dot; when that
// name is taken too, "-1", "-2", ... follow the position until a free name is found. So no
// existing file is ever chosen, and no two items share an output name.
std::vector<BatchJob> PlanBatch(const std::vector<PictureItem>& items,
                                const std::string& outputFolder);

}  // namespace graphitine
