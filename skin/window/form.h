#pragma once
// TSkinForm: the skinned frame of a window. Created over a window, it takes the window's frame
// over for its lifetime: the platform's frame and caption go, and the window shows instead an
// outer line and a band in the body colour at its edges, a title bar at its top (caption,
// buttons, system menu), optionally a menu bar below it, rounded corners where the look has
// them, and its contents below. A sizeable window resizes by its edges; dragging the title bar
// moves it; maximizing puts it on the work area of its screen.
//
//   auto* skin = new TSkinForm(window);      // window: a top-level widget
//   skin->SetUIStyle(TSkinUIStyle::MacOS);
//   skin->SetBorderStyle(bsDialog);          // not resizable
//   skin->SetCaption("Batch");
//   skin->SetPanel(contents);                // fills the area below the title and menu bars
//   skin->SetMenu(mainMenu);                 // optional: a TSkinMainMenu in a menu bar
//
// Controls created on the window (or on its panel) start in the form's look. Keyboard shortcuts
// of the menu work while the window is active; Alt+Space opens the system menu.
//
// Only a window (or a window shown as an MDI child) is taken over, and only by the first
// TSkinForm on it: any other stays a plain panel. Deleting the form gives the window its
// platform frame back.
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QString>
#include <memory>

#include "skin/base/widget.h"
#include "skin/window/formborderstyle.h"
#include "skin/window/titlebar.h"
#include "skin/window/titlebarhost.h"

class QAction;
class SkinFormFrameHost;
class SkinFrameWindow;
class SkinMenuTree;
class TSkinMenuBar;
struct SkinFormFrame;
struct SkinFormLook;

class TSkinForm : public TSkinWidget, public SkinTitleBarHost {
  Q_OBJECT
  Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE SetTitleBarCustom)
  Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE SetUIStyleAutoUpdateSub)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE SetTitleBarVisible)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QWidget* FormPanel READ FormPanel WRITE SetPanel)
  Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE SetDrawAppIcon)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(QMenu* Menu READ Menu WRITE SetMenu)
  Q_PROPERTY(TColor MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
  Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE SetMenuBarHeight)
  Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
  Q_PROPERTY(int RoundCornerBottom READ RoundCornerBottom WRITE SetRoundCornerBottom)
  Q_PROPERTY(QString Version READ Version WRITE SetVersion)
  Q_PROPERTY(SkinFormEnums::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)

 public:
  explicit TSkinForm(QWidget* owner = nullptr);
  ~TSkinForm() override;

  // Whether this form took its owner's window over (else it is a plain panel).
  bool TookOver() const { return frame_ != nullptr; }
  TSkinTitleBar* TitleBar() const { return titleBar_; }
  // The menu bar, present while a menu is set.
  TSkinMenuBar* MenuBar() const { return menuBar_; }

  bool TitleBarCustom() const { return titleBar_->Custom(); }
  void SetTitleBarCustom(bool value) { titleBar_->SetCustom(value); }
  // Hands every new look down to the form's direct children.
  bool UIStyleAutoUpdateSub() const { return autoUpdateSub_; }
  void SetUIStyleAutoUpdateSub(bool value) { autoUpdateSub_ = value; }
  TColor BorderColor() const;
  void SetBorderColor(TColor value);
  int BorderWidth() const;
  void SetBorderWidth(int value);
  bool TitleBarVisible() const { return titleBarVisible_; }
  void SetTitleBarVisible(bool value);
  // The title bar's text, kept equal to the window's title.
  QString Caption() const { return titleBar_->Caption(); }
  void SetCaption(const QString& value);
  // The form's contents: a panel laid over the whole area below the title and menu bars.
  // Raises SkinError when given the form itself.
  QWidget* FormPanel() const { return panel_; }
  void SetPanel(QWidget* panel);
  bool TitleBarDrawAppIcon() const { return titleBar_->DrawAppIcon(); }
  void SetDrawAppIcon(bool value) { titleBar_->SetDrawAppIcon(value); }
  // The caption's font.
  QFont Font() const { return titleBar_->font(); }
  void SetFont(const QFont& value) { titleBar_->setFont(value); }
  // The menu shown in the menu bar; the bar exists exactly while a menu is set.
  QMenu* Menu() const { return menu_; }
  void SetMenu(QMenu* menu);
  TColor MenuBarColor() const { return menuBarColor_; }
  void SetMenuBarColor(TColor value);
  int MenuBarHeight() const { return menuBarHeight_; }
  void SetMenuBarHeight(int value);
  // The corner radii of the window's shape; both read 0 while the title bar is hidden.
  int RoundCorner() const;
  void SetRoundCorner(int value);
  int RoundCornerBottom() const;
  void SetRoundCornerBottom(int value);
  QString Version() const { return QStringLiteral("1.0"); }
  void SetVersion(const QString&) {}
  // A sizeable window resizes by its edges. bsNone, bsSingle and bsToolWindow become bsDialog.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);

  void PaintFormBorder();
  void RegionWindow();
  void ReAssign();

  // What the title bar acts on.
  int SideBorderWidth() const override;
  QPoint TitleBarOffset() const override;
  bool IsMDIFrame() const override { return false; }
  QWidget* FormWindow() const override;
  bool FormMaximized() const override;
  void SetFormMaximized(bool maximized) override;

 signals:
  void OnTitleBarCustomBtnsClick(QObject* sender, int buttonIndex);
  void OnTitleBarHelpBtnClick(QObject* sender, int buttonIndex);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool event(QEvent* e) override;
  void ColorChanged() override;
  bool HandsLookDown() const override { return autoUpdateSub_; }
  void FileThemeGone() override;

 private:
  friend class SkinFormFrameHost;  // what the frame window asks of the form

  void LookChanged() override;
  SkinFormFrame Frame(const QSize& window) const;
  QRegion Shape(const QSize& window) const;
  bool Sizeable() const;
  void FrameChanged();
  void PopupSystemMenu();

  bool TitleBarShown() const;
  void LayoutContents();
  void CreateMenuBar();
  void DestroyMenuBar();
  // The menu's items are added to the window, so that their shortcuts work while it is active.
  void RouteShortcut(QAction* item);
  void UnrouteShortcut(QAction* item);
  void UnrouteShortcuts();

  TSkinTitleBar* titleBar_;
  TSkinMenuBar* menuBar_ = nullptr;
  QPointer<QMenu> menu_;
  QPointer<QWidget> panel_;
  std::unique_ptr<SkinFormFrameHost> frameHost_;
  std::unique_ptr<SkinFrameWindow> frame_;
  std::unique_ptr<SkinMenuTree> menuItems_;  // the menu's items, followed as the menu changes
  QSet<QAction*> routed_;                    // the items added to the window for their keys
  std::unique_ptr<SkinFormLook> frameLook_;  // the frame's colours, width and pictures
  bool autoUpdateSub_ = false;
  bool titleBarVisible_ = true;
  TColor menuBarColor_ = 0;
  int menuBarHeight_ = 22;
  TFormBorderStyle borderStyle_ = bsSizeable;
};
