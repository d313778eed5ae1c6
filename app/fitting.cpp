#include "app/fitting.h"

QRect FitPicture(const QSize& area, const QSize& picture) {
  if (picture.isEmpty() || area.isEmpty()) return QRect();
  const auto ratio = [](int num, int den) {
    return static_cast<float>(static_cast<double>(num) / den);
  };
  const float a = ratio(picture.height(), picture.width());
  const float b = ratio(area.height(), area.width());
  int width = area.width();
  int height = area.height();
  if (a > b) {
    width = static_cast<int>(area.height() / static_cast<double>(a));
  } else {
    height = static_cast<int>(area.width() * static_cast<double>(a));
  }
  return QRect((area.width() - width) / 2, (area.height() - height) / 2, width, height);
}
