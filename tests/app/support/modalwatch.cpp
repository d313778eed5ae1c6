#include "support/modalwatch.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>

#include <gtest/gtest.h>

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
  files->selectFile(file);
  static_cast<QDialog*>(files)->accept();
}
