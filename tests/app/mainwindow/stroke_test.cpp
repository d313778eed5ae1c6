// Retouching by mouse on the sketch view: the box a press paints, how often a held stroke
// paints, painting with Ctrl, and strokes without a photo.
#include "mainwindow/oldform_fixture.h"
#include "sketch/engine.h"

using graphitine::Raster;
using graphitine::SketchChoice;
using graphitine::SketchPage;
using graphitine::SketchTool;

namespace {

class StrokeTest : public OldFormTest {
 protected:
  // A 1000 x 750 photo in views of 345 x 258, converted on a dark paper so that every erased
  // pixel shows, the eraser checked on the manual page.
  void SetUp() override {
    OldFormTest::SetUp();
    Show();
    LoadPhoto(1000, 750);
    ASSERT_EQ(form_->Image2->size(), QSize(345, 258));
    const int rough = form_->skinComboBox1->findText(QStringLiteral("rough"));
    ChoosePaper(rough);
    Click(form_->Button3);
    ManualPage();
    Click(form_->RadioButton2);
  }

  // The sketch as it is, erased over the boxes of steps at the given view points.
  Raster ErasedAt(const std::vector<QPoint>& steps) const {
    Raster expected = Sketch();
    const int r = form_->Retouch().BrushRadius;
    const float q = graphitine::ViewScale(750, 258);
    for (const QPoint& p : steps) {
      const auto box = [q](int v) { return static_cast<int>(v * static_cast<double>(q)); };
      graphitine::SketchRegion(box(p.x() - r), box(p.y() - r), box(p.x() + r), box(p.y() + r),
                               Photo(), expected, graphitine::EngineParameters{30, 1},
                               SketchChoice{SketchTool::Eraser, SketchPage::Manual});
    }
    return expected;
  }
};

TEST_F(StrokeTest, APressPaintsTheBoxUnderTheBrush) {
  const Raster expected = ErasedAt({{100, 100}});
  ASSERT_NE(expected, Sketch());
  QTest::mousePress(form_->Image2, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(Sketch(), expected);
  EXPECT_TRUE(form_->Retouch().MouseHeld);
  EXPECT_TRUE(form_->Image3->isVisible());
  EXPECT_EQ(form_->Image3->geometry(),
            QRect(form_->Image2->x() + 100 - 32, form_->Image2->y() + 100 - 32, 64, 64));
  QTest::mouseRelease(form_->Image2, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_FALSE(form_->Retouch().MouseHeld);
}

TEST_F(StrokeTest, AHeldStrokePaintsOnEveryMthMove) {
  struct Case {
    int radius;
    std::vector<int> paintedMoves;  // of moves 1..8, after the press
  };
  const Case cases[] = {
      {2, {1, 2, 3, 4, 5, 6, 7, 8}}, {4, {2, 4, 6, 8}}, {9, {3, 6}}, {32, {5}}, {62, {7}}};
  ModalWatch dontSave([](QWidget* box) { PressMessageButton(box, 1); });  // asked by Clear
  for (const Case& c : cases) {
    form_->TrackBar2->SetPosition(c.radius);
    Click(form_->Button4);  // bare paper for each case
    std::vector<QPoint> steps{{40, 120}};
    for (int move : c.paintedMoves) steps.push_back({40 + 30 * move, 120});
    const Raster expected = ErasedAt(steps);

    QTest::mousePress(form_->Image2, Qt::LeftButton, {}, QPoint(40, 120));
    for (int move = 1; move <= 8; ++move) MoveOnSketch(40 + 30 * move, 120, {}, Qt::LeftButton);
    QTest::mouseRelease(form_->Image2, Qt::LeftButton, {}, QPoint(280, 120));
    EXPECT_EQ(Sketch(), expected) << "radius " << c.radius;
  }
}

TEST_F(StrokeTest, CtrlPaintsOnEveryMoveWithoutAButton) {
  const Raster before = Sketch();
  MoveOnSketch(100, 100);
  EXPECT_EQ(Sketch(), before);
  MoveOnSketch(100, 100, Qt::ControlModifier);
  MoveOnSketch(140, 100, Qt::ControlModifier);
  EXPECT_EQ(Sketch(), ErasedAt({{100, 100}, {140, 100}}));
}

TEST_F(StrokeTest, ADoubleClickPaintsOnceAndEndsTheStroke) {
  const Raster expected = ErasedAt({{100, 100}});
  ModalWatch watch;  // closes the viewer
  QTest::mouseClick(form_->Image2, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseDClick(form_->Image2, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(Sketch(), expected);
  EXPECT_FALSE(form_->Retouch().MouseHeld);
  EXPECT_EQ(watch.Seen(), QStringList{QStringLiteral("ViewForm")});
}

// The brush cursor shows only over the sketch view: it hides when the pointer leaves the view
// and on Clear, and its circle is cut at the view's edge.
TEST_F(StrokeTest, TheBrushCursorStaysOnTheSketchView) {
  MoveOnSketch(100, 100);
  ASSERT_TRUE(form_->Image3->isVisible());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form_->Image2, &leave);
  EXPECT_FALSE(form_->Image3->isVisible());
  MoveOnSketch(100, 100);
  ModalWatch dontSave([](QWidget* box) { PressMessageButton(box, 1); });
  Click(form_->Button4);
  EXPECT_FALSE(form_->Image3->isVisible());

  // Near the view's left edge the circle reaches past it: the window around it stays as it was.
  const QRect view = form_->Image2->geometry();
  const QRect outside(view.left() - 40, view.top(), 40, view.height());
  const QImage without = form_->Panel1->grab(outside).toImage();
  MoveOnSketch(5, 100);
  ASSERT_TRUE(form_->Image3->isVisible());
  ASSERT_LT(form_->Image3->x(), view.left());
  EXPECT_EQ(form_->Panel1->grab(outside).toImage(), without);
  EXPECT_NE(form_->Panel1->grab(view).toImage(), form_->Image2->grab().toImage());  // shown inside
}

// Without a photo a stroke has nothing to work on: no flood of error boxes, nothing painted.
TEST_F(OldFormTest, StrokesWithoutAPhotoDoNothing) {
  ModalWatch watch;
  Show(false);
  const qsizetype startMessages = watch.Messages().size();  // the missing start picture
  ManualPage();
  QTest::mousePress(form_->Image2, Qt::LeftButton, {}, QPoint(2, 2));
  MoveOnSketch(3, 3, Qt::ControlModifier);
  QTest::mouseRelease(form_->Image2, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(watch.Messages().size(), startMessages);
  EXPECT_TRUE(Sketch().IsEmpty());
}

}  // namespace
