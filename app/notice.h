#pragma once
// The program's notices: the skin library's notice pop-up at the bottom-right corner of the
// screen, saying what a long or outside piece of work did (a batch run, a hand-off to another
// program). Failures that need an answer keep their message boxes.
#include <QString>

class QObject;
class TSkinNoticePopForm;

// The notice component, owned by the owner: the title in bold, and long enough on screen to be
// read.
TSkinNoticePopForm* MakeNotice(QObject* owner);

// Shows the title and message, replacing a notice still shown.
void ShowNotice(TSkinNoticePopForm& notice, const QString& title, const QString& message);

// A file or folder name shortened in its middle ("/home/ann/…/out") to fit a line of its own
// in a notice's message, which would otherwise break it at its slashes.
QString NoticePath(const QString& path);
