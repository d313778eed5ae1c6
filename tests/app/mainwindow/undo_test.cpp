// Undo and redo in the main window: by their keys, a held stroke and a Ctrl movement one step
// each, and the sketch view showing the sketch it got back.
#include "mainwindow/oldform_fixture.h"

using graphitine::Raster;

namespace {

class UndoTest : public OldFormTest {
 protected:
  void SetUp() override {
    OldFormTest::SetUp();
    Show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    LoadPhoto(400, 300);
  }

  void Keys(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(form_.get(), static_cast<Qt::Key>(key), modifiers);
  }

  // The sketch view shows the sketch as it is.
  void ExpectViewShowsTheSketch(const std::string& when) {
    ScaledPicture fresh;
    fresh.Scale(Sketch(), form_->Image2->size());
    EXPECT_EQ(form_->Image2->Scaled(), fresh.Image()) << when;
  }
};

TEST_F(UndoTest, EveryStrokeIsOneStepBackAndForth) {
  std::vector<Raster> states{Sketch()};
  Click(form_->Button3);  // Convert
  states.push_back(Sketch());
  ManualPage();
  Click(form_->RadioButton2);  // the eraser
  QTest::mousePress(form_->Image2, Qt::LeftButton, {}, QPoint(100, 100));
  for (int x = 110; x <= 200; x += 10) MoveOnSketch(x, 100, {}, Qt::LeftButton);
  QTest::mouseRelease(form_->Image2, Qt::LeftButton, {}, QPoint(200, 100));
  states.push_back(Sketch());
  MoveOnSketch(100, 200, Qt::ControlModifier);
  MoveOnSketch(150, 200, Qt::ControlModifier);
  QTest::keyRelease(form_.get(), Qt::Key_Control);
  states.push_back(Sketch());
  MoveOnSketch(250, 150, Qt::ControlModifier);  // a stroke still open when undo comes
  states.push_back(Sketch());
  for (std::size_t i = 1; i < states.size(); ++i) ASSERT_NE(states[i], states[i - 1]) << i;

  for (std::size_t i = states.size() - 1; i > 0; --i) {
    Keys(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Sketch(), states[i - 1]) << "undo to " << i - 1;
    if (!Sketch().IsEmpty()) ExpectViewShowsTheSketch("undo to " + std::to_string(i - 1));
  }
  Keys(Qt::Key_Z, Qt::ControlModifier);  // nothing further back
  EXPECT_TRUE(Sketch().IsEmpty());
  for (std::size_t i = 1; i < states.size(); ++i) {
    Keys(i % 2 == 0 ? Qt::Key_Y : Qt::Key_Z,
         i % 2 == 0 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Sketch(), states[i]) << "redo to " << i;
    ExpectViewShowsTheSketch("redo to " + std::to_string(i));
  }
}

}  // namespace
