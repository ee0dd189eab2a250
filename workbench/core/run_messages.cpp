// The messages that the failures of a run are shown with.
#include <QString>

#include "errors.h"
#include "input_file.h"
#include "run_driver.h"

QString RunFailureMessage(const std::exception& error, int n) {
  if (const auto* grid = dynamic_cast<const EGridConvertError*>(&error)) {
    if (!grid->Value.isEmpty())
      return grid->message() + QStringLiteral(
                                   "\r\nMake sure that a number appears in every square whose "
                                   "row and column are marked as being 'In' the analysis. Mark "
                                   "rows and columns that contain words as 'Out', or as 'Name' "
                                   "if you would like to use them as titles.");
    return grid->message() + QStringLiteral(
                                 "\r\nThe analysis cannot start because one or more data values "
                                 "are missing in the table. Make sure that a number appears in "
                                 "every square whose row and columns are marked as being 'In' "
                                 "the analysis.");
  }
  if (dynamic_cast<const EConvertError*>(&error)) {
    if (n > 200)
      return QStringLiteral(
          "An error has occured during the analysis, most likely because the data includes more "
          "than 200 observations, which is the maximal supported number of observations.");
    return QStringLiteral(
        "An error has occured during the analysis. Most likely one or more of the variables you "
        "use has the same value for all the observations. Such variables contain no new "
        "information about the observations and should be excluded from the analysis - Remove "
        "them and retry.");
  }
  const auto* brix = dynamic_cast<const EBrixError*>(&error);
  const QString message = brix ? brix->message() : QString::fromLocal8Bit(error.what());
  if (message.startsWith(QStringLiteral("color")))
    return QStringLiteral("The ") + message +
           QStringLiteral(
               " does not exist. Make sure that all values in your 'Color' column are integer "
               "numbers between 1 and 16.");
  return QStringLiteral("An error has occured during the calculation: ") + message + u'.';
}
