#pragma once
// TSkinNoticePopForm: a short notice in a small borderless window at the bottom-right corner of
// the work area (a title line and a centred message over the NOTICEPOPFORM picture). Popup
// slides the window up into view; it stays for StayTime after the slide-in and slides down
// again, or goes at once through the close box in its picture. Close slides it out early. The
// look does not follow the UI styles: the picture is always the same.
//
// Events, each raised with the component as sender: OnShow just before the window shows,
// OnClick and OnTitleClick for clicks on the window, OnClose once the window has gone.
#include <QObject>
#include <QString>
#include <memory>

#include "skin/base/font.h"

class TfrmNoticePopForm;

class TSkinNoticePopForm : public QObject {
  Q_OBJECT
  Q_PROPERTY(int AnimateTime READ AnimateTime WRITE SetAnimateTime)
  Q_PROPERTY(int StayTime READ StayTime WRITE SetStayTime)
  Q_PROPERTY(int PositionX READ PositionX WRITE SetPositionX)
  Q_PROPERTY(int PositionY READ PositionY WRITE SetPositionY)
  Q_PROPERTY(bool AutoPosition READ AutoPosition WRITE SetAutoPosition)
  Q_PROPERTY(bool ClickHide READ ClickHide WRITE SetClickHide)
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  Q_PROPERTY(QString MessageText READ MessageText WRITE SetMessageText)
  Q_PROPERTY(SkinFont TitleFont READ TitleFont WRITE SetTitleFont)
  Q_PROPERTY(SkinFont MessageFont READ MessageFont WRITE SetMessageFont)

 public:
  static constexpr TColor kDefaultFontColor = 0x800000;  // navy

  explicit TSkinNoticePopForm(QObject* owner = nullptr);
  ~TSkinNoticePopForm() override;  // the window goes first

  // Milliseconds of the slide in and of the slide out.
  int AnimateTime() const { return animateTime_; }
  void SetAnimateTime(int ms) { animateTime_ = ms; }
  // Milliseconds from the end of the slide-in until the window goes by itself.
  int StayTime() const { return stayTime_; }
  void SetStayTime(int ms) { stayTime_ = ms; }
  // The window's top-left corner when AutoPosition is off.
  int PositionX() const { return positionX_; }
  void SetPositionX(int x) { positionX_ = x; }
  int PositionY() const { return positionY_; }
  void SetPositionY(int y) { positionY_ = y; }
  bool AutoPosition() const { return autoPosition_; }
  void SetAutoPosition(bool value) { autoPosition_ = value; }
  // A click on the window body or the message also slides the window out.
  bool ClickHide() const { return clickHide_; }
  void SetClickHide(bool value) { clickHide_ = value; }
  // Texts and fonts reach the window at the next Popup.
  const QString& Title() const { return title_; }
  void SetTitle(const QString& value) { title_ = value; }
  const QString& MessageText() const { return messageText_; }
  void SetMessageText(const QString& value) { messageText_ = value; }
  const SkinFont& TitleFont() const { return titleFont_; }
  void SetTitleFont(const SkinFont& font) { titleFont_ = font; }
  const SkinFont& MessageFont() const { return messageFont_; }
  void SetMessageFont(const SkinFont& font) { messageFont_ = font; }

  // Hands the settings, texts and fonts to the window, raises OnShow, places the window and
  // shows it. While the notice is shown it stays shown and its stay starts again; a slide still
  // running ends first (a slide-out with its OnClose).
  void Popup();
  // Slides the window out now; nothing when it is hidden.
  void Close();

  TfrmNoticePopForm* NoticeWindow() const { return window_.get(); }

 signals:
  void OnTitleClick();
  void OnClick();
  void OnClose();
  void OnShow();

 private:
  std::unique_ptr<TfrmNoticePopForm> window_;
  int animateTime_ = 400;
  int stayTime_ = 2000;
  int positionX_ = 0;
  int positionY_ = 0;
  bool autoPosition_ = true;
  bool clickHide_ = false;
  QString title_;
  QString messageText_;
  SkinFont titleFont_{QFont(), kDefaultFontColor};
  SkinFont messageFont_{QFont(), kDefaultFontColor};
};
