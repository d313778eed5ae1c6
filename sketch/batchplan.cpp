#include "sketch/batchplan.h"

#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "sketch/folderwalk.h"
#include "sketch/picturefile.h"

namespace graphitine {

std::string BatchOutputName(const std::string& outputFolder, const std::string& itemText) {
  const std::size_t separator = itemText.rfind(kFolderSeparator);
  return outputFolder + itemText.substr(separator == std::string::npos ? 0 : separator);
}

int BatchOutputKind(const std::string& itemText) {
  return EndsWith(itemText, "jpg") ? kJpegKind : kBitmapKind;
}

std::string InsertBeforeLastDot(const std::string& name, const std::string& text) {
  const std::size_t dot = name.rfind('.');
  std::string result = name;
  result.insert(dot == std::string::npos ? name.size() : dot, text);
  return result;
}

std::vector<BatchJob> PlanBatch(const std::vector<PictureItem>& items,
                                const std::string& outputFolder) {
  std::unordered_set<std::string> planned;
  auto taken = [&](const std::string& name) {
    std::error_code ec;
    return planned.count(name) != 0 ||
           std::filesystem::exists(std::filesystem::symlink_status(name, ec));
  };
  std::vector<BatchJob> jobs;
  jobs.reserve(items.size());
  for (std::size_t n = 0; n < items.size(); ++n) {
    const std::string wanted = BatchOutputName(outputFolder, items[n].text);
    std::string output = wanted;
    if (taken(output)) {
      const std::string number = std::to_string(n);
      output = InsertBeforeLastDot(wanted, number);
      for (int further = 1; taken(output); ++further) {
        output = InsertBeforeLastDot(wanted, number + "-" + std::to_string(further));
      }
    }
    planned.insert(output);
    jobs.push_back(BatchJob{n, items[n], output, BatchOutputKind(items[n].text)});
  }
  return jobs;
}

}  // namespace graphitine
