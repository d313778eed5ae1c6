#include "app/notice.h"

#include <QFontMetrics>

#include "skin/window/noticepopform.h"

namespace {

// The message's width in the notice (its 181-pixel picture less the margins of the message),
// less a little, so that a name on a line of its own is not broken at its slashes.
constexpr int kMessageWidth = 150;
constexpr int kStayTimeMs = 6000;

}  // namespace

TSkinNoticePopForm* MakeNotice(QObject* owner) {
  auto* notice = new TSkinNoticePopForm(owner);
  notice->setObjectName(QStringLiteral("Notice"));
  SkinFont title = notice->TitleFont();
  title.font.setBold(true);
  notice->SetTitleFont(title);
  notice->SetStayTime(kStayTimeMs);
  notice->SetClickHide(true);
  return notice;
}

void ShowNotice(TSkinNoticePopForm& notice, const QString& title, const QString& message) {
  notice.SetTitle(title);
  notice.SetMessageText(message);
  notice.Popup();
}

QString NoticePath(const QString& path) {
  return QFontMetrics(QFont()).elidedText(path, Qt::ElideMiddle, kMessageWidth);
}
