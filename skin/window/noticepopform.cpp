#include "skin/window/noticepopform.h"

#include <QPointer>

#include "skin/base/helpers.h"
#include "skin/window/frmnoticepopform.h"

TSkinNoticePopForm::TSkinNoticePopForm(QObject* owner)
    : QObject(owner), window_(std::make_unique<TfrmNoticePopForm>()) {
  // Forwarded signals carry the component as their sender.
  connect(window_.get(), &TfrmNoticePopForm::Clicked, this, &TSkinNoticePopForm::OnClick);
  connect(window_.get(), &TfrmNoticePopForm::TitleClicked, this, &TSkinNoticePopForm::OnTitleClick);
  connect(window_.get(), &TfrmNoticePopForm::Closed, this, &TSkinNoticePopForm::OnClose);
  window_->SetAnimateTime(animateTime_);
}

TSkinNoticePopForm::~TSkinNoticePopForm() = default;

void TSkinNoticePopForm::Popup() {
  const QPointer<TSkinNoticePopForm> alive(this);
  // The receivers of OnClose and OnShow may delete the component.
  window_->FinishSlide();
  if (alive.isNull()) return;
  window_->SetAnimateTime(animateTime_);
  window_->SetStayTime(stayTime_);
  window_->SetClickHide(clickHide_);
  window_->ShowTitle(title_, titleFont_);
  window_->ShowMessage(messageText_, messageFont_);
  emit OnShow();
  if (alive.isNull()) return;
  window_->move(autoPosition_
                    ? TfrmNoticePopForm::BottomRightCorner(GetWorkAreaRect(), window_->size())
                    : QPoint(positionX_, positionY_));
  window_->ShowNotice();
}

void TSkinNoticePopForm::Close() { window_->HideNotice(); }
