#pragma once
// TSkinMemo: Qt's plain-text edit inside the skinned one-pixel frame, two pixels deep, with up to
// two skinned scroll bars (VScrollBar, HScrollBar) laid over its native ones. Attaching a bar
// gives the memo the native bar it mirrors (ScrollBars follows the attached bars); typing,
// cutting, pasting, undoing, wheel scrolling and setting the text keep the skinned bars in step,
// and moving a skinned bar scrolls the text. A bar with nothing to scroll stays shown, disabled
// and without its thumb. The bars are siblings of the memo; attaching one moves it into the
// memo's parent.
#include <QPlainTextEdit>
#include <QStringList>

#include "skin/inputs/nativelook.h"

class SkinAttachedBars;
class TSkinScrollBar;

class TSkinMemo : public QPlainTextEdit, public SkinNativeLook {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(TSkinScrollBar* VScrollBar READ VScrollBar WRITE SetVScrollBar)
  Q_PROPERTY(TSkinScrollBar* HScrollBar READ HScrollBar WRITE SetHScrollBar)
  Q_PROPERTY(TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
  Q_PROPERTY(bool WantReturns READ WantReturns WRITE SetWantReturns)
  Q_PROPERTY(bool WantTabs READ WantTabs WRITE SetWantTabs)
  Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
  Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
  Q_PROPERTY(QString Text READ toPlainText WRITE setPlainText)

 public:
  // Which native scroll bars the memo shows; a shown bar stays even when there is nothing to
  // scroll.
  enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
  Q_ENUM(TScrollStyle)

  static constexpr int kBorderWidth = 2;

  explicit TSkinMemo(QWidget* owner = nullptr);

  TSkinScrollBar* VScrollBar() const;
  void SetVScrollBar(TSkinScrollBar* bar);
  TSkinScrollBar* HScrollBar() const;
  void SetHScrollBar(TSkinScrollBar* bar);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return lineWrapMode() != NoWrap; }
  void SetWordWrap(bool value) { setLineWrapMode(value ? WidgetWidth : NoWrap); }
  // Without WantReturns, Enter goes to the form (its default button) and Ctrl+Enter breaks lines.
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  // Without WantTabs, Tab moves the focus on.
  bool WantTabs() const { return !tabChangesFocus(); }
  void SetWantTabs(bool value) { setTabChangesFocus(!value); }
  QStringList Lines() const;
  void SetLines(const QStringList& lines);

 protected:
  // The attached bars take the memo's look.
  void LookChanged() override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Pasted and dropped data goes in as plain text (an HTML-only offer by its text), when it has
  // any. Qt's own insertion fails
  // on data that offers no format at all (an empty X clipboard: Ctrl+V crashed the memo).
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void ApplyScrollBars();
  // The native scroll bars are those the attached skinned bars mirror.
  void ChooseNativeBars();

  SkinAttachedBars* bars_;
  TScrollStyle scrollBars_ = ssNone;
  bool wantReturns_ = true;
};
