#include "app/mail/mailform.h"

#include <QLabel>
#include <QShowEvent>
#include <utility>

#include "app/guardedhandler.h"
#include "app/mail/sendmail.h"
#include "app/programlook.h"
#include "app/skinnedplaces.h"
#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/containers/groupbox.h"
#include "skin/inputs/combobox.h"
#include "skin/inputs/memo.h"
#include "skin/window/form.h"

namespace {

// The area inside the skinned frame, title bar included, and the controls' places in it. The
// labels and the check box keep their own size.
const QSize kFormSize(425, 296);
// clang-format off
constexpr SkinnedPlaces kPlaces({
  {"Label1",    "skinForm1", {26, 33, 0, 0}},
  {"ComboBox1", "skinForm1", {26, 48, 367, 21}},
  {"Label2",    "skinForm1", {24, 76, 0, 0}},
  {"Memo1",     "skinForm1", {24, 88, 369, 83}},
  {"GroupBox1", "skinForm1", {24, 184, 369, 49}},
  {"CheckBox1", "GroupBox1", {17, 16, 0, 0}},
  {"Button1",   "skinForm1", {165, 248, 75, 25}},
});
// clang-format on

}  // namespace

QStringList TMailForm::Subjects() {
  return {
      tr("我自己的素描，嘿嘿！  "),
      tr("做了一张素描给你！             "),
      tr("嗨,发现一款不错的软件！                 "),
  };
}

QStringList TMailForm::DefaultBody() {
  return {
      tr("请看附件！                    "),
      QString(),
      QStringLiteral("============================"),
      tr("告诉你一个不错的软件-Graphitine,可以很方便的把照片转换成素描!                    "),
      tr("官方下载：   "),
      QStringLiteral("https://graphitine.example.org/"),
      tr("下载地址：         "),
      QStringLiteral("https://graphitine.example.org/download/"),
  };
}

TMailForm::TMailForm(QWidget* owner, QString attachment, Notice notice)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      attachment_(std::move(attachment)),
      notice_(std::move(notice)) {
  setObjectName(QStringLiteral("MailForm"));
  // The owner's font (the program's) reaches the dialog's controls.
  setAttribute(Qt::WA_WindowPropagation);
  PaintWindowBackground(this);

  skinForm1 = new TSkinForm(this);
  skinForm1->setObjectName(QStringLiteral("skinForm1"));
  skinForm1->SetUIStyle(kProgramLook);
  skinForm1->SetBorderStyle(bsDialog);
  skinForm1->SetCaption(tr("给你的朋友一个惊喜！                     "));
  HideTitleBarButtons(*skinForm1, {skinMax, skinMin});
  skinForm1->SetPanel(new QWidget(this));

  Label1 = MakePlaced<QLabel>(*skinForm1, kPlaces["Label1"]);
  Label1->setText(tr("主题：  :"));
  ComboBox1 = MakePlaced<TSkinComboBox>(*skinForm1, kPlaces["ComboBox1"]);
  ComboBox1->SetStyle(TSkinCustomComboBox::csDropDownList);
  ComboBox1->SetItems(Subjects());
  ComboBox1->setCurrentIndex(1);

  Label2 = MakePlaced<QLabel>(*skinForm1, kPlaces["Label2"]);
  Label2->setText(tr("内容：  :"));
  Memo1 = MakePlaced<TSkinMemo>(*skinForm1, kPlaces["Memo1"]);
  Memo1->SetWordWrap(false);
  Memo1->SetLines(DefaultBody());

  GroupBox1 = MakePlaced<TSkinGroupBox>(*skinForm1, kPlaces["GroupBox1"]);
  GroupBox1->SetCaption(tr("-连同附件内容一起-"));
  CheckBox1 = MakePlaced<TSkinCheckBox>(*skinForm1, kPlaces["CheckBox1"]);
  CheckBox1->SetCaption(tr("当前素描      "));
  CheckBox1->SetChecked(!attachment_.isEmpty());
  CheckBox1->setEnabled(!attachment_.isEmpty());

  Button1 = MakePlaced<TSkinButton>(*skinForm1, kPlaces["Button1"]);
  Button1->SetCaption2(tr(" 开始发送 "));
  ConnectGuarded(Button1, &TSkinCustomButton::OnClick, this, &TMailForm::skinButton1Click);
}

void TMailForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!placed_) Place();
}

void TMailForm::Place() {
  placed_ = true;
  SizeForSkinnedForm(*this, kFormSize);
  if (QWidget* owner = parentWidget()) {
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(owner->window()->frameGeometry().center());
    move(frame.topLeft());
  }
}

// Start sending: a new message of the dialog's current values each time. The notice says
// whether the mail program took it, or why not; the owner hears it, as the answer may come once
// the dialog has closed.
void TMailForm::skinButton1Click() {
  QObject* receiver = parentWidget() != nullptr ? static_cast<QObject*>(parentWidget()) : this;
  SendMail(
      BuildMailMessage(ComboBox1->currentText(), Memo1->Lines(), CheckBox1->Checked(), attachment_),
      this, receiver, [notice = notice_](const QString& failure) {
        if (!notice) return;
        notice(tr("发送素描"), failure.isEmpty()
                                   ? tr("邮件已交给邮件程序: 请在那里填写收件人并发送。")
                                   : tr("邮件未能交给邮件程序: %1。").arg(failure));
      });
}
