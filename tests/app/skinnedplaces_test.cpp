// The windows' placing: on the skinned form below its title bar, on other controls as given, a
// place without a size keeps the control's own, and a parent not made yet is refused.
#include "app/skinnedplaces.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <stdexcept>

#include "skin/window/form.h"
#include "skin/window/titlebar.h"

namespace {

// clang-format off
constexpr SkinnedPlaces kPlaces({
  {"Box",    "skinForm1", {8, 32, 100, 40}},
  {"Inner",  "Box",       {5, 6, 20, 10}},
  {"Label",  "skinForm1", {26, 33, 0, 0}},
  {"Orphan", "Nowhere",   {1, 2, 3, 4}},
});
// clang-format on

TEST(SkinnedPlacesTest, PlacesControlsOnTheFormsPanelOrTheirParent) {
  QWidget window;
  auto* form = new TSkinForm(&window);
  form->setObjectName(QStringLiteral("skinForm1"));
  form->SetPanel(new QWidget(&window));
  const int title = form->TitleBar()->sizeHint().height();
  ASSERT_GT(title, 0);

  auto* box = MakePlaced<QWidget>(*form, kPlaces["Box"]);
  EXPECT_EQ(box->objectName(), QStringLiteral("Box"));
  EXPECT_EQ(box->parentWidget(), form->FormPanel());
  EXPECT_EQ(box->geometry(), QRect(8, 32 - title, 100, 40));

  auto* inner = MakePlaced<QWidget>(*form, kPlaces["Inner"]);
  EXPECT_EQ(inner->parentWidget(), box);
  EXPECT_EQ(inner->geometry(), QRect(5, 6, 20, 10));

  auto* label = MakePlaced<QLabel>(*form, kPlaces["Label"]);
  const QSize own = label->size();
  EXPECT_EQ(label->geometry(), QRect(QPoint(26, 33 - title), own));

  EXPECT_THROW(MakePlaced<QWidget>(*form, kPlaces["Orphan"]), std::logic_error);
}

}  // namespace
