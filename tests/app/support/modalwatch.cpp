#include "support/modalwatch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include "skin/buttons/button.h"

int ModalWatch::watching_ = 0;

ModalWatch::ModalWatch(Answer answer) : answer_(std::move(answer)) {
  ++watching_;
  connect(&timer_, &QTimer::timeout, this, &ModalWatch::Look);
  timer_.start(10);
}

ModalWatch::~ModalWatch() { --watching_; }

void ModalWatch::GuardUnwatchedModals() {
  auto* guard = new QTimer(qApp);
  QObject::connect(guard, &QTimer::timeout, [] {
    QWidget* modal = QApplication::activeModalWidget();
    if (watching_ > 0 || modal == nullptr) return;
    ADD_FAILURE() << "unexpected modal window " << modal->objectName().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  });
  guard->start(50);
}

void ModalWatch::Look() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  seen_ << modal->objectName();
  if (modal->objectName() == QLatin1String("MessageBox")) {
    messages_ << modal->findChild<QLabel*>(QStringLiteral("MessageText"))->text();
  }
  if (answer_) {
    answer_(modal);
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  }
}

void PressMessageButton(QWidget* box, int index) {
  box->findChildren<TSkinButton*>().at(index)->Click();
}

void ChooseFile(QWidget* dialog, const QString& file) {
  auto* files = qobject_cast<QFileDialog*>(dialog);
  // selectFile() leaves the name box alone once it has the focus, and accept() checks the name
  // against a folder model that fills on another thread: either can keep the dialog open. The
  // folder and name are set as a user would type them, and the dialog ends with the choice.
  const QFileInfo chosen(file);
  files->setDirectory(chosen.absolutePath());
  files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen.fileName());
  static_cast<QDialog*>(files)->done(QDialog::Accepted);
}
