#include "skin/window/mdiform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <array>
#include <functional>

#include "skin/base/buttonbase.h"
#include "skin/base/error.h"
#include "skin/paint/keyedpicture_p.h"
#include "skin/paint/slicing_p.h"
#include "skin/window/form.h"
#include "skin/window/formlook_p.h"
#include "skin/window/framewindow_p.h"
#include "skin/window/menubar.h"
#include "skin/window/menubase.h"
#include "skin/window/titlebar.h"
#include "skin/window/titlebarhost.h"

namespace {

constexpr int kControlButtons = 3;
constexpr int kControlButtonSize = 16;
constexpr int kControlButtonStep = 18;
constexpr int kControlButtonRight = 20;  // the last button's left edge, from the bar's right edge
constexpr int kCascadeStep = 22;

// One of the buttons that act on a maximized child, cut from the MDI control picture.
class SkinMDIControlButton : public SkinButtonBase {
 public:
  SkinMDIControlButton(QWidget* parent, int frame, std::function<void()> action)
      : SkinButtonBase(parent), action_(std::move(action)) {
    SpitBitmap(LoadSkinResource(QStringLiteral("MDI_CONTROL_BUTTON")), picture_, kControlButtons,
               frame);
    picture_ = KeyedPicture(picture_, kSkinKeyColor);
    SetTransparent(true);
    SetTabStop(false);
    resize(kControlButtonSize, kControlButtonSize);
    StartLook(parent);
  }
  void Click() override { action_(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int shift = IsPressed() && IsHovered() ? 1 : 0;
    painter.drawImage(shift, shift, picture_);
  }

 private:
  QImage picture_;
  std::function<void()> action_;
};

}  // namespace

// The top of the frame window: the title bar and, below it, the menu bar with the buttons of a
// maximized child at its right.
class SkinMDIFrameTop : public QWidget, public SkinTitleBarHost {
 public:
  SkinMDIFrameTop(QWidget* owner, TSkinMDIForm* form) : QWidget(owner), form_(form) {
    titleBar = new TSkinTitleBar(this);
    menuBar = new TSkinMenuBar(this);
    menuBar->hide();
    const std::array<std::function<void()>, kControlButtons> actions = {
        [form] {
          if (QMdiSubWindow* child = form->MaximizedChild()) child->showMinimized();
        },
        [form] {
          if (QMdiSubWindow* child = form->MaximizedChild()) child->showNormal();
        },
        [form] {
          if (QMdiSubWindow* child = form->MaximizedChild()) child->close();
        }};
    for (int i = 0; i < kControlButtons; ++i) {
      controls[static_cast<size_t>(i)] =
          new SkinMDIControlButton(this, i + 1, actions[static_cast<size_t>(i)]);
      controls[static_cast<size_t>(i)]->hide();
    }
  }

  // Lays the bars out for a top of the given width; returns the height it takes.
  int Arrange(int width, bool titleShown, bool controlsShown) {
    int y = 0;
    titleBar->setVisible(titleShown);
    if (titleShown) {
      titleBar->setGeometry(0, 0, width, titleBar->sizeHint().height());
      y = titleBar->height();
    }
    const bool menuShown = menuBar->Menu() != nullptr;
    menuBar->setVisible(menuShown);
    int row = 0;
    if (menuShown) {
      const int menuWidth =
          controlsShown ? width - (kControlButtons * kControlButtonStep + 2) : width;
      row = menuBar->heightForWidth(menuWidth);
      menuBar->setGeometry(0, y, menuWidth, row);
    }
    if (controlsShown) row = std::max(row, kControlButtonStep);
    for (int i = 0; i < kControlButtons; ++i) {
      QWidget* button = controls[static_cast<size_t>(i)];
      button->setVisible(controlsShown);
      const int x = width - kControlButtonRight - (kControlButtons - 1 - i) * kControlButtonStep;
      button->move(x, y + (row - kControlButtonSize) / 2);
    }
    return y + row;
  }

  int SideBorderWidth() const override { return form_->frameLook_->rightBorder.width(); }
  QPoint TitleBarOffset() const override { return pos(); }
  bool IsMDIFrame() const override { return true; }
  QWidget* FormWindow() const override { return parentWidget(); }
  bool FormMaximized() const override {
    return form_->frame_ != nullptr && form_->frame_->IsMaximized();
  }
  void SetFormMaximized(bool maximized) override {
    if (form_->frame_ != nullptr) form_->frame_->SetMaximized(maximized);
  }

  TSkinTitleBar* titleBar;
  TSkinMenuBar* menuBar;
  std::array<QWidget*, kControlButtons> controls{};

 private:
  TSkinMDIForm* form_;
};

// What the frame window asks of the MDI form.
class SkinMDIFrameHost : public SkinFrameHost {
 public:
  explicit SkinMDIFrameHost(TSkinMDIForm* form) : form_(form) {}
  SkinFormFrame Frame(const QSize& window) const override {
    const SkinMDIFrameTop& top = *form_->top_;
    const TSkinMenuBar* menuBar = top.menuBar->isHidden() ? nullptr : top.menuBar;
    return FormFrameOf(window, *form_->frameLook_, *top.titleBar, !top.titleBar->isHidden(),
                       menuBar, form_->menuBarColor_, form_->RoundCorner());
  }
  QRegion Shape(const QSize& window) const override {
    return FormRegion(window, form_->RoundCorner(), form_->RoundCornerBottom());
  }
  bool Sizeable() const override { return true; }
  int HeadHeight() const override { return form_->top_->height(); }
  void FrameChanged() override { form_->Relayout(); }
  void FrameActivated(bool active) override { form_->top_->titleBar->SetActive(active); }
  void FrameCaptionChanged(const QString& caption) override {
    form_->top_->titleBar->SetCaption(caption);
  }
  void PopupSystemMenu() override {
    const QRect window = form_->frame_->FrameWindow()->frameGeometry();
    form_->top_->titleBar->PopupSystemMenu(window.left(),
                                           window.top() + form_->top_->titleBar->height());
  }

 private:
  TSkinMDIForm* form_;
};

TSkinMDIForm::TSkinMDIForm(QWidget* owner)
    : QObject(owner),
      look_(this, [this] { LookChanged(); }),
      frameLook_(std::make_unique<SkinFormLook>()) {
  if (owner == nullptr || !owner->isWindow()) {
    throw SkinError(
        QCoreApplication::translate("SkinError", "Sorry, TSkinMDIForm must be placed on a form"));
  }
  top_ = new SkinMDIFrameTop(owner, this);
  top_->titleBar->SetCaption(owner->windowTitle());
  frameHost_ = std::make_unique<SkinMDIFrameHost>(this);
  frame_ = std::make_unique<SkinFrameWindow>(owner, frameHost_.get());
  owner->installEventFilter(this);
  AttachClient();
  look_.SetUIStyle(TSkinUIStyle::DeepBlue);
}

TSkinMDIForm::~TSkinMDIForm() {
  if (frame_->OwnerAlive()) frame_->Owner()->removeEventFilter(this);
  frame_.reset();
}

TSkinTitleBar* TSkinMDIForm::TitleBar() const { return top_->titleBar; }
TSkinMenuBar* TSkinMDIForm::MenuBar() const { return top_->menuBar; }

QList<QWidget*> TSkinMDIForm::ControlButtons() const {
  return QList<QWidget*>(top_->controls.begin(), top_->controls.end());
}

void TSkinMDIForm::LookChanged() {
  *frameLook_ = ReadFormLook(look_);
  menuBarColor_ = frameLook_->menuBarColor;
  top_->titleBar->SetLook(UIStyle(), FileTheme());
  if (auto* skinned = qobject_cast<SkinMenuBase*>(menu_.data()))
    skinned->SetLook(UIStyle(), FileTheme());
  UpdateMenuBar();
  top_->menuBar->SetColor(menuBarColor_);
  frame_->Refresh();
}

void TSkinMDIForm::AttachClient() {
  if (client_ != nullptr) return;
  client_ = frame_->Owner()->findChild<QMdiArea*>();
  if (client_ == nullptr) return;
  connect(client_, &QMdiArea::subWindowActivated, this, &TSkinMDIForm::ChildActivated);
}

void TSkinMDIForm::ChildActivated() {
  if (QMdiSubWindow* active = client_ != nullptr ? client_->activeSubWindow() : nullptr) {
    connect(active, &QMdiSubWindow::windowStateChanged, this, &TSkinMDIForm::UpdateControlButtons,
            Qt::UniqueConnection);
  }
  UpdateMenuBar();
  UpdateControlButtons();
  top_->titleBar->SetCaption(frame_->Owner()->windowTitle());
}

QMdiSubWindow* TSkinMDIForm::MaximizedChild() const {
  if (client_ == nullptr) return nullptr;
  QMdiSubWindow* active = client_->activeSubWindow();
  return active != nullptr && active->isMaximized() ? active : nullptr;
}

QMenu* TSkinMDIForm::ShownMenu() const {
  if (drawChildMenus_ && client_ != nullptr && client_->activeSubWindow() != nullptr) {
    const QWidget* child = client_->activeSubWindow()->widget();
    const auto* form = child != nullptr
                           ? child->findChild<TSkinForm*>(QString(), Qt::FindDirectChildrenOnly)
                           : nullptr;
    if (form != nullptr && form->Menu() != nullptr) return form->Menu();
  }
  return menu_;
}

void TSkinMDIForm::UpdateMenuBar() {
  QMenu* shown = ShownMenu();
  TSkinMenuBar* bar = top_->menuBar;
  if (qobject_cast<SkinMenuBase*>(shown) == nullptr) bar->SetLook(UIStyle(), FileTheme());
  bar->SetMenu(shown);
  frame_->Refresh();
}

void TSkinMDIForm::UpdateControlButtons() { frame_->Refresh(); }

void TSkinMDIForm::Relayout() {
  const QWidget* owner = frame_->Owner();
  const QMargins margins = frame_->Margins();
  const int width = owner->width() - margins.left() - margins.right();
  const int height = top_->Arrange(width, titleBarVisible_, MaximizedChild() != nullptr);
  const QRect place(margins.left(), margins.top(), width, height);
  top_->titleBar->ProcessMaxBtn();
  if (place == top_->geometry()) return;
  top_->setGeometry(place);
  top_->raise();
  frame_->Refresh();
}

bool TSkinMDIForm::eventFilter(QObject* watched, QEvent* e) {
  if (watched == frame_->Owner() &&
      (e->type() == QEvent::Show || e->type() == QEvent::ChildPolished))
    AttachClient();
  return false;
}

void TSkinMDIForm::SetMenu(QMenu* menu) {
  if (menu == menu_) return;
  menu_ = menu;
  if (auto* skinned = qobject_cast<SkinMenuBase*>(menu)) skinned->SetLook(UIStyle(), FileTheme());
  UpdateMenuBar();
}

void TSkinMDIForm::SetMenuBarColor(TColor value) {
  if (value == menuBarColor_) return;
  menuBarColor_ = value;
  top_->menuBar->SetColor(value);
  frame_->RepaintFrame();
}

TColor TSkinMDIForm::BorderColor() const { return frameLook_->borderColor; }

void TSkinMDIForm::SetBorderColor(TColor value) {
  if (value == frameLook_->borderColor) return;
  frameLook_->borderColor = value;
  frame_->RepaintFrame();
}

QString TSkinMDIForm::Caption() const { return top_->titleBar->Caption(); }

void TSkinMDIForm::SetCaption(const QString& value) {
  top_->titleBar->SetCaption(value);
  frame_->Owner()->setWindowTitle(value);
}

bool TSkinMDIForm::TitleBarDrawAppIcon() const { return top_->titleBar->DrawAppIcon(); }
void TSkinMDIForm::SetTitleBarDrawAppIcon(bool value) { top_->titleBar->SetDrawAppIcon(value); }
bool TSkinMDIForm::TitleBarCustom() const { return top_->titleBar->Custom(); }
void TSkinMDIForm::SetTitleBarCustom(bool value) { top_->titleBar->SetCustom(value); }

void TSkinMDIForm::SetTitleBarVisible(bool value) {
  if (value == titleBarVisible_) return;
  titleBarVisible_ = value;
  Relayout();
  frame_->ApplyShape();
}

void TSkinMDIForm::SetTitleBarDrawChildMenus(bool value) {
  if (value == drawChildMenus_) return;
  drawChildMenus_ = value;
  UpdateMenuBar();
}

int TSkinMDIForm::RoundCorner() const {
  return titleBarVisible_ ? top_->titleBar->RoundCorner() : 0;
}

void TSkinMDIForm::SetRoundCorner(int value) {
  top_->titleBar->SetRoundCorner(value);
  frame_->ApplyShape();
}

int TSkinMDIForm::RoundCornerBottom() const {
  return titleBarVisible_ ? std::max(0, top_->titleBar->RoundCornerBottom()) : 0;
}

void TSkinMDIForm::SetRoundCornerBottom(int value) {
  top_->titleBar->SetRoundCornerBottom(value);
  frame_->ApplyShape();
}

void TSkinMDIForm::Cascade() {
  if (client_ == nullptr) return;
  const QSize area = client_->viewport()->size();
  const QSize size(static_cast<int>(area.width() * 0.8), static_cast<int>(area.height() * 0.6));
  const QList<QMdiSubWindow*> children = client_->subWindowList();
  int offset = 0;
  for (auto child = children.rbegin(); child != children.rend(); ++child) {
    if ((*child)->isMinimized()) continue;
    if ((*child)->isMaximized()) (*child)->showNormal();
    (*child)->setGeometry(QRect(QPoint(offset, offset), size));
    offset += kCascadeStep;
  }
}

void TSkinMDIForm::Tile() {
  if (client_ != nullptr) client_->tileSubWindows();
}
