#pragma once
// The editing aid of the theme manager: a check list of the owner's skinned components.
#include <QDialog>

class QListWidget;
class QPushButton;
class TSkinThemeManager;

// Lists every component of the manager's owner whose class name begins with "TSkin" and that
// has both UIStyle and FileTheme (theme managers excepted), checked when listed. OK replaces the
// manager's list with the checked names in display order; however the dialog ends, the
// manager then updates its components.
class ThemeManagerDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ThemeManagerDialog(TSkinThemeManager* manager, QWidget* parent = nullptr);

  QListWidget* List() const { return list_; }
  QPushButton* SelectAllButton() const { return selectAll_; }
  QPushButton* UnselectAllButton() const { return unselectAll_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  void CheckAll(bool checked);

  QListWidget* list_;
  QPushButton* selectAll_;
  QPushButton* unselectAll_;
  QPushButton* ok_;
};

// Shows the dialog modally; only for a manager owned by a widget.
void ThemeManagerEdit(TSkinThemeManager* manager);
