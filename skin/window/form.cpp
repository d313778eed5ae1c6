#include "skin/window/form.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QMdiSubWindow>
#include <QPainter>
#include <algorithm>

#include "skin/base/error.h"
#include "skin/containers/custompanel.h"
#include "skin/look/stylechoice.h"
#include "skin/window/formframe_p.h"
#include "skin/window/formlook_p.h"
#include "skin/window/framewindow_p.h"
#include "skin/window/menubar.h"
#include "skin/window/menubase.h"
#include "skin/window/menutree_p.h"

namespace {

constexpr int kMinimumWidth = 125;
constexpr int kMinimumHeight = 50;

// A window, or a widget shown as an MDI child: what a skinned form can take over.
bool IsForm(const QWidget* owner) {
  return owner != nullptr &&
         (owner->isWindow() || qobject_cast<const QMdiSubWindow*>(owner->parentWidget()));
}

// Whether the owner carries a skinned form other than `self` already.
bool HasOtherSkinForm(const QWidget* owner, const QObject* self) {
  for (const QObject* child : owner->children()) {
    if (child != self && child->inherits("TSkinForm")) return true;
  }
  return false;
}

}  // namespace

// What the frame window asks of the form.
class SkinFormFrameHost : public SkinFrameHost {
 public:
  explicit SkinFormFrameHost(TSkinForm* form) : form_(form) {}
  SkinFormFrame Frame(const QSize& window) const override { return form_->Frame(window); }
  QRegion Shape(const QSize& window) const override { return form_->Shape(window); }
  bool Sizeable() const override { return form_->Sizeable(); }
  int HeadHeight() const override { return 0; }  // the form holds its bars itself
  void FrameChanged() override { form_->FrameChanged(); }
  void FrameActivated(bool active) override { form_->titleBar_->SetActive(active); }
  void FrameCaptionChanged(const QString& caption) override {
    form_->titleBar_->SetCaption(caption);
  }
  void PopupSystemMenu() override { form_->PopupSystemMenu(); }

 private:
  TSkinForm* form_;
};

TSkinForm::TSkinForm(QWidget* owner)
    : TSkinWidget(owner),
      menuItems_(std::make_unique<SkinMenuTree>()),
      frameLook_(std::make_unique<SkinFormLook>()) {
  connect(menuItems_.get(), &SkinMenuTree::ItemAdded, this, &TSkinForm::RouteShortcut);
  connect(menuItems_.get(), &SkinMenuTree::ItemRemoved, this, &TSkinForm::UnrouteShortcut);
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  titleBar_ = new TSkinTitleBar(this);
  connect(titleBar_, &TSkinTitleBar::OnCustomBtnsClick, this,
          &TSkinForm::OnTitleBarCustomBtnsClick);
  connect(titleBar_, &TSkinTitleBar::OnHelpBtnClick, this, &TSkinForm::OnTitleBarHelpBtnClick);
  if (IsForm(owner) && !HasOtherSkinForm(owner, this)) {
    titleBar_->SetCaption(owner->windowTitle());
    frameHost_ = std::make_unique<SkinFormFrameHost>(this);
    frame_ = std::make_unique<SkinFrameWindow>(owner, frameHost_.get());
  }
  titleBar_->setVisible(TitleBarShown());
  SetUIStyle(TSkinUIStyle::DeepBlue);
}

TSkinForm::~TSkinForm() {
  if (frame_ != nullptr && frame_->OwnerAlive()) UnrouteShortcuts();
  // The window gets its platform frame back while the form is still whole.
  frame_.reset();
}

bool TSkinForm::TitleBarShown() const {
  if (!titleBarVisible_ || frame_ == nullptr) return false;
  // A maximized MDI child lends its caption to the frame window.
  return frame_->SubWindow() == nullptr || !frame_->IsMaximized();
}

void TSkinForm::LookChanged() {
  *frameLook_ = ReadFormLook(Look());
  SetColor(frameLook_->bodyColor);
  if (!Look().UsesFileTheme() || menuBar_ != nullptr) menuBarColor_ = frameLook_->menuBarColor;
  titleBar_->SetLook(UIStyle(), FileTheme());
  if (auto* skinned = qobject_cast<SkinMenuBase*>(menu_.data())) {
    skinned->SetLook(UIStyle(), FileTheme());
  } else if (menuBar_ != nullptr) {
    menuBar_->SetLook(UIStyle(), FileTheme());
  }
  if (menuBar_ != nullptr) menuBar_->SetColor(menuBarColor_);
  if (frame_ != nullptr) frame_->Refresh();
}

// Losing the theme turns the children to DeepBlue too; the form follows.
void TSkinForm::FileThemeGone() {
  ContainerApplyUIStyle(this, TSkinUIStyle::DeepBlue, nullptr);
  TSkinWidget::FileThemeGone();
}

void TSkinForm::ColorChanged() { PaintFormBorder(); }

SkinFormFrame TSkinForm::Frame(const QSize& window) const {
  SkinFormLook look = *frameLook_;
  look.bodyColor = Color();
  return FormFrameOf(window, look, *titleBar_, TitleBarShown(), menuBar_, menuBarColor_,
                     RoundCorner());
}

QRegion TSkinForm::Shape(const QSize& window) const {
  return FormRegion(window, RoundCorner(), RoundCornerBottom());
}

bool TSkinForm::Sizeable() const {
  return borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin;
}

void TSkinForm::FrameChanged() {
  setGeometry(frame_->Owner()->contentsRect());
  titleBar_->setVisible(TitleBarShown());
  titleBar_->ProcessMaxBtn();
  LayoutContents();
}

void TSkinForm::PopupSystemMenu() {
  const QRect window = FormWindow()->frameGeometry();
  titleBar_->PopupSystemMenu(window.left(), window.top() + titleBar_->height());
}

int TSkinForm::SideBorderWidth() const { return frameLook_->rightBorder.width(); }

QPoint TSkinForm::TitleBarOffset() const {
  if (frame_ == nullptr) return QPoint();
  const QMargins margins = frame_->Margins();
  return QPoint(margins.left(), margins.top());
}

QWidget* TSkinForm::FormWindow() const {
  return frame_ != nullptr ? frame_->FrameWindow() : window();
}

bool TSkinForm::FormMaximized() const {
  return frame_ != nullptr ? frame_->IsMaximized() : window()->isMaximized();
}

void TSkinForm::SetFormMaximized(bool maximized) {
  if (frame_ != nullptr) frame_->SetMaximized(maximized);
}

void TSkinForm::LayoutContents() {
  int top = 0;
  if (TitleBarShown()) {
    titleBar_->setGeometry(0, 0, width(), titleBar_->sizeHint().height());
    top = titleBar_->height();
  }
  if (menuBar_ != nullptr) {
    menuBar_->setGeometry(0, top, width(), menuBar_->heightForWidth(width()));
    top += menuBar_->height();
  }
  setContentsMargins(0, top, 0, 0);
  if (panel_ != nullptr) panel_->setGeometry(0, top, width(), height() - top);
}

void TSkinForm::resizeEvent(QResizeEvent* e) {
  TSkinWidget::resizeEvent(e);
  LayoutContents();
}

bool TSkinForm::event(QEvent* e) {
  // The title bar or the menu bar asks for another height.
  if (e->type() == QEvent::LayoutRequest) {
    LayoutContents();
    PaintFormBorder();
  }
  return TSkinWidget::event(e);
}

void TSkinForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (frameLook_->bodyPattern.isNull()) {
    painter.fillRect(rect(), FaceColor());
  } else {
    painter.fillRect(rect(), QBrush(frameLook_->bodyPattern));
  }
}

void TSkinForm::PaintFormBorder() {
  if (frame_ != nullptr) frame_->RepaintFrame();
}

void TSkinForm::RegionWindow() {
  if (frame_ != nullptr) frame_->ApplyShape();
}

void TSkinForm::ReAssign() {
  if (frame_ != nullptr) frame_->ReAssign();
}

TColor TSkinForm::BorderColor() const { return frameLook_->borderColor; }

int TSkinForm::BorderWidth() const { return frameLook_->borderWidth; }

void TSkinForm::SetBorderColor(TColor value) {
  if (value == frameLook_->borderColor) return;
  frameLook_->borderColor = value;
  PaintFormBorder();
}

void TSkinForm::SetBorderWidth(int value) {
  if (value == frameLook_->borderWidth) return;
  frameLook_->borderWidth = value;
  if (frame_ != nullptr) frame_->Refresh();
}

void TSkinForm::SetTitleBarVisible(bool value) {
  if (value == titleBarVisible_) return;
  titleBarVisible_ = value;
  titleBar_->setVisible(TitleBarShown());
  LayoutContents();
  PaintFormBorder();
  RegionWindow();
}

void TSkinForm::SetCaption(const QString& value) {
  titleBar_->SetCaption(value);
  if (frame_ != nullptr) frame_->Owner()->setWindowTitle(value);
}

void TSkinForm::SetPanel(QWidget* panel) {
  if (panel == this)
    throw SkinError(QCoreApplication::translate(
        "SkinError", "Sorry, you can't select the Form assign to FormPanel property"));
  if (panel == panel_) return;
  panel_ = panel;
  if (panel == nullptr) return;
  if (panel->parentWidget() != this) panel->setParent(this);
  if (auto* frame = qobject_cast<QFrame*>(panel)) frame->setFrameShape(QFrame::NoFrame);
  if (auto* pictured = qobject_cast<TSkinCustomPanel*>(panel)) pictured->SetCaption(QString());
  panel->show();
  LayoutContents();
}

int TSkinForm::RoundCorner() const { return TitleBarShown() ? titleBar_->RoundCorner() : 0; }

void TSkinForm::SetRoundCorner(int value) {
  titleBar_->SetRoundCorner(value);
  RegionWindow();
}

int TSkinForm::RoundCornerBottom() const {
  if (!TitleBarShown()) return 0;
  return std::max(0, titleBar_->RoundCornerBottom());
}

void TSkinForm::SetRoundCornerBottom(int value) {
  titleBar_->SetRoundCornerBottom(value);
  RegionWindow();
}

void TSkinForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == bsNone || value == bsSingle || value == bsToolWindow) value = bsDialog;
  borderStyle_ = value;
}

void TSkinForm::SetMenu(QMenu* menu) {
  if (menu == menu_) return;
  UnrouteShortcuts();
  if (menu_ != nullptr) disconnect(menu_, nullptr, this, nullptr);
  menu_ = menu;
  if (menu == nullptr) {
    DestroyMenuBar();
    return;
  }
  // A menu deleted elsewhere takes the bar with it.
  connect(menu, &QObject::destroyed, this, [this] { DestroyMenuBar(); });
  // An MDI child's menu shows in the frame window's bar.
  if (frame_ != nullptr && frame_->SubWindow() != nullptr) return;
  CreateMenuBar();
  // A skinned menu gives the bar its own look; any other menu shows in the form's.
  if (qobject_cast<SkinMenuBase*>(menu) == nullptr) menuBar_->SetLook(UIStyle(), FileTheme());
  menuBar_->SetMenu(menu);
  if (frame_ != nullptr) menuItems_->SetRoot(menu);
}

void TSkinForm::CreateMenuBar() {
  if (menuBar_ != nullptr) return;
  menuBar_ = new TSkinMenuBar(this);
  menuBar_->SetButtonHeight(menuBarHeight_);
  menuBar_->SetColor(menuBarColor_);
  menuBar_->show();
  LayoutContents();
  PaintFormBorder();
}

void TSkinForm::DestroyMenuBar() {
  UnrouteShortcuts();
  delete menuBar_;
  menuBar_ = nullptr;
  menu_ = nullptr;
  LayoutContents();
  PaintFormBorder();
}

void TSkinForm::SetMenuBarColor(TColor value) {
  if (value == menuBarColor_) return;
  menuBarColor_ = value;
  if (menuBar_ != nullptr) menuBar_->SetColor(value);
  PaintFormBorder();
}

void TSkinForm::SetMenuBarHeight(int value) {
  if (value == menuBarHeight_) return;
  menuBarHeight_ = value;
  if (menuBar_ != nullptr) menuBar_->SetButtonHeight(value);
  LayoutContents();
  PaintFormBorder();
}

void TSkinForm::RouteShortcut(QAction* item) {
  if (frame_ == nullptr) return;
  QWidget* owner = frame_->Owner();
  if (item->associatedObjects().contains(owner)) return;  // the window has it already
  owner->addAction(item);
  routed_.insert(item);
}

void TSkinForm::UnrouteShortcut(QAction* item) {
  if (routed_.remove(item)) frame_->Owner()->removeAction(item);
}

void TSkinForm::UnrouteShortcuts() { menuItems_->SetRoot(nullptr); }
