// The look's pictures: every picture entry of the theme, and the fixed-name pictures the look
// uses, enlarged and named.
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "gallery.h"
#include "skin/look/builtinlooks.h"
#include "skin/look/filetheme.h"
#include "skin/look/stylechoice.h"

namespace {

struct NamedPicture {
  QString label;
  QImage picture;
};

// Fixed-name pictures: those of the look and those every look shares.
std::vector<const char*> FixedNames(TSkinUIStyle style) {
  std::vector<const char*> names;
  if (style == TSkinUIStyle::MacOS) {
    names = {"MACOS_FORM_BACKGROUND", "MACOS_MENU_BAR", "MACOS_MENU_SELECT",
             "MACOS_COMBOBOX_BUTTON"};
  } else if (style == TSkinUIStyle::WinXP) {
    names = {"WINXP_COMBOBOX_BUTTON"};
  } else if (style == TSkinUIStyle::Protein) {
    names = {"PROTEIN_FORM_BACKGROUND"};
  }
  for (const char* shared :
       {"MENU_CHECKED", "MDI_CONTROL_BUTTON", "PANEL_BUTTON", "NOTICEPOPFORM"}) {
    names.push_back(shared);
  }
  return names;
}

std::vector<NamedPicture> LookPictures(TSkinUIStyle style, TSkinFileTheme* theme) {
  std::vector<NamedPicture> pictures;
  TSkinUIStyle effective;
  const bool fromFile = UsingFileTheme(theme, style, effective);
  for (int entry = 1; entry <= kSkinThemeEntryCount; ++entry) {
    if (SkinEntryKind(entry) != skinItemBitmap) continue;
    QImage picture;
    if (fromFile) {
      theme->GetBitmap(entry, &picture);
    } else {
      GetInsideThemeBitmap(effective, entry, &picture);
    }
    if (picture.isNull()) continue;
    pictures.push_back({QString("%1 %2  %3x%4")
                            .arg(entry)
                            .arg(SkinEntryName(entry))
                            .arg(picture.width())
                            .arg(picture.height()),
                        picture});
  }
  if (fromFile) return pictures;
  for (const char* name : FixedNames(effective)) {
    const QImage picture = LoadSkinResource(name);
    pictures.push_back(
        {QString("%1  %2x%3").arg(name).arg(picture.width()).arg(picture.height()), picture});
  }
  return pictures;
}

// Lays the pictures out in rows, each enlarged (nearest pixel) as far as the width allows, up
// to three times.
class PictureBoard : public QWidget {
 public:
  explicit PictureBoard(std::vector<NamedPicture> pictures) : pictures_(std::move(pictures)) {
    int bottom = 0;
    for (const QRect& place : Layout()) bottom = std::max(bottom, place.bottom());
    setFixedSize(kWidth, bottom + kGap);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setFont(font());
    const std::vector<QRect> places = Layout();
    for (size_t i = 0; i < pictures_.size(); ++i) {
      const QRect& place = places[i];
      p.setPen(palette().color(QPalette::WindowText));
      p.drawText(place.left(), place.top() - 4, pictures_[i].label);
      p.drawImage(place, pictures_[i].picture);
      p.setPen(QColor(0, 0, 0, 60));
      p.drawRect(place.adjusted(-1, -1, 0, 0));
    }
  }

 private:
  static constexpr int kWidth = 1180;
  static constexpr int kGap = 14;
  static constexpr int kLabel = 16;

  std::vector<QRect> Layout() const {
    std::vector<QRect> places;
    int x = kGap, y = kGap, rowHeight = 0;
    const QFontMetrics metrics(font());
    for (const NamedPicture& item : pictures_) {
      const QSize size = item.picture.size();
      const int scale = std::clamp((kWidth - 2 * kGap) / std::max(1, size.width()), 1, 3);
      const QSize shown = size * scale;
      const int cell = std::max(shown.width(), metrics.horizontalAdvance(item.label));
      if (x > kGap && x + cell > kWidth - kGap) {
        x = kGap;
        y += rowHeight + kGap;
        rowHeight = 0;
      }
      places.push_back(QRect(QPoint(x, y + kLabel), shown));
      x += cell + kGap;
      rowHeight = std::max(rowHeight, shown.height() + kLabel);
    }
    if (places.empty()) places.push_back(QRect(kGap, kGap, 0, 0));
    return places;
  }

  std::vector<NamedPicture> pictures_;
};

const GalleryRegistration kLooks{"Pictures of the look", 0,
                                 [](TSkinUIStyle style, TSkinFileTheme* theme) -> QWidget* {
                                   return new PictureBoard(LookPictures(style, theme));
                                 }};

}  // namespace
