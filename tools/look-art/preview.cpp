#include "preview.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace art {

void WritePreview(const Pictures& pictures, const QString& path) {
  constexpr int kSheetWidth = 1800;
  constexpr int kGap = 12;
  constexpr int kLabel = 16;
  constexpr int kTallest = 180;  // pictures are enlarged up to this height
  struct Placed {
    const Picture* picture;
    QRect rect;
  };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const Picture& picture : pictures) {
    const QSize size = picture.image.size();
    const int scale = std::clamp(std::min((kSheetWidth - 2 * kGap) / std::max(1, size.width()),
                                          kTallest / std::max(1, size.height())),
                                 1, 8);
    const QSize shown = size * scale;
    const int width = std::max(shown.width(), 150);
    if (x + width > kSheetWidth - kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placed.push_back({&picture, QRect(QPoint(x, y + kLabel), shown)});
    x += width + kGap;
    rowHeight = std::max(rowHeight, shown.height() + kLabel);
  }
  QImage sheet(kSheetWidth, y + rowHeight + kGap, QImage::Format_RGB32);
  sheet.fill(QColor(0x6E, 0x74, 0x7A));
  QPainter p(&sheet);
  p.setFont(QFont("DejaVu Sans", 8));
  p.setPen(Qt::white);
  for (const Placed& item : placed) {
    const QImage& image = item.picture->image;
    p.drawText(item.rect.left(), item.rect.top() - 4,
               QString("%1 %2x%3").arg(item.picture->name).arg(image.width()).arg(image.height()));
    p.drawImage(item.rect, image);
  }
  p.end();
  if (!sheet.save(path, "PNG")) throw std::runtime_error("Cannot write " + path.toStdString());
}

}  // namespace art
