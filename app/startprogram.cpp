#include "app/startprogram.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>
#include <QTimer>

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <memory>
#include <mutex>
#include <thread>

extern char** environ;
#endif

QString FindProgram(const QStringList& names) {
  for (const QString& name : names) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return QString();
}

QString ProgramFailure(const QString& program, int status) {
  const QString name = QFileInfo(program).fileName();
  if (name.startsWith(QLatin1String("xdg-"))) {
    switch (status) {
      case 1:
        return QCoreApplication::translate("StartProgram", "%1 的调用有误").arg(name);
      case 2:
        return QCoreApplication::translate("StartProgram", "%1 找不到文件").arg(name);
      case 3:
        return QCoreApplication::translate("StartProgram", "%1 找不到可以打开它的程序").arg(name);
      case 4:
        return QCoreApplication::translate("StartProgram", "%1 未能完成").arg(name);
      case 5:
        return QCoreApplication::translate("StartProgram", "%1 无权读取文件").arg(name);
      default:
        break;
    }
  }
  return QCoreApplication::translate("StartProgram", "%1 以代码 %2 结束").arg(name).arg(status);
}

#ifndef _WIN32

namespace {

// Follows one started program on the interface thread, as a child of the receiver: it goes with
// the receiver, and whatever the waiting thread tells it after that is dropped.
class OutcomeWatch : public QObject {
 public:
  // What the waiting thread posts to: the watch while it lives.
  struct Link {
    std::mutex lock;
    OutcomeWatch* watch = nullptr;
  };

  OutcomeWatch(QObject* receiver, ProgramOutcome outcome)
      : QObject(receiver), outcome_(std::move(outcome)), link_(std::make_shared<Link>()) {
    link_->watch = this;
    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, [this] { Tell(0); });
    settle_.start(kSettleTimeMs);
  }
  ~OutcomeWatch() override {
    const std::lock_guard<std::mutex> hold(link_->lock);
    link_->watch = nullptr;
  }

  std::shared_ptr<Link> LinkToThis() const { return link_; }

  // On the waiting thread: the program ended with that status.
  static void Ended(const std::shared_ptr<Link>& link, int status) {
    const std::lock_guard<std::mutex> hold(link->lock);
    // Posted while the watch is sure to live; a watch that goes later drops the call with it.
    if (OutcomeWatch* watch = link->watch) {
      QMetaObject::invokeMethod(
          watch,
          [watch, status] {
            watch->settle_.stop();
            watch->Tell(status);
            watch->deleteLater();
          },
          Qt::QueuedConnection);
    }
  }

 private:
  // The first word says how the start went; after it only a failure is worth telling.
  void Tell(int status) {
    if (told_ && status == 0) return;
    told_ = true;
    outcome_(status);
  }

  ProgramOutcome outcome_;
  std::shared_ptr<Link> link_;
  QTimer settle_;
  bool told_ = false;
};

int StatusOf(int waitStatus) {
  if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
  if (WIFSIGNALED(waitStatus)) return 128 + WTERMSIG(waitStatus);
  return 0;
}

}  // namespace

int StartDetached(const QString& program, const std::vector<std::string>& arguments,
                  QObject* receiver, ProgramOutcome outcome) {
  if (program.isEmpty()) return ENOENT;
  std::string programText = QFile::encodeName(program).toStdString();
  std::vector<std::string> texts = arguments;
  std::vector<char*> argv{programText.data()};
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int failure =
      posix_spawn(&child, programText.c_str(), nullptr, nullptr, argv.data(), environ);
  if (failure != 0) return failure;
  std::shared_ptr<OutcomeWatch::Link> link;
  if (receiver != nullptr && outcome) {
    link = (new OutcomeWatch(receiver, std::move(outcome)))->LinkToThis();
  }
  // The program's end is collected so that it leaves no zombie, and told to its watch.
  std::thread([child, link] {
    int waitStatus = 0;
    while (waitpid(child, &waitStatus, 0) < 0 && errno == EINTR) {
    }
    if (link) OutcomeWatch::Ended(link, StatusOf(waitStatus));
  }).detach();
  return 0;
}

#endif
