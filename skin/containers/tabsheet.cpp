#include "skin/containers/tabsheet.h"

#include <QEvent>
#include <QPainter>

#include "skin/containers/pagecontrol.h"

TSkinTabSheet::TSkinTabSheet(QWidget* owner) : TSkinWidget(owner) {
  StartLook(owner);
  FollowParent();
}

TSkinTabSheet::~TSkinTabSheet() {
  if (pageControl_ != nullptr) pageControl_->RemovePage(this);
}

void TSkinTabSheet::SetPageControl(TSkinPageControl* pageControl) {
  if (pageControl == pageControl_ && parentWidget() == pageControl) return;
  setParent(pageControl);  // the parent change makes it join
}

void TSkinTabSheet::FollowParent() {
  auto* parentPages = qobject_cast<TSkinPageControl*>(parentWidget());
  if (parentPages == pageControl_) return;
  if (pageControl_ != nullptr) pageControl_->RemovePage(this);
  if (parentPages != nullptr) parentPages->InsertPage(this);
}

void TSkinTabSheet::SetPageIndex(int index) {
  if (pageControl_ == nullptr || index == pageIndex_) return;
  pageControl_->MovePage(this, index);
}

void TSkinTabSheet::SetCaption(const QString& value) {
  if (value == caption_) return;
  caption_ = value;
  if (pageControl_ != nullptr) pageControl_->RebuildTabs();
}

void TSkinTabSheet::SetTabVisible(bool value) {
  if (value == tabVisible_) return;
  tabVisible_ = value;
  if (pageControl_ != nullptr) pageControl_->TabVisibilityChanged(this);
}

void TSkinTabSheet::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), FaceColor()); }

void TSkinTabSheet::changeEvent(QEvent* event) {
  TSkinWidget::changeEvent(event);
  if (event->type() == QEvent::ParentChange) FollowParent();
}
