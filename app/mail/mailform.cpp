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
const QString kCaption = QStringLiteral("给你的朋友一个惊喜！                     ");

}  // namespace

const QStringList TMailForm::kSubjects{
    QStringLiteral("我自己的素描，嘿嘿！  "),
    QStringLiteral("做了一张素描给你！             "),
    QStringLiteral("嗨,发现一款不错的软件！                 "),
};

const QStringList TMailForm::kDefaultBody{
    QStringLiteral("请看附件！                    "),
    QString(),
    QStringLiteral("============================"),
    QStringLiteral(
        "告诉你一个不错的软件-Graphitine,可以很方便的把照片转换成素描!                    "),
    QStringLiteral("官方下载：   "),
    QStringLiteral("https://graphitine.example.org/"),
    QStringLiteral("下载地址：         "),
    QStringLiteral("https://graphitine.example.org/download/"),
};

TMailForm::TMailForm(QWidget* owner, QString attachment)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      attachment_(std::move(attachment)) {
  setObjectName(QStringLiteral("MailForm"));
  // The owner's font (the program's) reaches the dialog's controls.
  setAttribute(Qt::WA_WindowPropagation);
  PaintWindowBackground(this);

  skinForm1 = new TSkinForm(this);
  skinForm1->setObjectName(QStringLiteral("skinForm1"));
  skinForm1->SetUIStyle(kProgramLook);
  skinForm1->SetBorderStyle(bsDialog);
  skinForm1->SetCaption(kCaption);
  HideTitleBarButtons(*skinForm1, {skinMax, skinMin});
  skinForm1->SetPanel(new QWidget(this));

  Label1 = MakePlaced<QLabel>(*skinForm1, kPlaces["Label1"]);
  Label1->setText(QStringLiteral("主题：  :"));
  ComboBox1 = MakePlaced<TSkinComboBox>(*skinForm1, kPlaces["ComboBox1"]);
  ComboBox1->SetStyle(TSkinCustomComboBox::csDropDownList);
  ComboBox1->SetItems(kSubjects);
  ComboBox1->setCurrentIndex(1);

  Label2 = MakePlaced<QLabel>(*skinForm1, kPlaces["Label2"]);
  Label2->setText(QStringLiteral("内容：  :"));
  Memo1 = MakePlaced<TSkinMemo>(*skinForm1, kPlaces["Memo1"]);
  Memo1->SetWordWrap(false);
  Memo1->SetLines(kDefaultBody);

  GroupBox1 = MakePlaced<TSkinGroupBox>(*skinForm1, kPlaces["GroupBox1"]);
  GroupBox1->SetCaption(QStringLiteral("-连同附件内容一起-"));
  CheckBox1 = MakePlaced<TSkinCheckBox>(*skinForm1, kPlaces["CheckBox1"]);
  CheckBox1->SetCaption(QStringLiteral("当前素描      "));
  CheckBox1->SetChecked(!attachment_.isEmpty());
  CheckBox1->setEnabled(!attachment_.isEmpty());

  Button1 = MakePlaced<TSkinButton>(*skinForm1, kPlaces["Button1"]);
  Button1->SetCaption2(QStringLiteral(" 开始发送 "));
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

// Start sending: a new message of the dialog's current values each time. The client's answer
// is not looked at; without a client nothing happens.
void TMailForm::skinButton1Click() {
  SendMail(
      BuildMailMessage(ComboBox1->currentText(), Memo1->Lines(), CheckBox1->Checked(), attachment_),
      this);
}
