#pragma once
// The background pieces of a title bar and their collection. Only the first three sections are
// painted, by position: the first as the left piece, the second as the right piece, the third
// stretched between them; Align, Width and Stretch do not move them.
#include <QImage>

#include "skin/window/collection.h"
#include "skin/window/titlebarenums.h"

class TSkinTitleBarSection;
using TSkinTitleBarSections = SkinCollection<TSkinTitleBarSection>;

class TSkinTitleBarSection {
 public:
  // When set, Width follows the picture's width.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  int Width() const { return width_; }
  void SetWidth(int value);
  // skinClient also sets Stretch. Raises SkinError when another section of the collection is
  // skinClient already; the alignment then stays.
  TSkinTitleBarAlign Align() const { return align_; }
  void SetAlign(TSkinTitleBarAlign value);
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);

  void AssignSettings(const TSkinTitleBarSection& other);

 private:
  friend class SkinCollection<TSkinTitleBarSection>;
  explicit TSkinTitleBarSection(TSkinTitleBarSections* collection) : collection_(collection) {}
  void FollowPicture();

  TSkinTitleBarSections* collection_;
  bool autoSize_ = false;
  int width_ = 10;
  TSkinTitleBarAlign align_ = skinLeft;
  QImage picture_;
  bool stretch_ = false;
};
