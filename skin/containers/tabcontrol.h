#pragma once
// TSkinTabControl: a bare tab strip over a body, with a list of captions. It starts with one
// tab, "Tab1", active. Children share the one body whichever tab is active; OnChange says
// which tab the user or the code chose.
#include "skin/containers/tab.h"
#include "skin/containers/tabcontroltoppanel.h"

class TSkinTabControl : public TSkinTab {
  Q_OBJECT
  Q_PROPERTY(QStringList Tabs READ Tabs WRITE SetTabs)
  Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex)

 public:
  explicit TSkinTabControl(QWidget* owner = nullptr) : TSkinTab(owner) { StartLook(owner); }

  const QStringList& Tabs() const { return TopPanel()->Tabs(); }
  void SetTabs(const QStringList& tabs) { TopPanel()->SetTabs(tabs); }
};
