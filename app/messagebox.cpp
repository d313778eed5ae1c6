#include "app/messagebox.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/programlook.h"
#include "skin/buttons/button.h"
#include "skin/window/form.h"
#include "skin/window/titlebar.h"

namespace {

// One box for every message: the text above a row of buttons, the one at defaultButton (from 0)
// the default. Returns the chosen button's number, from 1; 0 when the box was closed otherwise.
int RunMessageBox(const QString& text, const QStringList& buttons, QWidget* parent,
                  int defaultButton = 0) {
  QDialog box(parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  auto* frame = new TSkinForm(&box);
  frame->SetUIStyle(kProgramLook);
  frame->SetBorderStyle(bsDialog);
  frame->SetCaption(QStringLiteral("Graphitine"));
  auto* contents = new QWidget(&box);
  PaintWindowBackground(contents);
  auto* label = new QLabel(text, contents);
  label->setObjectName(QStringLiteral("MessageText"));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (int i = 0; i < buttons.size(); ++i) {
    auto* button = new TSkinButton(contents);
    button->SetCaption2(buttons[i]);
    button->setFixedSize(75, 25);
    button->SetDefault(i == defaultButton);
    const int result = i + 1;
    QObject::connect(button, &TSkinCustomButton::OnClick, &box,
                     [&box, result] { box.done(result); });
    row->addWidget(button);
  }
  row->addStretch();
  auto* column = new QVBoxLayout(contents);
  column->addWidget(label);
  column->addLayout(row);
  frame->SetPanel(contents);
  // The window holds the contents at their own size below the title bar, inside the frame.
  const QMargins border = box.contentsMargins();
  box.resize(contents->sizeHint() +
             QSize(border.left() + border.right(),
                   border.top() + border.bottom() + frame->TitleBar()->sizeHint().height()));
  return box.exec();
}

}  // namespace

void ShowMessage(const QString& text, QWidget* parent) {
  RunMessageBox(text, {QCoreApplication::translate("MessageBox", "OK")}, parent);
}

bool AskYesNo(const QString& question, QWidget* parent, DefaultAnswer preferred) {
  return RunMessageBox(question,
                       {QCoreApplication::translate("MessageBox", "&Yes"),
                        QCoreApplication::translate("MessageBox", "&No")},
                       parent, preferred == DefaultAnswer::Yes ? 0 : 1) == 1;
}

SaveChoice AskToSave(const QString& question, QWidget* parent) {
  const QStringList buttons{QCoreApplication::translate("MessageBox", "保存"),
                            QCoreApplication::translate("MessageBox", "不保存"),
                            QCoreApplication::translate("MessageBox", "取消")};
  switch (RunMessageBox(question, buttons, parent)) {
    case 1:
      return SaveChoice::Save;
    case 2:
      return SaveChoice::DontSave;
    default:
      return SaveChoice::Cancel;
  }
}
