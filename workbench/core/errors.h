// Exceptions of the workbench: every failure carries the message shown to the user.
#pragma once

#include <QString>
#include <stdexcept>

// Base of all workbench errors; the message is the text shown in the error box.
class EBrixError : public std::runtime_error {
 public:
  explicit EBrixError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// A text that should have been a number could not be converted.
class EConvertError : public EBrixError {
 public:
  using EBrixError::EBrixError;
};

// The user cancelled a run while it was waiting for the pipeline.
class ERunCancelled : public EBrixError {
 public:
  ERunCancelled() : EBrixError(QStringLiteral("The analysis was cancelled.")) {}
};
