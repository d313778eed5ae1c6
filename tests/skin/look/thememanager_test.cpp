// The theme manager: updating the listed components, its change event, the removal rules and
// its editing dialog.
#include "skin/look/thememanager.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "skin/look/thememanagerdialog.h"
#include "tests/skin/support/skinprobe.h"

namespace {

// A form with two listed probes and one that is not listed.
class ThemeManagerTest : public ::testing::Test {
 protected:
  QWidget form;
  QWidget* panel = new QWidget(&form);
  TSkinProbe* first = new TSkinProbe(&form, QStringLiteral("first"));
  TSkinProbe* nested = new TSkinProbe(panel, QStringLiteral("nested"));
  TSkinProbe* unlisted = new TSkinProbe(&form, QStringLiteral("unlisted"));
  TSkinThemeManager* manager = new TSkinThemeManager(&form);

  void SetUp() override {
    manager->SetList({QStringLiteral("first"), QStringLiteral("nested"), QStringLiteral("absent")});
  }
};

TEST_F(ThemeManagerTest, StartsInDeepBlueWithAnEmptyList) {
  TSkinThemeManager fresh(&form);
  EXPECT_EQ(fresh.UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(fresh.FileTheme(), nullptr);
  EXPECT_TRUE(fresh.CompList().isEmpty());
}

TEST_F(ThemeManagerTest, SettingTheListUpdatesNothing) {
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::DeepBlue);
  const int reads = first->reads;
  manager->SetList({QStringLiteral("first")});
  EXPECT_EQ(first->reads, reads);
}

TEST_F(ThemeManagerTest, SameStyleUpdatesTheComponentsWithoutTheChangeEvent) {
  QSignalSpy changed(manager, &TSkinThemeManager::OnUIStyleChanged);
  manager->SetUIStyle(TSkinUIStyle::MacOS);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::MacOS);
  EXPECT_EQ(nested->UIStyle(), TSkinUIStyle::MacOS) << "found anywhere in the owner";
  EXPECT_EQ(unlisted->UIStyle(), TSkinUIStyle::DeepBlue);

  first->SetUIStyle(TSkinUIStyle::WinXP);
  manager->SetUIStyle(TSkinUIStyle::MacOS);
  EXPECT_EQ(changed.count(), 1) << "the style did not change";
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::MacOS) << "but the components were updated";

  TSkinFileTheme theme;
  manager->SetFileTheme(&theme);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(first->FileTheme(), &theme);
  EXPECT_EQ(nested->FileTheme(), &theme);
}

TEST_F(ThemeManagerTest, FromThemeFileWithoutThemePaintsDeepBlue) {
  manager->SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(first->Look().EffectiveStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(first->backgroundColor, GetInsideThemeColor(TSkinUIStyle::DeepBlue, 15));
}

TEST_F(ThemeManagerTest, DestroyedComponentLeavesTheList) {
  delete nested;
  EXPECT_EQ(manager->CompList(), QStringList({QStringLiteral("first"), QStringLiteral("absent")}));
  delete unlisted;
  EXPECT_EQ(manager->CompList().size(), 2);
  manager->SetUIStyle(TSkinUIStyle::Protein);  // still works on what is left
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::Protein);
}

TEST_F(ThemeManagerTest, ComponentsMadeOrNamedAfterTheListLeaveItToo) {
  auto* late = new TSkinProbe(panel, QStringLiteral("absent"));  // made after SetList
  delete late;
  EXPECT_EQ(manager->CompList(), QStringList({QStringLiteral("first"), QStringLiteral("nested")}));
  manager->SetList({QStringLiteral("renamed")});
  unlisted->setObjectName(QStringLiteral("renamed"));  // named after SetList
  delete unlisted;
  EXPECT_TRUE(manager->CompList().isEmpty());
}

TEST_F(ThemeManagerTest, DestroyedThemeResetsTheManagerWithoutUpdating) {
  auto theme = std::make_unique<TSkinFileTheme>();
  manager->SetUIStyle(TSkinUIStyle::FromThemeFile);
  manager->SetFileTheme(theme.get());
  // The component goes its own way; losing the theme must not pull it back.
  first->SetFileTheme(nullptr);
  first->SetUIStyle(TSkinUIStyle::MacOS);
  QSignalSpy changed(manager, &TSkinThemeManager::OnUIStyleChanged);
  theme.reset();
  EXPECT_EQ(manager->FileTheme(), nullptr);
  EXPECT_EQ(manager->UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::MacOS);
  EXPECT_EQ(changed.count(), 0);
}

TEST_F(ThemeManagerTest, OwnerThatIsNoWidgetUpdatesNothing) {
  QObject notAForm;
  TSkinThemeManager detached(&notAForm);
  detached.SetList({QStringLiteral("first")});
  detached.SetUIStyle(TSkinUIStyle::BlueGlass);
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::DeepBlue);
}

TEST_F(ThemeManagerTest, ListedComponentWithoutTheLookPropertiesIsAnError) {
  QWidget* label = new QWidget(&form);
  label->setObjectName(QStringLiteral("label"));
  manager->SetList({QStringLiteral("label")});
  EXPECT_THROW(manager->SetUIStyle(TSkinUIStyle::MacOS), SkinError);
}

// Editing dialog: the owner's skinned components, in order; managers, plain classes and
// unnamed components are not offered.
class ThemeManagerDialogTest : public ThemeManagerTest {
 protected:
  void SetUp() override {
    new TSkinThemeManager(&form);
    new PlainProbe(&form, QStringLiteral("plain"));
    new TSkinProbe(&form);
    manager->SetList({QStringLiteral("nested")});
  }

  static QStringList Items(const ThemeManagerDialog& dialog, bool checkedOnly) {
    QStringList names;
    for (int row = 0; row < dialog.List()->count(); ++row) {
      const QListWidgetItem* item = dialog.List()->item(row);
      if (!checkedOnly || item->checkState() == Qt::Checked) names << item->text();
    }
    return names;
  }
};

TEST_F(ThemeManagerDialogTest, OffersTheSkinnedComponentsCheckedWhenListed) {
  ThemeManagerDialog dialog(manager);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Theme Manager"));
  // Depth first, in child order: the panel (holding "nested") was created before "first".
  EXPECT_EQ(Items(dialog, false), QStringList({QStringLiteral("nested"), QStringLiteral("first"),
                                               QStringLiteral("unlisted")}));
  EXPECT_EQ(Items(dialog, true), QStringList({QStringLiteral("nested")}));
  EXPECT_EQ(dialog.SelectAllButton()->text(), QStringLiteral("&Select all"));
  EXPECT_EQ(dialog.UnselectAllButton()->text(), QStringLiteral("&Unselect all"));
  EXPECT_EQ(dialog.OkButton()->text(), QStringLiteral("&OK"));
}

TEST_F(ThemeManagerDialogTest, OkTakesTheCheckedNamesAndUpdates) {
  manager->SetUIStyle(TSkinUIStyle::WinXP);
  ThemeManagerDialog dialog(manager);
  dialog.show();
  QTest::mouseClick(dialog.SelectAllButton(), Qt::LeftButton);
  EXPECT_EQ(Items(dialog, true).size(), 3);
  QTest::mouseClick(dialog.UnselectAllButton(), Qt::LeftButton);
  EXPECT_TRUE(Items(dialog, true).isEmpty());
  const QList<QListWidgetItem*> firstItem =
      dialog.List()->findItems(QStringLiteral("first"), Qt::MatchExactly);
  ASSERT_EQ(firstItem.size(), 1);
  firstItem.front()->setCheckState(Qt::Checked);

  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(manager->CompList(), QStringList({QStringLiteral("first")}));
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::WinXP) << "updated after OK";
}

TEST_F(ThemeManagerDialogTest, CancellingKeepsTheListButStillUpdates) {
  manager->SetUIStyle(TSkinUIStyle::WinXP);
  nested->SetUIStyle(TSkinUIStyle::MacOS);
  ThemeManagerDialog dialog(manager);
  dialog.show();
  QTest::mouseClick(dialog.SelectAllButton(), Qt::LeftButton);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(manager->CompList(), QStringList({QStringLiteral("nested")}));
  EXPECT_EQ(nested->UIStyle(), TSkinUIStyle::WinXP);
}

}  // namespace
