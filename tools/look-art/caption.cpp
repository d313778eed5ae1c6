#include "caption.h"

namespace art {

namespace {

QImage Band(const CaptionDesign& design, int width, int height) {
  QImage band = Layer(width, height);
  Pen p(&band);
  design.band(p, QRectF(0, 0, width, height));
  return band;
}

QImage TitlePiece(const CaptionDesign& design, QSize size,
                  const std::function<void(QPainter&, const QSizeF&)>& decorate) {
  QImage piece = Band(design, size.width(), size.height());
  if (decorate) {
    Pen p(&piece);
    decorate(p, QSizeF(size));
  }
  return Over(piece, QColor(Qt::black));
}

}  // namespace

Pictures CaptionPictures(const Look& look, const CaptionDesign& design) {
  const LookSizes& size = look.size;
  Pictures pictures;
  pictures.push_back(
      {look.prefix + "_TITLE_LEFT", TitlePiece(design, size.titleLeft, design.decorateLeft)});
  pictures.push_back({look.prefix + "_TITLE_CLIENT", TitlePiece(design, size.titleClient, {})});
  pictures.push_back(
      {look.prefix + "_TITLE_RIGHT", TitlePiece(design, size.titleRight, design.decorateRight)});

  const bool keyed = GetInsideThemeBool(look.style, 6);
  const int buttonTop = GetInsideThemeInt(look.style, 9);
  const QSize frame = size.captionButton;
  const QImage band = Over(Band(design, frame.width(), size.titleLeft.height()), QColor(Qt::black));
  std::vector<QImage> frames;
  for (CaptionKind kind : {CaptionKind::ControlBox, CaptionKind::Help, CaptionKind::Maximize,
                           CaptionKind::Restore, CaptionKind::Minimize, CaptionKind::Close}) {
    // The control box is drawn one row higher than the other buttons.
    const int top = buttonTop - (kind == CaptionKind::ControlBox ? 1 : 0);
    const QImage behind = band.copy(0, top, frame.width(), frame.height());
    for (CaptionState state : {CaptionState::Normal, CaptionState::Hover, CaptionState::Pressed}) {
      QImage layer = Layer(frame.width(), frame.height());
      {
        Pen p(&layer);
        design.button(p, QRectF(QPointF(0, 0), QSizeF(frame)), kind, state);
      }
      frames.push_back(keyed ? KeyedOn(layer, behind) : Over(layer, behind));
    }
  }
  pictures.push_back({look.prefix + "_TITLEBTN", Strip(frames)});
  return pictures;
}

Symbol CaptionSign(CaptionKind kind) {
  switch (kind) {
    case CaptionKind::ControlBox:
      return Symbol::SystemMenu;
    case CaptionKind::Help:
      return Symbol::Help;
    case CaptionKind::Maximize:
      return Symbol::Maximize;
    case CaptionKind::Restore:
      return Symbol::Restore;
    case CaptionKind::Minimize:
      return Symbol::Minimize;
    case CaptionKind::Close:
      break;
  }
  return Symbol::Close;
}

}  // namespace art
