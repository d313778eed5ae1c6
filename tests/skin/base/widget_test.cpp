// The widget base's colours: an own Color is handed down to the children (and theirs) that
// follow ParentColor, a child with its own keeps it, ParentColor on again passes the parent's
// on, and setters given the value they hold change nothing.
#include <gtest/gtest.h>

#include "skin/buttons/checkbox.h"
#include "skin/containers/groupbox.h"
#include "skin/containers/panel.h"
#include "tests/skin/support/control_picture_fixture.h"
#include "tests/skin/support/skinprobe.h"

namespace {

constexpr TColor kPanelColour = 0x4080C0;  // TColor is 0x00BBGGRR
constexpr QRgb kPanelRgb = 0xFFC08040;
constexpr TColor kOwnColour = 0x00FF00;
constexpr QRgb kOwnRgb = 0xFF00FF00;

// The form (kFormColour) holds a panel; on it a group box that follows ParentColor, holding a
// check box that does too, and a check box with a colour of its own.
class ColourHandDownTest : public ControlPictureTest {
 protected:
  void SetUp() override {
    ControlPictureTest::SetUp();
    panel = new TSkinPanel(&form);
    panel->setGeometry(10, 10, 260, 170);
    box = new TSkinGroupBox(panel);
    box->setGeometry(5, 30, 150, 100);
    grandchild = new TSkinCheckBox(box);
    grandchild->setGeometry(10, 40, 100, 20);
    ownColour = new TSkinCheckBox(panel);
    ownColour->setGeometry(170, 60, 80, 20);
    ownColour->SetColor(kOwnColour);
    panel->SetColor(kPanelColour);
    panel->show();
  }

  // What the form shows at a point of a control, wherever the control sits.
  QRgb Shown(const QWidget* control, QPoint at) {
    return form.grab(QRect(control->mapTo(&form, at), QSize(1, 1))).toImage().pixel(0, 0);
  }
  // One background pixel of each: the panel's body, the box inside its frame, and the corners
  // of the check boxes.
  QRgb PanelPixel() { return Shown(panel, {250, 160}); }
  QRgb BoxPixel() { return Shown(box, {140, 90}); }
  QRgb GrandchildPixel() { return Shown(grandchild, {0, 0}); }
  QRgb OwnColourPixel() { return Shown(ownColour, {0, 0}); }

  TSkinPanel* panel = nullptr;
  TSkinGroupBox* box = nullptr;
  TSkinCheckBox* grandchild = nullptr;
  TSkinCheckBox* ownColour = nullptr;
};

TEST_F(ColourHandDownTest, OwnColourReachesChildrenAndGrandchildrenThatFollowIt) {
  EXPECT_EQ(PanelPixel(), kPanelRgb);
  EXPECT_EQ(BoxPixel(), kPanelRgb) << "a child following ParentColor";
  EXPECT_EQ(GrandchildPixel(), kPanelRgb) << "a grandchild following ParentColor";
  EXPECT_EQ(grandchild->Color(), kPanelColour);
  EXPECT_EQ(OwnColourPixel(), kOwnRgb) << "a child with its own colour keeps it";

  panel->SetColor(kOwnColour);
  EXPECT_EQ(GrandchildPixel(), kOwnRgb) << "a new own colour reaches them too";
}

TEST_F(ColourHandDownTest, ParentColorOnAgainShowsTheFormsColour) {
  panel->SetParentColor(true);
  EXPECT_EQ(PanelPixel(), kFormColour);
  EXPECT_EQ(BoxPixel(), kFormColour);
  EXPECT_EQ(GrandchildPixel(), kFormColour);
  EXPECT_EQ(OwnColourPixel(), kOwnRgb);

  QPalette colours = form.palette();
  colours.setColor(QPalette::Window, QColor::fromRgb(kMagenta));
  form.setPalette(colours);
  EXPECT_EQ(GrandchildPixel(), kMagenta) << "no stale colour is kept on the way down";
}

// Handing the colour down goes through the palette, which also carries the group box's text
// colour: turning ParentColor on again keeps that.
TEST_F(ColourHandDownTest, ParentColorOnAgainKeepsTheTextColour) {
  box->SetUIStyle(TSkinUIStyle::WinXP);
  const QColor text = ToQColor(0xCF4602);  // WinXP's caption colour, not the form's black
  box->SetColor(kOwnColour);
  EXPECT_EQ(GrandchildPixel(), kOwnRgb);
  box->SetParentColor(true);
  EXPECT_EQ(GrandchildPixel(), kPanelRgb);
  EXPECT_EQ(box->palette().color(QPalette::WindowText), text);
  EXPECT_EQ(grandchild->palette().color(QPalette::WindowText), text);
}

// Each change raises ColorChanged once on the control and once on a child following it; a
// setter given the value it holds raises nothing, there or below.
TEST(ColourChangeTest, EachChangeRaisesOnceAndRepeatedValuesNothing) {
  QWidget form;
  auto* parent = new TSkinProbe(&form);
  auto* child = new TSkinProbe(parent);
  struct Step {
    const char* what;
    void (*apply)(TSkinProbe&);
    int raised;
  } const steps[] = {
      {"own colour", [](TSkinProbe& p) { p.SetColor(0x123456); }, 1},
      {"the same colour", [](TSkinProbe& p) { p.SetColor(0x123456); }, 0},
      {"ParentColor off again", [](TSkinProbe& p) { p.SetParentColor(false); }, 0},
      {"another colour", [](TSkinProbe& p) { p.SetColor(0x654321); }, 1},
      {"ParentColor on", [](TSkinProbe& p) { p.SetParentColor(true); }, 1},
      {"ParentColor on again", [](TSkinProbe& p) { p.SetParentColor(true); }, 0},
      {"ParentColor off", [](TSkinProbe& p) { p.SetParentColor(false); }, 1},
  };
  for (const Step& step : steps) {
    parent->colourChanges = 0;
    child->colourChanges = 0;
    step.apply(*parent);
    EXPECT_EQ(parent->colourChanges, step.raised) << step.what;
    EXPECT_EQ(child->colourChanges, step.raised) << step.what << ", seen by the child";
  }
}

}  // namespace
