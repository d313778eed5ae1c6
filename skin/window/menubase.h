#pragma once
// SkinMenuBase: what the skinned pop-up menu and the skinned main menu share. The menu keeps
// Qt's menu windows, keys and mouse handling; every item of it and of all its submenus (present
// and added later) is measured and drawn in the look: its colours, or in MacOS the menu pictures.
// Applying a look sets the item heights (MacOS 20 and 12, other looks 21 and 5), the colour
// column (26 pixels wide) and all colours; afterwards the properties may be changed one by one.
#include <QColor>
#include <QFont>
#include <QMenu>
#include <QString>
#include <memory>

#include "skin/look/component.h"
#include "skin/look/filetheme.h"

class SkinMenuStyle;
struct SkinMenuLook;

class SkinMenuBase : public QMenu, public SkinLookReceiver {
  Q_OBJECT
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
  Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE SetHeight)
  Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE SetSeparatorHeight)
  Q_PROPERTY(int BarWidth READ BarWidth WRITE SetBarWidth)
  Q_PROPERTY(TColor BarColor READ BarColor WRITE SetBarColor)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(TColor SeparatorColor READ SeparatorColor WRITE SetSeparatorColor)
  Q_PROPERTY(TColor SelectedBorderColor READ SelectedBorderColor WRITE SetSelectedBorderColor)
  Q_PROPERTY(TColor SelectedColor READ SelectedColor WRITE SetSelectedColor)
  Q_PROPERTY(TColor SelectedFontColor READ SelectedFontColor WRITE SetSelectedFontColor)
  Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE SetFlatMenu)
  Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
  Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)
  Q_PROPERTY(int FontCharset READ FontCharset WRITE SetFontCharset)
  Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)

 public:
  ~SkinMenuBase() override;

  TSkinUIStyle UIStyle() const { return look_.UIStyle(); }
  void SetUIStyle(TSkinUIStyle style) { look_.SetUIStyle(style); }
  TSkinFileTheme* FileTheme() const { return look_.FileTheme(); }
  void SetFileTheme(TSkinFileTheme* theme) { look_.SetFileTheme(theme); }
  void SetLook(TSkinUIStyle style, TSkinFileTheme* theme) override { look_.SetLook(style, theme); }
  const SkinComponent& Look() const { return look_; }

  // Every item is drawn by the menu; writing changes nothing.
  bool OwnerDraw() const { return true; }
  void SetOwnerDraw(bool) {}
  // In MacOS the heights are the look's own: writing them is ignored (a main menu still takes
  // MenuItemHeight).
  int MenuItemHeight() const;
  void SetHeight(int value);
  int SeparatorHeight() const;
  void SetSeparatorHeight(int value);
  int BarWidth() const;
  void SetBarWidth(int value);
  TColor BarColor() const { return barColor_; }
  void SetBarColor(TColor value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TColor SeparatorColor() const { return separatorColor_; }
  void SetSeparatorColor(TColor value);
  TColor SelectedBorderColor() const { return selectedBorderColor_; }
  void SetSelectedBorderColor(TColor value);
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor value);
  TColor SelectedFontColor() const { return selectedFontColor_; }
  void SetSelectedFontColor(TColor value);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value);
  // Kept only; the menu window's frame does not use it.
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // A flat border round the menu window instead of the application style's frame.
  bool FlatMenu() const { return flat_; }
  void SetFlatMenu(bool value);
  // The item font when UseSystemFont is off; the character set is kept only.
  QString FontName() const { return fontName_; }
  void SetFontName(const QString& value);
  int FontSize() const { return fontSize_; }
  void SetFontSize(int value);
  int FontCharset() const { return fontCharset_; }
  void SetFontCharset(int value);
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool value);

  // The font the items are drawn in.
  QFont ItemFont() const;
  // The look the items are drawn in, as last applied.
  const SkinMenuLook& DrawLook() const { return *draw_; }

 signals:
  // The look, the font or a size changed: whoever shows the menu reads it again.
  void OnLookChanged();

 protected:
  // mainMenu: the main menu always takes MenuItemHeight.
  SkinMenuBase(QWidget* owner, bool mainMenu);

  void actionEvent(QActionEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void LookChanged();
  bool MacOSLook() const { return look_.UIStyle() == TSkinUIStyle::MacOS; }
  // Gives a menu (and the submenus in it) the menu's style and font.
  void Skin(QMenu* menu);
  void SkinSubmenuOf(const QAction* action);
  // The colours, font or sizes changed: every menu of the tree lays out and paints again.
  void Restyle();
  // Stores a colour property and the colour it is drawn in.
  void StoreColor(TColor& field, QColor SkinMenuLook::*drawn, TColor value);
  void ApplyFont();

  SkinComponent look_;
  std::unique_ptr<SkinMenuLook> draw_;
  SkinMenuStyle* style_;
  bool mainMenu_;
  TColor barColor_ = clBtnFace;
  TColor color_ = clWhite;
  TColor separatorColor_ = 0x808080;
  TColor selectedBorderColor_ = clHighlight;
  TColor selectedColor_ = clHighlight;
  TColor selectedFontColor_ = clWhite;
  TColor fontColor_ = clWhite;
  TColor borderColor_ = clBlack;
  bool flat_ = false;
  QString fontName_ = QStringLiteral("MS Sans Serif");
  int fontSize_ = 8;
  int fontCharset_ = 1;
  bool useSystemFont_ = true;
};
