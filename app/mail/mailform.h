#pragma once
// The send-to-friend dialog: a subject to choose, a prepared body to edit, whether to attach
// the sketch, and a button that hands the message to the mail client. Modal; the dialog stays
// open after sending until the user closes it.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class TSkinButton;
class TSkinCheckBox;
class TSkinComboBox;
class TSkinForm;
class TSkinGroupBox;
class TSkinMemo;

class TMailForm : public QDialog {
  Q_OBJECT
 public:
  // Says what a sending did: a title and a message for the user.
  using Notice = std::function<void(const QString& title, const QString& message)>;

  // attachment: the sketch file written for this dialog; empty when there is no sketch, which
  // leaves the attachment box unticked and disabled. notice tells whether the mail program
  // took each message, also after the dialog has closed while the owner lives.
  TMailForm(QWidget* owner, QString attachment, Notice notice = {});

  // The subjects offered and the body's first lines, in the window's language.
  static QStringList Subjects();
  static QStringList DefaultBody();

  TSkinForm* skinForm1;
  QLabel* Label1;
  TSkinComboBox* ComboBox1;
  QLabel* Label2;
  TSkinMemo* Memo1;
  TSkinGroupBox* GroupBox1;
  TSkinCheckBox* CheckBox1;
  TSkinButton* Button1;

 public slots:
  void skinButton1Click();  // Start sending

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Sizes the skinned form to its layout size and centres the window on its owner, once.
  void Place();

  QString attachment_;
  Notice notice_;
  bool placed_ = false;
};
