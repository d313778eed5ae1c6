#pragma once
// TSkinFilterComboBox: a skinned choice of file filters. Filter is written as the file dialogs
// take it, descriptions and patterns alternating with "|" ("Pictures|*.jpg;*.bmp|All files|*.*");
// the list shows the descriptions and Mask is the pattern of the chosen one. Skinned in the
// simple style too; rows are 15 pixels high.
#include <QStringList>

#include "skin/inputs/customcombobox.h"

class TSkinFilterComboBox : public TSkinCustomComboBox {
  Q_OBJECT
  Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
  Q_PROPERTY(QString Mask READ Mask)

 public:
  explicit TSkinFilterComboBox(QWidget* owner = nullptr);

  const QString& Filter() const { return filter_; }
  // A description without a pattern gets "*.*".
  void SetFilter(const QString& value);
  QString Mask() const;

 protected:
  bool PaintsSimpleStyle() const override { return true; }

 private:
  QString filter_;
  QStringList masks_;
};
