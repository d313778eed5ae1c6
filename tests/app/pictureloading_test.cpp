#include "app/pictureloading.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/picturefile.h"
#include "support/photos.h"

namespace {

TEST(LoadPictureScaledTest, GivesThePictureAndItsViewAsIfScaledAfterwards) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string jpeg = folder.filePath(QStringLiteral("photo.jpg")).toStdString();
  graphitine::WriteJpeg(PatternPhoto(900, 700), jpeg, 90);
  const std::string bitmap =
      WritePatternPhoto(folder, QStringLiteral("photo.bmp"), 90, 70).toStdString();
  for (const std::string& file : {jpeg, bitmap}) {
    SCOPED_TRACE(file);
    const graphitine::Raster expected = graphitine::LoadPicture(file);
    QSize asked;
    const ScaledLoad loaded = LoadPictureScaled(file, [&](QSize photo) {
      asked = photo;
      return QSize(photo.width() / 3, photo.height() / 3 + 1);
    });
    EXPECT_EQ(asked, QSize(expected.Width(), expected.Height()));
    EXPECT_TRUE(loaded.picture == expected);
    ScaledPicture whole;
    whole.Scale(expected, QSize(expected.Width() / 3, expected.Height() / 3 + 1));
    EXPECT_EQ(loaded.view.Image(), whole.Image());
  }
}

TEST(LoadPictureScaledTest, ABrokenFileRaisesLoadPicturesError) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString name = folder.filePath(QStringLiteral("cut.jpg"));
  graphitine::WriteJpeg(PatternPhoto(300, 200), name.toStdString(), 90);
  QFile cut(name);
  ASSERT_TRUE(cut.resize(cut.size() / 2));
  try {
    LoadPictureScaled(name.toStdString(), [](QSize photo) { return photo / 4; });
    FAIL() << "a cut file was read";
  } catch (const graphitine::FileError& error) {
    EXPECT_EQ(error.file(), name.toStdString());
  }
}

}  // namespace
