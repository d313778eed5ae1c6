#pragma once
// TSkinTitleBar: the painted caption strip of a skinned form. It draws a three-piece background,
// the caption buttons from the look's button strip (right-hand buttons, and a control box or the
// application's icon at the left), and the caption, shortened with "..." where it does not fit.
// It moves its window when dragged, maximizes and restores it on a double click, runs its
// buttons, and owns the small system menu. Inside a skinned form it lines its pictures up with
// the form's frame; it can also stand on any window alone.
//
// Buttons act on release over a button: pressing one, sliding to another and releasing there
// clicks the second (it shows its pressed picture while held); sliding off every button clicks
// none.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "skin/base/widget.h"
#include "skin/window/titlebarbutton.h"
#include "skin/window/titlebarsection.h"
#include "skin/window/windowdrag_p.h"

class SkinTitleBarHost;
class TSkinTitleBarPopupMenu;

// Where a title bar puts its buttons and caption, in bar pixels.
struct TSkinTitleBarPlacement {
  struct Placed {
    int index;   // in Buttons
    QRect rect;  // the picture's place; the pointer is over the button on any pixel of it or of
                 // the row and column just beyond it
  };
  std::vector<Placed> buttons;  // the right-hand buttons, in collection order
  int controlBox = -1;          // the control box's index, or -1
  QRect controlBoxRect;
  bool appIcon = false;  // the control box shows the window's icon
  int captionLeft = 0;   // where the caption's space begins
  int captionRight = 0;  // the left edge of the leftmost right-hand button
  QPoint captionAt;      // the caption's top-left corner
  QString caption;       // as drawn, shortened to fit
};

class TSkinTitleBar : public TSkinWidget {
  Q_OBJECT
  Q_PROPERTY(bool Custom READ Custom WRITE SetCustom)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(int Height READ height WRITE SetHeight)
  Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE SetButtonInterval)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(bool FormActive READ FormActive WRITE SetActive)
  Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE SetLeftBtnXOffset)
  Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE SetRightBtnXOffset)
  Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE SetDrawAppIcon)
  Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
  Q_PROPERTY(int RoundCornerBottom READ RoundCornerBottom WRITE SetRoundCornerBottom)

 public:
  explicit TSkinTitleBar(QWidget* owner = nullptr);
  ~TSkinTitleBar() override;

  // With Custom on a new look changes nothing: the sections and pictures stay as they are.
  bool Custom() const { return custom_; }
  void SetCustom(bool value);
  // The height follows the first section's picture (3 rows less inside a skinned form, whose
  // frame shows those rows above the bar). Turns itself off while there is no section.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  void SetHeight(int value);
  int ButtonInterval() const { return buttonInterval_; }
  void SetButtonInterval(int value);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& value);
  // The caption's colour while the form is active (the font is the bar's font).
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  bool FormActive() const { return formActive_; }
  void SetActive(bool value);
  int LeftBtnXOffset() const { return leftOffset_; }
  void SetLeftBtnXOffset(int value);
  int RightBtnXOffset() const { return rightOffset_; }
  void SetRightBtnXOffset(int value);
  bool DrawAppIcon() const { return drawAppIcon_; }
  void SetDrawAppIcon(bool value);
  // The corner radii the skinned form cuts its window with; stored only.
  int RoundCorner() const { return roundCorner_; }
  void SetRoundCorner(int value) { roundCorner_ = value; }
  int RoundCornerBottom() const { return roundCornerBottom_; }
  void SetRoundCornerBottom(int value) { roundCornerBottom_ = value; }

  // The buttons (by default control box, close, maximize, minimize) and the background pieces.
  // Setting either copies the given collection.
  TSkinTitleBarButtons& Buttons() { return buttons_; }
  const TSkinTitleBarButtons& Buttons() const { return buttons_; }
  void SetButtons(const TSkinTitleBarButtons& buttons) { buttons_.Assign(buttons); }
  TSkinTitleBarSections& Sections() { return sections_; }
  const TSkinTitleBarSections& Sections() const { return sections_; }
  void SetSections(const TSkinTitleBarSections& sections);

  // The pictures of the first three sections, null where there is none.
  QImage GetLeftImage() const { return SectionPicture(0); }
  QImage GetRightImage() const { return SectionPicture(1); }
  QImage GetCenterImage() const { return SectionPicture(2); }
  // Exactly three sections, each with a picture: the frame can continue them.
  bool CanPaint() const;
  bool InForm() const { return Host() != nullptr; }
  bool InMDIForm() const;

  // Maximize buttons show the restore frames while the form is maximized, else their own.
  void ProcessMaxBtn();
  // Does what the button at index is for: maximize or restore, minimize, close, or pop up the
  // control box's menu.
  void DoClick(int index);
  // The system menu, shown at the screen point (x, y).
  void PopupSystemMenu(int x, int y);
  TSkinTitleBarPopupMenu* SystemMenu() const { return systemMenu_; }
  // The window the buttons act on: the skinned form's window, else the bar's own.
  QWidget* FormWindow() const;
  bool FormMaximized() const;
  // Minimizes the form, or maximizes or restores it.
  void MinimizeForm();
  void SetFormMaximized(bool maximized);

  // The button under the pointer, or -1.
  int HotIndex() const { return hot_; }
  bool IsPressed() const { return pressed_; }
  // Where the buttons and caption are, as last laid out: at a new size, caption, font, look,
  // button or offset, not at every pointer move (shortening the caption is slow).
  const TSkinTitleBarPlacement& Place() const { return placement_; }
  QSize sizeHint() const override;

 signals:
  // After a click on a custom or a help button, with the button's index.
  void OnCustomBtnsClick(QObject* sender, int buttonIndex);
  void OnHelpBtnClick(QObject* sender, int buttonIndex);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void LookChanged() override;
  SkinTitleBarHost* Host() const;
  QImage SectionPicture(int index) const;
  void ApplyAutoSize();
  // The button under the point, or -1.
  int ButtonAt(const QPoint& point) const;
  void TrackPointer(const QPoint& point);
  void SetHot(int index);
  // A click released over the button at index.
  void ButtonReleased(int index);
  void DrawSections(QPainter& painter) const;
  void DrawButtons(QPainter& painter, const TSkinTitleBarPlacement& placement) const;
  const QImage& StatePicture(const TSkinTitleBarButton& button) const;
  void ItemsChanged();
  TSkinTitleBarPlacement LayOut() const;
  void Relayout();
  // Stores a value that only the paint reads, or one the placement depends on.
  template <typename T>
  void Store(T& field, const T& value);
  template <typename T>
  void StorePlaced(T& field, const T& value);

  TSkinTitleBarButtons buttons_;
  TSkinTitleBarSections sections_;
  TSkinTitleBarPopupMenu* systemMenu_;
  bool custom_ = false;
  bool autoSize_ = false;
  int height_ = 0;
  int buttonInterval_ = 0;
  QString caption_;
  TColor fontColor_ = clWhite;
  bool formActive_ = true;
  int leftOffset_ = 0;
  int rightOffset_ = 0;
  bool drawAppIcon_ = false;
  int roundCorner_ = 0;
  int roundCornerBottom_ = 0;
  int stripHeight_ = 0;  // the height of the look's whole button strip
  int buttonTop_ = 0;
  int hot_ = -1;
  bool pressed_ = false;
  TSkinTitleBarPlacement placement_;
  SkinWindowDrag drag_;  // a press on a free part of the bar moves the window
};
