// The paper catalogue and the batch collector on a real folder tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "sketch/batchlist.h"
#include "sketch/bmpfile.h"
#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/picturefile.h"
#include "sketch/textures.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

using namespace graphitine::testing;

// root/
//   Rough.BMP  a.swf  .bmp  notes.txt  Photo.JPG  pic.jpeg  same.jpg
//   Sub/       Deep.bmp  inner.jpg  More/Leaf.Jpg
//   .hidden/   h.jpg  h.bmp          (hidden: not walked)
//   ReadOnly/  r.jpg  r.bmp          (not writable: not walked)
//   link ->    Sub                   (symbolic link: not walked)
class FolderTree : public ::testing::Test {
 protected:
  void SetUp() override {
    const Raster picture = SamplePhoto(6, 5);
    for (const char* bitmap :
         {"Rough.BMP", ".bmp", "Sub/Deep.bmp", ".hidden/h.bmp", "ReadOnly/r.bmp"}) {
      WriteBmp(picture, InNewFolder(root() / bitmap));
    }
    for (const char* jpeg : {"Photo.JPG", "pic.jpeg", "same.jpg", "Sub/inner.jpg",
                             "Sub/More/Leaf.Jpg", ".hidden/h.jpg", "ReadOnly/r.jpg"}) {
      WriteJpeg(picture, InNewFolder(root() / jpeg), 90);
    }
    WriteText(root() / "a.swf", "not really flash");
    WriteText(root() / "notes.txt", "notes");
    fs::create_directory_symlink(root() / "Sub", root() / "link");
    fs::permissions(root() / "ReadOnly", fs::perms::owner_write, fs::perm_options::remove);
  }
  fs::path root() const { return dir_.path() / "Root"; }
  std::string Shown(const std::string& rest) const { return root().string() + "/" + rest; }

  TempDir dir_;
};

TEST_F(FolderTree, CatalogueListsLowerCasedNamesAndRemembersRealPaths) {
  std::vector<TextureEntry> list;
  CollectTextures(root(), list);
  std::map<std::string, fs::path> found;
  for (const TextureEntry& entry : list) found[entry.name] = entry.path;
  EXPECT_EQ(list.size(), 4u);
  const std::map<std::string, fs::path> expected = {
      {"rough", root() / "Rough.BMP"},
      {"a", root() / "a.bmp"},  // a ".swf" entry is read as the bitmap of its stem
      {"", root() / ".bmp"},    // a file named exactly ".bmp" is an empty item
      {"deep", root() / "Sub" / "Deep.bmp"},
  };
  EXPECT_EQ(found, expected);
  // Entries are read from where they really are, also from sub-folders.
  EXPECT_NO_THROW(LoadPicture(found["rough"]));
  EXPECT_NO_THROW(LoadPicture(found["deep"]));
  EXPECT_THROW(LoadPicture(found["a"]), FileError);  // there is no a.bmp
}

TEST_F(FolderTree, CatalogueOfAMissingFolderIsEmpty) {
  std::vector<TextureEntry> list;
  CollectTextures(root() / "none", list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(TextureFolder("/opt/graphitine"), fs::path("/opt/graphitine/texture"));
}

TEST_F(FolderTree, CollectorListsJpgAndBmpWithLowerCasedTextsOnly) {
  std::vector<PictureItem> list;
  findall(root().string(), list);
  std::map<std::string, fs::path> found;
  for (const PictureItem& item : list) found[item.text] = item.path;
  const std::map<std::string, fs::path> expected = {
      {Shown("rough.bmp"), root() / "Rough.BMP"},
      {Shown(".bmp"), root() / ".bmp"},
      {Shown("photo.jpg"), root() / "Photo.JPG"},
      {Shown("same.jpg"), root() / "same.jpg"},
      {Shown("sub/deep.bmp"), root() / "Sub" / "Deep.bmp"},
      {Shown("sub/inner.jpg"), root() / "Sub" / "inner.jpg"},
      {Shown("sub/more/leaf.jpg"), root() / "Sub" / "More" / "Leaf.Jpg"},
  };
  EXPECT_EQ(found, expected);
  EXPECT_EQ(list.size(), expected.size());
  // Every item opens from its real path, although its text does not exist on this disk.
  for (const PictureItem& item : list) {
    if (item.text != Shown(".bmp")) {
      EXPECT_NO_THROW(LoadPicture(item.path)) << item.text;
    }
  }
  EXPECT_FALSE(fs::exists(Shown("photo.jpg")));
}

TEST_F(FolderTree, CollectorWalksDepthFirst) {
  std::vector<PictureItem> list;
  findall(root().string(), list);
  // The three pictures of Sub (with its own sub-folder) stand together in the list.
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].text.rfind(Shown("sub/"), 0) == 0) positions.push_back(i);
  }
  ASSERT_EQ(positions.size(), 3u);
  EXPECT_EQ(positions.back() - positions.front(), 2u);
}

TEST_F(FolderTree, CollectorAddsNothingTwice) {
  std::vector<PictureItem> list;
  findall(root().string(), list);
  const std::size_t first = list.size();
  findall(root().string(), list);
  EXPECT_EQ(list.size(), first);
  EXPECT_TRUE(HaveStr(Shown("photo.jpg"), list));
  EXPECT_FALSE(HaveStr(Shown("Photo.JPG"), list));  // exact, case-sensitive comparison
  findall((root() / "missing").string(), list);
  EXPECT_EQ(list.size(), first);
}

TEST_F(FolderTree, ParentAfterACapitalisedSubFolderListsItsPicturesAgain) {
  // The sub-folder added by hand keeps its capitals; the walk from the parent lower-cases it.
  std::vector<PictureItem> list;
  findall((root() / "Sub").string(), list);
  EXPECT_EQ(list.size(), 3u);
  EXPECT_TRUE(HaveStr(Shown("Sub/deep.bmp"), list));
  findall(root().string(), list);
  EXPECT_EQ(list.size(), 3u + 7u);
  EXPECT_TRUE(HaveStr(Shown("sub/deep.bmp"), list));
}

TEST_F(FolderTree, TrailingSeparatorDoublesInTheTexts) {
  std::vector<PictureItem> list;
  findall(root().string() + "/", list);
  EXPECT_TRUE(HaveStr(root().string() + "//same.jpg", list));
  for (const PictureItem& item : list) {
    if (item.text == root().string() + "//same.jpg") {
      EXPECT_NO_THROW(LoadPicture(item.path));
    }
  }
}

}  // namespace
}  // namespace graphitine
