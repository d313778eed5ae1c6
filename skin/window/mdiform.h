#pragma once
// TSkinMDIForm: the skinned frame of an MDI frame window (a window holding a QMdiArea). It takes
// the window over as TSkinForm does (frame, shape, maximizing, resizing, Alt+Space) and puts a
// title bar and a menu bar at the window's top, above the MDI area. The menu bar shows the
// active child's menu (that of the child's TSkinForm), else the frame's own; while a child is
// maximized, three buttons at the bar's right minimize, restore and close it, and the title bar
// shows the frame window's title.
//
//   auto* skin = new TSkinMDIForm(frameWindow);  // frameWindow holds a QMdiArea
//   skin->SetUIStyle(TSkinUIStyle::MacOS);
#include <QMdiArea>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "skin/look/component.h"
#include "skin/look/filetheme.h"

class QMdiSubWindow;
class SkinFrameWindow;
class SkinMDIFrameHost;
class SkinMDIFrameTop;
class TSkinMenuBar;
class TSkinTitleBar;
struct SkinFormLook;

class TSkinMDIForm : public QObject, public SkinLookReceiver {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(QMenu* Menu READ Menu WRITE SetMenu)
  Q_PROPERTY(TColor MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE SetTitleBarDrawAppIcon)
  Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE SetTitleBarCustom)
  Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE SetTitleBarVisible)
  Q_PROPERTY(bool TitleBarDrawChildCaptions READ TitleBarDrawChildCaptions WRITE
                 SetTitleBarDrawChildCaptions)
  Q_PROPERTY(
      bool TitleBarDrawChildMenus READ TitleBarDrawChildMenus WRITE SetTitleBarDrawChildMenus)
  Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
  Q_PROPERTY(int RoundCornerBottom READ RoundCornerBottom WRITE SetRoundCornerBottom)

 public:
  // Raises SkinError when owner is no window.
  explicit TSkinMDIForm(QWidget* owner);
  ~TSkinMDIForm() override;

  TSkinUIStyle UIStyle() const { return look_.UIStyle(); }
  void SetUIStyle(TSkinUIStyle style) { look_.SetUIStyle(style); }
  TSkinFileTheme* FileTheme() const { return look_.FileTheme(); }
  void SetFileTheme(TSkinFileTheme* theme) { look_.SetFileTheme(theme); }
  void SetLook(TSkinUIStyle style, TSkinFileTheme* theme) override { look_.SetLook(style, theme); }

  // The frame's own menu, shown while the active child has none.
  QMenu* Menu() const { return menu_; }
  void SetMenu(QMenu* menu);
  TColor MenuBarColor() const { return menuBarColor_; }
  void SetMenuBarColor(TColor value);
  TColor BorderColor() const;
  void SetBorderColor(TColor value);
  QString Caption() const;
  void SetCaption(const QString& value);
  bool TitleBarDrawAppIcon() const;
  void SetTitleBarDrawAppIcon(bool value);
  bool TitleBarCustom() const;
  void SetTitleBarCustom(bool value);
  bool TitleBarVisible() const { return titleBarVisible_; }
  void SetTitleBarVisible(bool value);
  // Kept only.
  bool TitleBarDrawChildCaptions() const { return drawChildCaptions_; }
  void SetTitleBarDrawChildCaptions(bool value) { drawChildCaptions_ = value; }
  // The menu bar shows the active child's menu.
  bool TitleBarDrawChildMenus() const { return drawChildMenus_; }
  void SetTitleBarDrawChildMenus(bool value);
  int RoundCorner() const;
  void SetRoundCorner(int value);
  int RoundCornerBottom() const;
  void SetRoundCornerBottom(int value);

  TSkinTitleBar* TitleBar() const;
  TSkinMenuBar* MenuBar() const;
  // The buttons that minimize, restore and close a maximized child, in that order.
  QList<QWidget*> ControlButtons() const;
  QMdiArea* MDIClient() const { return client_; }

  // Children not minimized, from the last to the first, 0.8 × 0.6 of the area each, placed from
  // the area's top-left corner 22 pixels further right and down each.
  void Cascade();
  void Tile();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  friend class SkinMDIFrameHost;
  friend class SkinMDIFrameTop;

  void LookChanged();
  void AttachClient();
  void ChildActivated();
  // The menu the bar shows now: the active child's, else the frame's own.
  QMenu* ShownMenu() const;
  void UpdateMenuBar();
  void UpdateControlButtons();
  QMdiSubWindow* MaximizedChild() const;
  void Relayout();

  SkinComponent look_;
  std::unique_ptr<SkinFormLook> frameLook_;
  SkinMDIFrameTop* top_;
  QPointer<QMenu> menu_;
  QPointer<QMdiArea> client_;
  TColor menuBarColor_ = 0;
  bool titleBarVisible_ = true;
  bool drawChildCaptions_ = true;
  bool drawChildMenus_ = true;
  std::unique_ptr<SkinMDIFrameHost> frameHost_;
  std::unique_ptr<SkinFrameWindow> frame_;
};
