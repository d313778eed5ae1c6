#include "app/mail/mailform.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <memory>

#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/containers/groupbox.h"
#include "skin/inputs/combobox.h"
#include "skin/inputs/memo.h"
#include "skin/window/form.h"
#include "skin/window/titlebar.h"
#include "support/click.h"
#include "support/fakeprograms.h"

namespace {

const QString kSketch = QStringLiteral("/tmp/my sketches/sketch.jpg");

QString Spaced(const QString& text, int spaces) { return text + QString(spaces, u' '); }

// The dialog over a shown owner window, with a stand-in xdg-email on the search path.
class MailFormTest : public FakeProgramsTest {
 protected:
  void Show(const QString& attachment) {
    owner_.setGeometry(100, 80, 700, 520);
    owner_.show();
    form_ = std::make_unique<TMailForm>(
        &owner_, attachment,
        [this](const QString& title, const QString& message) { notices_ << title << message; });
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }

  // Where the control is inside the skinned frame.
  QRect PlaceOf(const QWidget* control) const {
    return QRect(control->mapTo(form_->skinForm1, QPoint()), control->size());
  }

  QWidget owner_;
  std::unique_ptr<TMailForm> form_;
  QStringList notices_;  // title, message, title, message...
};

TEST_F(MailFormTest, LaidOutInsideTheSkinnedFrameCentredOnItsOwner) {
  Show(kSketch);
  EXPECT_EQ(form_->skinForm1->size(), QSize(425, 296));
  EXPECT_EQ(PlaceOf(form_->Label1).topLeft(), QPoint(26, 33));
  EXPECT_EQ(PlaceOf(form_->ComboBox1), QRect(26, 48, 367, 21));
  EXPECT_EQ(PlaceOf(form_->Label2).topLeft(), QPoint(24, 76));
  EXPECT_EQ(PlaceOf(form_->Memo1), QRect(24, 88, 369, 83));
  EXPECT_EQ(PlaceOf(form_->GroupBox1), QRect(24, 184, 369, 49));
  EXPECT_EQ(form_->CheckBox1->parentWidget(), form_->GroupBox1);
  EXPECT_EQ(form_->CheckBox1->pos(), QPoint(17, 16));
  EXPECT_EQ(PlaceOf(form_->Button1), QRect(165, 248, 75, 25));

  const QPoint offCentre = form_->frameGeometry().center() - owner_.frameGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 2);
  // A dialog frame: the close button, no minimize or maximize.
  const TSkinTitleBarButtons& buttons = form_->skinForm1->TitleBar()->Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    const TSkinTitleBarButton* button = buttons.Items(i);
    const bool minMax = button->ButtonType() == skinMax || button->ButtonType() == skinMin;
    EXPECT_EQ(button->Visible(), !minMax) << "button " << i;
  }
}

TEST_F(MailFormTest, OpensWithTheDefaultTexts) {
  Show(kSketch);
  EXPECT_EQ(form_->windowTitle(), Spaced(QStringLiteral("给你的朋友一个惊喜！"), 21));
  EXPECT_EQ(form_->skinForm1->Caption(), form_->windowTitle());
  EXPECT_EQ(form_->Label1->text(), QStringLiteral("主题：  :"));
  EXPECT_EQ(form_->Label2->text(), QStringLiteral("内容：  :"));
  EXPECT_EQ(form_->ComboBox1->Style(), TSkinCustomComboBox::csDropDownList);
  EXPECT_EQ(form_->ComboBox1->Items(),
            (QStringList{Spaced(QStringLiteral("我自己的素描，嘿嘿！"), 2),
                         Spaced(QStringLiteral("做了一张素描给你！"), 13),
                         Spaced(QStringLiteral("嗨,发现一款不错的软件！"), 17)}));
  EXPECT_EQ(form_->ComboBox1->currentIndex(), 1);
  EXPECT_FALSE(form_->Memo1->WordWrap());
  EXPECT_EQ(
      form_->Memo1->Lines(),
      (QStringList{
          Spaced(QStringLiteral("请看附件！"), 20), QString(), QString(28, u'='),
          Spaced(QStringLiteral("告诉你一个不错的软件-Graphitine,可以很方便的把照片转换成素描!"),
                 20),
          Spaced(QStringLiteral("官方下载："), 3),
          QStringLiteral("https://graphitine.example.org/"),
          Spaced(QStringLiteral("下载地址："), 9),
          QStringLiteral("https://graphitine.example.org/download/")}));
  EXPECT_EQ(form_->GroupBox1->Caption(), QStringLiteral("-连同附件内容一起-"));
  EXPECT_EQ(form_->CheckBox1->Caption(), Spaced(QStringLiteral("当前素描"), 6));
  EXPECT_TRUE(form_->CheckBox1->Checked());
  EXPECT_TRUE(form_->CheckBox1->isEnabled());
  EXPECT_EQ(form_->Button1->Caption(), QStringLiteral(" 开始发送 "));
}

TEST_F(MailFormTest, WithoutASketchThereIsNothingToAttach) {
  Show(QString());
  EXPECT_FALSE(form_->CheckBox1->Checked());
  EXPECT_FALSE(form_->CheckBox1->isEnabled());
}

TEST_F(MailFormTest, StartSendingHandsTheDialogsValuesAndStaysOpen) {
  AddProgram(QStringLiteral("xdg-email"));
  Show(kSketch);
  Click(form_->Button1);
  const QByteArray body = (form_->Memo1->Lines().join(QStringLiteral("\r\n")) + "\r\n").toUtf8();
  const QList<QByteArray> expected{
      "--subject", Spaced(QStringLiteral("做了一张素描给你！"), 13).toUtf8(),
      "--body",    body,
      "--attach",  kSketch.toUtf8()};
  EXPECT_EQ(ArgumentsOf(QStringLiteral("xdg-email")), expected);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(MailFormTest, UntickedTheMessageGoesWithoutTheSketchAsTyped) {
  AddProgram(QStringLiteral("xdg-email"));
  Show(kSketch);
  Click(form_->CheckBox1);
  ASSERT_FALSE(form_->CheckBox1->Checked());
  form_->ComboBox1->setCurrentIndex(0);
  form_->Memo1->SetLines({QStringLiteral("hi"), QStringLiteral("你好")});
  Click(form_->Button1);
  const QList<QByteArray> expected{"--subject",
                                   Spaced(QStringLiteral("我自己的素描，嘿嘿！"), 2).toUtf8(),
                                   "--body", QStringLiteral("hi\r\n你好\r\n").toUtf8()};
  EXPECT_EQ(ArgumentsOf(QStringLiteral("xdg-email")), expected);
}

// The notice says the mail program took the message, or why not; a failure that comes once the
// dialog has closed still reaches the owner.
TEST_F(MailFormTest, TheNoticeSaysWhetherTheMailProgramTookTheMessage) {
  const QString title = QStringLiteral("发送素描");
  const QString took = QStringLiteral("邮件已交给邮件程序: 请在那里填写收件人并发送。");
  AddProgram(QStringLiteral("xdg-email"));
  Show(kSketch);
  Click(form_->Button1);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !notices_.isEmpty(); }, 5000));
  EXPECT_EQ(notices_, (QStringList{title, took}));

  notices_.clear();
  AddProgram(QStringLiteral("xdg-email"), 3, 2);  // fails after the moment it is given
  Click(form_->Button1);
  form_.reset();
  ASSERT_TRUE(QTest::qWaitFor([this] { return notices_.size() == 4; }, 5000));
  EXPECT_EQ(
      notices_,
      (QStringList{title, took, title,
                   QStringLiteral("邮件未能交给邮件程序: xdg-email 找不到可以打开它的程序。")}));
}

}  // namespace
