// Gallery section: the notice pop-up as it shows once it has slid into view, with the default
// fonts, with a Latin and with a Chinese text. Its picture is the same in every look.
#include <QHBoxLayout>
#include <QLabel>

#include "skin/window/frmnoticepopform.h"
#include "skin/window/noticepopform.h"
#include "tools/skin-gallery/gallery.h"

namespace {

QLabel* NoticePicture(QWidget* parent, const QString& title, const QString& message) {
  TfrmNoticePopForm window;
  const SkinFont font{QFont(), TSkinNoticePopForm::kDefaultFontColor};
  window.ShowTitle(title, font);
  window.ShowMessage(message, font);
  auto* picture = new QLabel(parent);
  picture->setPixmap(window.grab());
  return picture;
}

QWidget* BuildNotices(TSkinUIStyle, TSkinFileTheme*) {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->addWidget(
      NoticePicture(box, "Graphitine", "The sketch has been saved in the output folder."));
  row->addWidget(NoticePicture(box, QString::fromUtf8("提示"), QString::fromUtf8("转换完成!")));
  row->addStretch();
  return box;
}

GalleryRegistration notices{"Notice pop-up", 90, BuildNotices};

}  // namespace
