// The windows' language: Chinese, their own, for Chinese readers and the C locale; English for
// everyone else, every text of every window translated.
#include "app/language.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/batch/batchform.h"
#include "app/mail/mailform.h"
#include "app/mainwindow/oldform.h"
#include "skin/bars/statusbar.h"
#include "skin/buttons/button.h"
#include "support/modalwatch.h"

namespace {

TEST(LanguageForTest, TheFirstChineseOrEnglishLanguageDecidesAndCMeansChinese) {
  struct Case {
    QStringList uiLanguages;
    ProgramLanguage expected;
  };
  const Case cases[] = {
      {{"C"}, ProgramLanguage::Chinese},
      {{"POSIX"}, ProgramLanguage::Chinese},
      {{"zh-CN", "zh-Hans-CN", "zh"}, ProgramLanguage::Chinese},
      {{"zh_TW"}, ProgramLanguage::Chinese},
      {{"en-US", "en-Latn-US", "en"}, ProgramLanguage::English},
      {{"fr-FR", "fr-Latn-FR", "fr"}, ProgramLanguage::English},
      {{"fr", "zh-CN"}, ProgramLanguage::Chinese},  // French first, then Chinese: no French
      {{"de-DE", "en-GB", "zh"}, ProgramLanguage::English},
      {{"ZH-hk"}, ProgramLanguage::Chinese},
      {{}, ProgramLanguage::English},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.uiLanguages.join(',').toStdString());
    EXPECT_EQ(LanguageFor(c.uiLanguages), c.expected);
  }
}

TEST(LanguageForTest, TheCLocaleIsChineseWhateverItsUiLanguages) {
  EXPECT_EQ(LanguageFor(QLocale::c()), ProgramLanguage::Chinese);
  EXPECT_EQ(LanguageFor(QLocale(QStringLiteral("zh_CN"))), ProgramLanguage::Chinese);
  EXPECT_EQ(LanguageFor(QLocale(QStringLiteral("fr_FR"))), ProgramLanguage::English);
}

TEST(LanguageNamedTest, ZhAndEnOnly) {
  EXPECT_EQ(LanguageNamed(QStringLiteral("zh")), ProgramLanguage::Chinese);
  EXPECT_EQ(LanguageNamed(QStringLiteral("en")), ProgramLanguage::English);
  for (const char* other : {"", "EN", "fr", "zh-CN", "english"}) {
    EXPECT_FALSE(LanguageNamed(QString::fromLatin1(other))) << other;
  }
}

// Every text a window holds in its objects' properties (captions, labels, items, tooltips,
// titles, menu actions, status texts), each with where it was found.
QStringList TextsOf(const QObject& window) {
  QStringList texts;
  QList<const QObject*> objects{&window};
  for (const QObject* child : window.findChildren<QObject*>()) objects << child;
  for (const QObject* object : objects) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
      const QMetaProperty property = meta->property(i);
      const QVariant value = property.read(object);
      const QString where = object->objectName() + QLatin1Char('.') +
                            QLatin1String(property.name()) + QStringLiteral(": ");
      if (value.typeId() == QMetaType::QString) texts << where + value.toString();
      if (value.typeId() == QMetaType::QStringList) texts << where + value.toStringList().join('|');
    }
  }
  return texts;
}

QStringList Chinese(const QStringList& texts) {
  static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
  return texts.filter(cjk);
}

class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { UseLanguage(ProgramLanguage::Chinese); }

  // The windows of the program, made in the language in place.
  void MakeWindows() {
    main_ = std::make_unique<TOldForm>(folder_.path().toStdString());
    batch_ = std::make_unique<TBatchForm>(nullptr, TBatchForm::Host{});
    mail_ = std::make_unique<TMailForm>(nullptr, QStringLiteral("/tmp/sketch.jpg"));
  }

  QStringList AllTexts() const { return TextsOf(*main_) + TextsOf(*batch_) + TextsOf(*mail_); }

  QTemporaryDir folder_;
  std::unique_ptr<TOldForm> main_;
  std::unique_ptr<TBatchForm> batch_;
  std::unique_ptr<TMailForm> mail_;
};

TEST_F(LanguageTest, ChineseIsTheWindowsOwnLanguage) {
  UseLanguage(ProgramLanguage::Chinese);
  MakeWindows();
  EXPECT_EQ(main_->Button2->Caption(), QStringLiteral("&打开"));
  EXPECT_EQ(main_->StatusBar1->SimpleText(), QString::fromUtf8(TOldForm::kAutomaticStatus));
  EXPECT_FALSE(Chinese(AllTexts()).isEmpty());
}

// A text left out of the translation would show here in Chinese.
TEST_F(LanguageTest, InEnglishNoWindowHoldsAChineseText) {
  UseLanguage(ProgramLanguage::English);
  MakeWindows();
  EXPECT_EQ(main_->Button2->Caption(), QStringLiteral("&Open"));
  EXPECT_EQ(main_->StatusBar1->SimpleText(), QStringLiteral("◆ Automatic conversion"));
  EXPECT_EQ(Chinese(AllTexts()), QStringList());

  // The messages the windows show.
  ModalWatch watch;  // closes the save dialog that follows the request to save
  main_->BitBtn4Click();
  batch_->BitBtn1Click();
  EXPECT_EQ(watch.Messages().size(), 2);
  EXPECT_EQ(Chinese(watch.Messages()), QStringList());
}

TEST_F(LanguageTest, ChineseAgainAfterEnglish) {
  UseLanguage(ProgramLanguage::English);
  UseLanguage(ProgramLanguage::Chinese);
  MakeWindows();
  EXPECT_EQ(main_->Button2->Caption(), QStringLiteral("&打开"));
}

}  // namespace
