#pragma once
// A main window over a program folder of the test's own: the shipped start picture (unless a
// test leaves it out) and two papers, shown on the offscreen platform at its start size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <utility>

#include "app/mainwindow/brushcursor.h"
#include "app/mainwindow/dockpanel.h"
#include "app/mainwindow/oldform.h"
#include "app/pictureview.h"
#include "sketch/picturefile.h"
#include "skin/bars/statusbar.h"
#include "skin/bars/trackbar.h"
#include "skin/buttons/button.h"
#include "skin/buttons/radiobutton.h"
#include "skin/containers/pagecontrol.h"
#include "skin/inputs/combobox.h"
#include "skin/inputs/edit.h"
#include "skin/window/form.h"
#include "support/click.h"
#include "support/modalwatch.h"
#include "support/photos.h"

class OldFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("texture")));
    for (const char* name : {"Rough.BMP", "kraft.bmp"}) {
      graphitine::WritePicture(PatternPhoto(16, 8), Path(QStringLiteral("texture/") + name),
                               graphitine::PictureFormat::Bitmap, {16, 8});
    }
  }

  std::string Path(const QString& name) const { return folder_.filePath(name).toStdString(); }

  // Shows the window; with a start picture unless told otherwise, and the photo given to the
  // program, if any.
  void Show(bool startPicture = true, std::optional<QString> photo = std::nullopt) {
    if (startPicture) {
      ASSERT_TRUE(QFile::copy(QStringLiteral(GRAPHITINE_BIN_DIR "/J.jpg"),
                              folder_.filePath(QStringLiteral("J.jpg"))));
    }
    form_ = std::make_unique<TOldForm>(folder_.path().toStdString(), std::move(photo));
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }

  void LoadPhoto(int width, int height) {
    form_->LoadPicture(WritePatternPhoto(folder_, QStringLiteral("photo.bmp"), width, height));
  }

  void ManualPage() { form_->PageControl1->SetActivePage(form_->TabSheet2); }
  void AutomaticPage() { form_->PageControl1->SetActivePage(form_->TabSheet1); }

  // The user picks a paper in the list on the texture page, then goes back to the sketch page.
  void ChoosePaper(int index) {
    form_->skinPageControl1->SetActivePage(form_->skinTabSheet2);
    form_->skinComboBox1->setCurrentIndex(index);
    emit form_->skinComboBox1->OnChange();
    form_->skinPageControl1->SetActivePage(form_->skinTabSheet1);
  }

  // A pointer move over the sketch view, with the buttons and keys given.
  void MoveOnSketch(double x, double y, Qt::KeyboardModifiers keys = {},
                    Qt::MouseButtons held = Qt::NoButton) {
    QWidget* view = form_->Image2;
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), view->mapToGlobal(QPointF(x, y)),
                     Qt::NoButton, held, keys);
    QApplication::sendEvent(view, &move);
  }

  // The texts of the list's items, in order.
  static QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }

  const graphitine::Raster& Sketch() const { return form_->Document().Sketch(); }
  const graphitine::Raster& Photo() const { return form_->Document().Photo(); }

  QTemporaryDir folder_;
  std::unique_ptr<TOldForm> form_;
};
