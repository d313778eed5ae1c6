#include <QStringList>
#include <cmath>
#include <vector>

#include "skin/inputs/formatfloat_p.h"

namespace {

struct Token {
  enum Kind { Zero, Hash, Point, Comma, Literal } kind;
  QString text;  // the literal's characters
};

// Splits a pattern into sections at the semicolons outside quotes.
QStringList Sections(const QString& pattern) {
  QStringList sections(QString{});
  QChar quote;
  for (const QChar c : pattern) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u';') {
      sections.append(QString());
      continue;
    }
    sections.last().append(c);
  }
  return sections;
}

std::vector<Token> Tokens(const QString& section) {
  std::vector<Token> tokens;
  bool seenPoint = false;
  for (qsizetype i = 0; i < section.size(); ++i) {
    const QChar c = section[i];
    if (c == u'"' || c == u'\'') {
      const qsizetype end = section.indexOf(c, i + 1);
      const qsizetype stop = end < 0 ? section.size() : end;
      tokens.push_back({Token::Literal, section.mid(i + 1, stop - i - 1)});
      i = stop;
    } else if (c == u'0') {
      tokens.push_back({Token::Zero, {}});
    } else if (c == u'#') {
      tokens.push_back({Token::Hash, {}});
    } else if (c == u'.' && !seenPoint) {
      seenPoint = true;
      tokens.push_back({Token::Point, {}});
    } else if (c == u',') {
      tokens.push_back({Token::Comma, {}});
    } else {
      tokens.push_back({Token::Literal, QString(c)});
    }
  }
  return tokens;
}

bool IsPlace(const Token& t) { return t.kind == Token::Zero || t.kind == Token::Hash; }

struct Layout {
  int integerPlaces = 0;
  int minimumIntegerDigits = 0;  // places from the first "0" before the point
  int decimals = 0;
  int minimumDecimals = 0;  // up to the last "0" after the point
  bool thousands = false;
};

Layout Measure(const std::vector<Token>& tokens) {
  Layout layout;
  bool afterPoint = false;
  bool seenZero = false;
  for (const Token& t : tokens) {
    if (t.kind == Token::Point) {
      afterPoint = true;
    } else if (t.kind == Token::Comma && !afterPoint) {
      layout.thousands = true;
    } else if (IsPlace(t) && !afterPoint) {
      ++layout.integerPlaces;
      seenZero = seenZero || t.kind == Token::Zero;
      if (seenZero) ++layout.minimumIntegerDigits;
    } else if (IsPlace(t)) {
      ++layout.decimals;
      if (t.kind == Token::Zero) layout.minimumDecimals = layout.decimals;
    }
  }
  return layout;
}

// The digits of |value| rounded to the layout's decimals: integer part (no leading zeros beyond
// the minimum) and fraction (no trailing zeros beyond the minimum).
void Digits(double magnitude, const Layout& layout, QString* integer, QString* fraction) {
  const QString fixed = QString::number(magnitude, 'f', layout.decimals);
  const qsizetype point = fixed.indexOf(u'.');
  *integer = point < 0 ? fixed : fixed.left(point);
  *fraction = point < 0 ? QString() : fixed.mid(point + 1);
  while (!integer->isEmpty() && integer->front() == u'0') integer->remove(0, 1);
  while (integer->size() < layout.minimumIntegerDigits) integer->prepend(u'0');
  while (fraction->size() > layout.minimumDecimals && fraction->back() == u'0') fraction->chop(1);
}

QString Render(const std::vector<Token>& tokens, double magnitude, const QLocale& locale) {
  const Layout layout = Measure(tokens);
  QString integer, fraction;
  Digits(magnitude, layout, &integer, &fraction);
  const QString group = locale.groupSeparator();
  // The integer digits go to the integer places from the right; the first place takes the rest.
  const auto digitsOfPlace = [&](int place) {
    const qsizetype n = integer.size();
    const qsizetype end = n - (layout.integerPlaces - 1 - place);
    const qsizetype begin = place == 0 ? 0 : end - 1;
    QString out;
    for (qsizetype i = std::max<qsizetype>(begin, 0); i < end; ++i) {
      const qsizetype fromRight = n - i;
      if (layout.thousands && i > 0 && fromRight % 3 == 0) out += group;
      out += integer[i];
    }
    return out;
  };
  QString out;
  int integerPlace = 0;
  int decimalPlace = 0;
  bool afterPoint = false;
  for (const Token& t : tokens) {
    switch (t.kind) {
      case Token::Literal:
        out += t.text;
        break;
      case Token::Comma:
        break;
      case Token::Point:
        afterPoint = true;
        if (layout.integerPlaces == 0) out += integer;  // a pattern without integer places
        if (!fraction.isEmpty()) out += locale.decimalPoint();
        break;
      case Token::Zero:
      case Token::Hash:
        if (!afterPoint) {
          out += digitsOfPlace(integerPlace++);
        } else if (decimalPlace < fraction.size()) {
          out += fraction[decimalPlace++];
        }
        break;
    }
  }
  return out;
}

bool RoundsToZero(double magnitude, const std::vector<Token>& tokens) {
  QString integer, fraction;
  Digits(magnitude, Measure(tokens), &integer, &fraction);
  for (const QChar c : integer + fraction) {
    if (c != u'0') return false;
  }
  return true;
}

}  // namespace

QString SkinFormatFloat(const QString& pattern, double value, const QLocale& locale) {
  if (pattern.isEmpty()) return locale.toString(value, 'g', 15);
  const QStringList sections = Sections(pattern);
  const std::vector<Token> positive = Tokens(sections[0]);
  const double magnitude = std::fabs(value);
  if (sections.size() > 2 && !sections[2].isEmpty() && RoundsToZero(magnitude, positive)) {
    return Render(Tokens(sections[2]), magnitude, locale);
  }
  if (value < 0 && sections.size() > 1 && !sections[1].isEmpty()) {
    return Render(Tokens(sections[1]), magnitude, locale);
  }
  const QString shown = Render(positive, magnitude, locale);
  return value < 0 && !RoundsToZero(magnitude, positive) ? QStringLiteral("-") + shown : shown;
}

bool SkinTextToFloat(const QString& text, double* value, const QLocale& locale) {
  QString plain = text;
  plain.remove(locale.groupSeparator());
  bool ok = false;
  const double number = locale.toDouble(plain.trimmed(), &ok);
  if (ok && value != nullptr) *value = number;
  return ok;
}
