#include "skin/window/titlebarpopupmenu.h"

#include "skin/window/titlebar.h"

namespace {
constexpr int kRightToLeftShift = 176;
}

TSkinTitleBarPopupMenu::TSkinTitleBarPopupMenu(TSkinTitleBar* bar)
    : TSkinPopupMenu(bar), bar_(bar) {
  minimize_ = addAction(tr("最小化(&N)"), this, &TSkinTitleBarPopupMenu::OnMin);
  maximize_ = addAction(tr("最大化/还原(&X)"), this, &TSkinTitleBarPopupMenu::OnMax);
  addSeparator();
  close_ = addAction(tr("关闭(&C)"), this, &TSkinTitleBarPopupMenu::OnClose);
}

bool TSkinTitleBarPopupMenu::HasVisibleButton(int type) const {
  const TSkinTitleBarButtons& buttons = bar_->Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    if (buttons.Items(i)->Visible() && buttons.Items(i)->ButtonType() == type) return true;
  }
  return false;
}

void TSkinTitleBarPopupMenu::Popup(int x, int y) {
  if (bar_->layoutDirection() == Qt::RightToLeft) x += kRightToLeftShift;
  minimize_->setEnabled(HasVisibleButton(skinMin));
  maximize_->setEnabled(HasVisibleButton(skinMax));
  close_->setEnabled(HasVisibleButton(skinClose));
  TSkinPopupMenu::Popup(x, y);
}

void TSkinTitleBarPopupMenu::OnMin() { bar_->MinimizeForm(); }

void TSkinTitleBarPopupMenu::OnMax() {
  const TSkinTitleBarButtons& buttons = bar_->Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    if (buttons.Items(i)->Visible() && buttons.Items(i)->ButtonType() == skinMax) bar_->DoClick(i);
  }
}

void TSkinTitleBarPopupMenu::OnClose() { bar_->FormWindow()->close(); }
