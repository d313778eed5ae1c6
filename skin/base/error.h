#pragma once
// Errors of the skin library. what() is the text to show: the message, and on a second line the
// file it concerns when there is one.
#include <QString>

#include "sketch/errors.h"

class SkinError : public graphitine::Error {
 public:
  explicit SkinError(const QString& message, const QString& fileName = QString())
      : Error(
            (fileName.isEmpty() ? message : message + QLatin1Char('\n') + fileName).toStdString()),
        message_(message),
        fileName_(fileName) {}
  const QString& message() const { return message_; }
  const QString& fileName() const { return fileName_; }

 private:
  QString message_;
  QString fileName_;
};
