#pragma once
// A panel that shows a picture (plainly, stretched or tiled) and a caption instead of bevels.
// With Transparent on, the parent shows through wherever the panel paints nothing: outside the
// picture, and through the picture's key colour (its bottom-left pixel).
#include <QImage>
#include <QString>
#include <QWidget>

#include "skin/base/enums.h"
#include "skin/look/builtinlooks.h"

class TSkinCustomPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(SkinSharedEnums::TSkinDrawStyle DrawStyle READ DrawStyle WRITE SetDrawStyle)
  Q_PROPERTY(SkinSharedEnums::TAlign Align READ Align WRITE SetAlign)
  Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)

 public:
  explicit TSkinCustomPanel(QWidget* parent = nullptr);

  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TSkinDrawStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(TSkinDrawStyle value);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  // Horizontal placement of a caption without a fixed position: left, right or centre.
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment value);
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  // The gap kept free around child controls.
  int BorderWidth() const { return contentsMargins().left(); }
  void SetBorderWidth(int value);
  // A fixed caption position; -1 on either axis places the caption by Alignment instead.
  void SetCaptionPosX(int x);
  void SetCaptionPosY(int y);

 signals:
  void OnClick();
  void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

 protected:
  // Called when the caption changes, before the repaint; derived panels redraw their text here.
  virtual void RepaintText(const QRect& rect);
  // Called whenever Picture receives a new graphic.
  virtual void PictureChanged();

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ApplyAutoSize();
  void ApplyTransparent();
  void PaintCaption(QPainter& painter);

  QImage picture_;
  QImage face_;  // picture_ as drawn: with its key colour see-through while Transparent
  bool transparent_ = false;
  bool autoSize_ = false;
  int captionX_ = -1;
  int captionY_ = -1;
  TSkinDrawStyle drawStyle_ = skinNormal;
  TAlign align_ = alNone;
  Qt::Alignment alignment_ = Qt::AlignHCenter;
  QString caption_;
  TColor color_;
  bool pressed_ = false;  // a left press that may become a click
};
