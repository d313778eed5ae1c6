// A control may own the file theme it uses: deleting the control deletes the theme with its
// other children, and nothing may call back into the half-destroyed control.
#include <gtest/gtest.h>

#include <QVariant>
#include <functional>
#include <vector>

#include "skin/bars/progressbar.h"
#include "skin/bars/statusbar.h"
#include "skin/bars/toolbar.h"
#include "skin/bars/trackbar.h"
#include "skin/buttons/button.h"
#include "skin/buttons/checkbox.h"
#include "skin/containers/panel.h"
#include "skin/look/filetheme.h"

namespace {

TEST(FileThemeOwnership, ControlMayOwnTheThemeItUses) {
  const std::vector<std::function<QWidget*()>> makers = {
      [] { return new TSkinButton; },    [] { return new TSkinCheckBox; },
      [] { return new TSkinPanel; },     [] { return new TSkinProgressBar; },
      [] { return new TSkinStatusBar; }, [] { return new TSkinToolBar; },
      [] { return new TSkinTrackBar; },
  };
  for (const auto& make : makers) {
    QWidget* control = make();
    auto* theme = new TSkinFileTheme(control);
    control->setProperty("FileTheme", QVariant::fromValue(theme));
    ASSERT_EQ(control->property("FileTheme").value<TSkinFileTheme*>(), theme);
    delete control;
  }
}

}  // namespace
