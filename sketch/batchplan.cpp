#include "sketch/batchplan.h"

#include <filesystem>
#include <system_error>

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

BatchJob NameBatchJob(std::size_t index, const PictureItem& item, const std::string& outputFolder,
                      std::unordered_set<std::string>& taken) {
  auto inUse = [&](const std::string& name) {
    std::error_code ec;
    return taken.count(name) != 0 ||
           std::filesystem::exists(std::filesystem::symlink_status(name, ec));
  };
  const std::string wanted = BatchOutputName(outputFolder, item.text);
  std::string output = wanted;
  if (inUse(output)) {
    const std::string number = std::to_string(index);
    output = InsertBeforeLastDot(wanted, number);
    for (int further = 1; inUse(output); ++further) {
      output = InsertBeforeLastDot(wanted, number + "-" + std::to_string(further));
    }
  }
  taken.insert(output);
  return BatchJob{index, item, output, BatchOutputKind(item.text)};
}

std::vector<BatchJob> PlanBatch(const std::vector<PictureItem>& items,
                                const std::string& outputFolder) {
  std::unordered_set<std::string> taken;
  std::vector<BatchJob> jobs;
  jobs.reserve(items.size());
  for (std::size_t n = 0; n < items.size(); ++n) {
    jobs.push_back(NameBatchJob(n, items[n], outputFolder, taken));
  }
  return jobs;
}

}  // namespace graphitine
