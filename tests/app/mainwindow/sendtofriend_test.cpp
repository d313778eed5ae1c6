// The send-to button: the sketch written as the mail attachment in the user's cache folder (the
// test run's own), then the mail dialog.
#include <QDir>
#include <functional>

#include "app/mail/mailform.h"
#include "mainwindow/oldform_fixture.h"
#include "skin/buttons/checkbox.h"

namespace {

QByteArray Bytes(const QString& file) {
  QFile read(file);
  return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

// What the opened dialog offered: whether it attaches, and whether the user could change that.
struct Offer {
  bool opened = false;
  bool ticked = false;
  bool enabled = false;
};

class SendToFriendTest : public OldFormTest {
 protected:
  void SetUp() override {
    OldFormTest::SetUp();
    QDir(Cache()).removeRecursively();
  }
  void TearDown() override { QDir(Cache()).removeRecursively(); }

  static QString Cache() {
    return QString::fromLocal8Bit(qgetenv("XDG_CACHE_HOME")) + QStringLiteral("/graphitine");
  }
  static QString Attachment() { return Cache() + QStringLiteral("/sketch.jpg"); }

  // Presses the send-to button and closes the dialog it opens.
  Offer Send() {
    return SendBy([this] { Click(form_->BitBtn2); });
  }

  // The same, the handler reached by the given press; returns once the dialog has closed or an
  // error was reported.
  Offer SendBy(const std::function<void()>& press) {
    Offer offer;
    ModalWatch watch([&offer](QWidget* modal) {
      if (auto* mail = qobject_cast<TMailForm*>(modal)) {
        offer = {true, mail->CheckBox1->Checked(), mail->CheckBox1->isEnabled()};
      }
      qobject_cast<QDialog*>(modal)->reject();
    });
    press();
    EXPECT_TRUE(QTest::qWaitFor([&] { return offer.opened || !watch.Messages().isEmpty(); }));
    messages_ = watch.Messages();
    return offer;
  }

  QStringList messages_;
};

// Never beside the program: there it replaced any file of that name.
TEST_F(SendToFriendTest, TheSketchIsWrittenAsJpegIntoTheCacheFolder) {
  Show();
  Click(form_->Button3);
  ASSERT_FALSE(Sketch().IsEmpty());
  const Offer offer = Send();
  EXPECT_TRUE(offer.opened);
  EXPECT_TRUE(offer.ticked);
  EXPECT_TRUE(offer.enabled);

  const QString expected = folder_.filePath(QStringLiteral("expected.jpg"));
  graphitine::WritePicture(Sketch(), expected.toStdString(), graphitine::PictureFormat::Jpeg,
                           {Sketch().Width(), Sketch().Height()});
  EXPECT_EQ(Bytes(Attachment()), Bytes(expected));
  EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("sketch.jpg"))));
}

TEST_F(SendToFriendTest, WithoutASketchNothingIsWrittenAndNothingOffered) {
  Show();
  ASSERT_TRUE(Sketch().IsEmpty());
  const Offer offer = Send();
  EXPECT_TRUE(offer.opened);
  EXPECT_FALSE(offer.ticked);
  EXPECT_FALSE(offer.enabled);
  EXPECT_FALSE(QFile::exists(Attachment()));
}

// A failed write is reported, opens no dialog and leaves what stood under the name.
TEST_F(SendToFriendTest, AFailedWriteIsReportedAndTheDialogStaysShut) {
  Show();
  Click(form_->Button3);
  ASSERT_TRUE(QDir().mkpath(Attachment()));
  const QStringList before = QDir(Cache()).entryList(QDir::AllEntries | QDir::Hidden);
  // Clicked: the error is caught in the handler, and never unwinds through Qt's mouse delivery.
  const Offer offer = SendBy([this] { Click(form_->BitBtn2); });
  EXPECT_FALSE(offer.opened);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_.first().contains(QStringLiteral("sketch.jpg")));
  EXPECT_TRUE(QFileInfo(Attachment()).isDir());
  EXPECT_EQ(QDir(Cache()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

}  // namespace
