// The look a component starts with, the fall-back to DeepBlue, and the hand-down of a look
// from a container to its children.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

#include "skin/look/builtinlooks.h"
#include "skin/look/component.h"
#include "skin/look/filetheme.h"
#include "skin/look/themefilewriter.h"
#include "skin/window/form.h"

// A skinned form in the given look on parent.
static TSkinForm* SkinFormOn(QWidget* parent, TSkinUIStyle style) {
  auto* form = new TSkinForm(parent);
  form->SetUIStyle(style);
  return form;
}

// A skinned control that logs the order in which its look is set.
class LoggingControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
 public:
  LoggingControl(QWidget* parent, QStringList* log) : QWidget(parent), log_(log) {}
  TSkinUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TSkinUIStyle style) {
    style_ = style;
    log_->append(objectName() + ".UIStyle");
  }
  TSkinFileTheme* FileTheme() const { return theme_; }
  void SetFileTheme(TSkinFileTheme* theme) {
    theme_ = theme;
    log_->append(objectName() + ".FileTheme");
    if (onFileTheme) onFileTheme();
  }
  std::function<void()> onFileTheme;

 private:
  QStringList* log_;
  TSkinUIStyle style_ = TSkinUIStyle::MacOS;
  TSkinFileTheme* theme_ = nullptr;
};

// Has a UIStyle but no FileTheme: not a skinned component for the hand-down.
class StyleOnlyControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
 public:
  using QWidget::QWidget;
  TSkinUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TSkinUIStyle style) { style_ = style; }

 private:
  TSkinUIStyle style_ = TSkinUIStyle::MacOS;
};

namespace {

TEST(LooksFormStyle, FormWithoutSkinFormStartsInDeepBlue) {
  QWidget form;
  QWidget panel(&form);
  EXPECT_EQ(GetSkinFormStyle(&form), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(GetSkinFormStyle(&panel), TSkinUIStyle::DeepBlue);
  EXPECT_EQ(GetSkinFormStyle(nullptr), TSkinUIStyle::DeepBlue);
  QObject notAForm;
  EXPECT_EQ(GetSkinFormStyle(&notAForm), TSkinUIStyle::DeepBlue);
}

TEST(LooksFormStyle, TheFirstSkinFormOfTheFormDecides) {
  QWidget form;
  QWidget plain(&form);
  SkinFormOn(&form, TSkinUIStyle::MacOS);
  SkinFormOn(&form, TSkinUIStyle::Protein);
  QWidget panel(&form);
  QWidget deep(&panel);
  EXPECT_EQ(GetSkinFormStyle(&form), TSkinUIStyle::MacOS);
  // A control inside a container of the form takes the form's look too.
  EXPECT_EQ(GetSkinFormStyle(&deep), TSkinUIStyle::MacOS);
}

TEST(LooksFormStyle, ASkinFormDeeperDownDoesNotCount) {
  QWidget form;
  QWidget panel(&form);
  SkinFormOn(&panel, TSkinUIStyle::WinXP);
  EXPECT_EQ(GetSkinFormStyle(&form), TSkinUIStyle::DeepBlue);
}

TEST(LooksFileTheme, BuiltInStylesNeverReadTheFile) {
  TSkinFileTheme theme;
  for (TSkinUIStyle style : {TSkinUIStyle::MacOS, TSkinUIStyle::BlueGlass}) {
    TSkinUIStyle effective = TSkinUIStyle::FromThemeFile;
    EXPECT_FALSE(UsingFileTheme(&theme, style, effective));
    EXPECT_EQ(effective, style);
  }
}

TEST(LooksFileTheme, FromThemeFileWithoutUsableThemeFallsBackToDeepBlue) {
  TSkinFileTheme unloaded;
  for (const TSkinFileTheme* theme : {static_cast<const TSkinFileTheme*>(nullptr),
                                      static_cast<const TSkinFileTheme*>(&unloaded)}) {
    TSkinUIStyle effective = TSkinUIStyle::MacOS;
    EXPECT_FALSE(UsingFileTheme(theme, TSkinUIStyle::FromThemeFile, effective));
    EXPECT_EQ(effective, TSkinUIStyle::DeepBlue);
  }
}

// A loaded theme file holding entry 7 (the caption buttons' left offset) as 42.
class LoadedTheme : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    const QString file = dir_.filePath("one.skin");
    TSkinThemeFileWriter writer(file);
    writer.AddInteger(SkinEntryName(7), 42);
    writer.Save();
    theme_ = std::make_unique<TSkinFileTheme>();
    theme_->SetThemeFile(file);
    ASSERT_TRUE(theme_->CanUse());
  }
  QTemporaryDir dir_;
  std::unique_ptr<TSkinFileTheme> theme_;
};

TEST_F(LoadedTheme, FromThemeFileWithUsableThemeReadsTheFile) {
  TSkinUIStyle effective = TSkinUIStyle::MacOS;
  EXPECT_TRUE(UsingFileTheme(theme_.get(), TSkinUIStyle::FromThemeFile, effective));
  EXPECT_EQ(effective, TSkinUIStyle::FromThemeFile);
  // A built-in style ignores even a usable theme.
  EXPECT_FALSE(UsingFileTheme(theme_.get(), TSkinUIStyle::WinXP, effective));
  EXPECT_EQ(effective, TSkinUIStyle::WinXP);
}

// A component following the contract: counts how often its look was re-read.
struct CountingComponent {
  QObject self;
  int rereads = 0;
  SkinComponent look{&self, [this] { ++rereads; }};
};

TEST(LooksComponent, StartsWithTheFormsLook) {
  QWidget form;
  SkinFormOn(&form, TSkinUIStyle::MacOS);
  CountingComponent component;
  component.look.Start(&form);
  EXPECT_EQ(component.look.UIStyle(), TSkinUIStyle::MacOS);
  EXPECT_EQ(component.rereads, 1);
  EXPECT_EQ(component.look.Color(SkinEntry::FormBackgroundColor), 0xE7E7E7u);
}

TEST(LooksComponent, FromThemeFileWithoutThemePaintsDeepBlueButKeepsTheStyle) {
  CountingComponent component;
  component.look.SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(component.look.UIStyle(), TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(component.look.EffectiveStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_FALSE(component.look.UsesFileTheme());
  EXPECT_EQ(component.look.Color(SkinEntry::FormBackgroundColor),
            GetInsideThemeColor(TSkinUIStyle::DeepBlue, 15));
  EXPECT_EQ(component.look.Int(SkinEntry::TitleBarButtonTopInt), 2);
}

TEST(LooksComponent, ThemeGoingAwayLeavesDeepBlue) {
  CountingComponent component;
  auto theme = std::make_unique<TSkinFileTheme>();
  component.look.SetUIStyle(TSkinUIStyle::FromThemeFile);
  component.look.SetFileTheme(theme.get());
  const int before = component.rereads;
  theme.reset();
  EXPECT_EQ(component.look.FileTheme(), nullptr);
  EXPECT_EQ(component.look.UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_GT(component.rereads, before);
}

TEST(LooksComponent, ReplacedThemeNoLongerResetsTheStyle) {
  CountingComponent component;
  auto first = std::make_unique<TSkinFileTheme>();
  TSkinFileTheme second;
  component.look.SetFileTheme(first.get());
  component.look.SetFileTheme(&second);
  component.look.SetUIStyle(TSkinUIStyle::Protein);
  first.reset();
  EXPECT_EQ(component.look.UIStyle(), TSkinUIStyle::Protein);
  EXPECT_EQ(component.look.FileTheme(), &second);
}

TEST_F(LoadedTheme, ComponentReadsTheThemeUntilItGoesAway) {
  CountingComponent component;
  component.look.SetFileTheme(theme_.get());
  component.look.SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_TRUE(component.look.UsesFileTheme());
  EXPECT_EQ(component.look.Int(SkinEntry::TitleBarButtonLeftOffsetInt), 42);
  EXPECT_EQ(component.look.Int(SkinEntry::TitleBarButtonTopInt), -1);  // absent from the file
  theme_.reset();
  EXPECT_EQ(component.look.UIStyle(), TSkinUIStyle::DeepBlue);
  EXPECT_FALSE(component.look.UsesFileTheme());
  EXPECT_EQ(component.look.Int(SkinEntry::TitleBarButtonLeftOffsetInt), 0);  // DeepBlue's own value
}

TEST(LooksHandDown, DirectChildrenWithBothPropertiesGetThemeThenStyle) {
  QStringList log;
  QWidget container;
  auto* first = new LoggingControl(&container, &log);
  first->setObjectName("first");
  auto* styleOnly = new StyleOnlyControl(&container);
  new QWidget(&container);
  auto* second = new LoggingControl(&container, &log);
  second->setObjectName("second");
  auto* grandchild = new LoggingControl(second, &log);
  grandchild->setObjectName("grandchild");
  TSkinFileTheme theme;

  ContainerApplyUIStyle(&container, TSkinUIStyle::WinXP, &theme);

  EXPECT_EQ(
      log, QStringList({"first.FileTheme", "first.UIStyle", "second.FileTheme", "second.UIStyle"}));
  EXPECT_EQ(first->UIStyle(), TSkinUIStyle::WinXP);
  EXPECT_EQ(first->FileTheme(), &theme);
  EXPECT_EQ(second->UIStyle(), TSkinUIStyle::WinXP);
  EXPECT_EQ(styleOnly->UIStyle(), TSkinUIStyle::MacOS);
  EXPECT_EQ(grandchild->UIStyle(), TSkinUIStyle::MacOS);
  EXPECT_EQ(grandchild->FileTheme(), nullptr);
}

TEST(LooksHandDown, NoThemeClearsTheChildsTheme) {
  QStringList log;
  QWidget container;
  auto* child = new LoggingControl(&container, &log);
  TSkinFileTheme theme;
  child->SetFileTheme(&theme);
  ContainerApplyUIStyle(&container, TSkinUIStyle::DeepBlue, nullptr);
  EXPECT_EQ(child->FileTheme(), nullptr);
  EXPECT_EQ(child->UIStyle(), TSkinUIStyle::DeepBlue);
}

// A child that deletes a later sibling when it is given its theme must not break the walk.
TEST(LooksHandDown, SiblingsRemovedDuringTheWalkAreSkipped) {
  QStringList log;
  QWidget container;
  auto* eater = new LoggingControl(&container, &log);
  eater->setObjectName("eater");
  auto* victim = new LoggingControl(&container, &log);
  victim->setObjectName("victim");
  auto* last = new LoggingControl(&container, &log);
  last->setObjectName("last");
  eater->onFileTheme = [victim] { delete victim; };

  ContainerApplyUIStyle(&container, TSkinUIStyle::Protein, nullptr);

  EXPECT_EQ(log,
            QStringList({"eater.FileTheme", "eater.UIStyle", "last.FileTheme", "last.UIStyle"}));
}

}  // namespace

#include "stylechoice_test.moc"
