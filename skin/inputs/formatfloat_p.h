#pragma once
// Numbers written by a pattern, the way the number edit shows its value:
//   "0" a digit that always shows, "#" a digit that shows when significant, "." the place of the
//   locale's decimal separator, "," anywhere before it: thousands separators; text in single or
//   double quotes and every other character are copied as they stand. Up to three sections
//   separated by ";" serve positive, negative and zero values; without a negative section a
//   negative value gets a leading "-".
// The value is rounded to as many decimals as the pattern has digit places after the point.
// Scientific notation is not offered: "E" is copied like any other character. An empty
// pattern writes the value in the locale's general way.
#include <QLocale>
#include <QString>

QString SkinFormatFloat(const QString& pattern, double value, const QLocale& locale = QLocale());

// The text as a number in the locale's way, its thousands separators left out first; false when
// it is none.
bool SkinTextToFloat(const QString& text, double* value, const QLocale& locale = QLocale());
