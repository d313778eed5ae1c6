#pragma once
// The batch window's fixtures: a tree of pictures to collect and what the user does in the
// window, either with the window on its own over a host of the test's (LoneBatchTest) or shown
// with the main window, its owner and host (BatchTest).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "app/batch/batchform.h"
#include "mainwindow/oldform_fixture.h"
#include "skin/bars/progressbar.h"
#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/inputs/edit.h"
#include "skin/inputs/listbox.h"

class BatchHands {
 protected:
  virtual ~BatchHands() = default;
  virtual TBatchForm& Batch() = 0;

  // A file under the tree, its folders made first.
  QString Put(const QString& name, int width = 24, int height = 16) {
    const QString path = tree_.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    graphitine::WritePicture(PatternPhoto(width, height), path.toStdString(),
                             name.toLower().endsWith(QStringLiteral(".bmp"))
                                 ? graphitine::PictureFormat::Bitmap
                                 : graphitine::PictureFormat::Jpeg,
                             {width, height});
    return path;
  }

  QString InTree(const QString& name) const {
    return QDir::toNativeSeparators(tree_.filePath(name));
  }

  // Adds the folder through the add button and its folder dialog.
  void AddFolder(const QString& folder) {
    ModalWatch watch([&](QWidget* dialog) { ChooseFile(dialog, folder); });
    Click(Batch().Button2);
    EXPECT_EQ(watch.Seen(), QStringList{QStringLiteral("FolderDialog")});
  }

  QStringList Listed() { return Batch().ListBox1->Items(); }

  // Photos p0.jpg .. in the tree, listed in name order.
  void ListPhotos(int count, int width, int height) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
      names << InTree(Put(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')), width, height)
                          .section(QLatin1Char('/'), -1));
    }
    Batch().ListBox1->SetItems(names);
    for (int i = 0; i < count; ++i) {
      Batch().ListBox1->item(i)->setData(Qt::UserRole, names[i]);
    }
  }

  void StartRun(const QString& outputFolder) {
    Batch().Edit1->setText(outputFolder);
    Click(Batch().Button3);
  }

  void WaitForTheEnd() { QTRY_VERIFY_WITH_TIMEOUT(!Batch().Running(), 120000); }

  QTemporaryDir tree_;
  QTemporaryDir out_;
};

// The batch window alone, shown, over a host that records what it is asked and answers with
// the test's settings (the converter's defaults unless changed) and views of 40 x 30.
class LoneBatchTest : public ::testing::Test, protected BatchHands {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tree_.isValid());
    ASSERT_TRUE(out_.isValid());
    TBatchForm::Host host;
    host.preview = [this](const QString& file) { previewed_ << file; };
    // The item's paper is its own: the host keeps no hold on it.
    host.itemSettings = [this] {
      ++settingsAsked_;
      if (settingsFail_ && settingsFail_(settingsAsked_)) throw std::runtime_error("no settings");
      return BatchItemSettings(settings_,
                               paper_ ? std::make_shared<graphitine::Paper>(*paper_) : nullptr);
    };
    host.viewSize = [](QSize) { return QSize(40, 30); };
    host.show = [this](graphitine::ConvertedPicture picture, ScaledPicture photoView, ScaledPicture,
                       const QString& written) {
      shown_ << written;
      shownView_ = photoView.Image().size();
      shownPhoto_ = std::move(picture.photo);
    };
    host.mayReplaceSketch = [this] { return mayReplaceSketch_; };
    host.notice = [this](const QString& title, const QString& message) {
      notices_ << title << message;
    };
    batch_ = std::make_unique<TBatchForm>(nullptr, std::move(host));
    batch_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(batch_.get()));
  }

  TBatchForm& Batch() override { return *batch_; }

  graphitine::ConvertSettings settings_;
  std::optional<graphitine::Paper> paper_;
  std::unique_ptr<TBatchForm> batch_;
  QStringList previewed_;
  int settingsAsked_ = 0;
  std::function<bool(int asked)> settingsFail_;  // whether that asking of the settings fails
  QStringList shown_;
  QSize shownView_;
  graphitine::Raster shownPhoto_;  // the photo shown last
  bool mayReplaceSketch_ = true;
  QStringList notices_;  // title, message, title, message...
};

// The main window shown, with its batch window.
class BatchTest : public OldFormTest, protected BatchHands {
 protected:
  void SetUp() override {
    OldFormTest::SetUp();
    ASSERT_TRUE(tree_.isValid());
    ASSERT_TRUE(out_.isValid());
  }

  TBatchForm& Batch() override { return *form_->BatchForm(); }

  void ShowBoth() {
    Show();
    ASSERT_NE(form_->BatchForm(), nullptr);
    Click(form_->CheckBox1);
    ASSERT_TRUE(Batch().isVisible());
  }
};
