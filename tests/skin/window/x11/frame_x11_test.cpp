// A skinned window in a real X server under a window manager, driven by real input (xdotool)
// and measured by X queries (xwininfo): dragging the title bar moves it, its caption buttons
// maximize, restore, minimize and close it, a double click maximizes it, dragging an edge
// resizes it, and Alt+Space opens its system menu. Run through run_in_x.sh.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include "skin/window/form.h"
#include "skin/window/formframe_p.h"
#include "skin/window/titlebar.h"
#include "skin/window/titlebarpopupmenu.h"

namespace {

constexpr int kTimeoutMs = 5000;
// A drag begins with the pointer's first move; from then on the window follows the pointer.
const QPoint kFirstMove(1, 0);

// Runs xdotool with the arguments and waits for it.
void XDoTool(const QStringList& arguments) {
  QProcess tool;
  tool.start(QStringLiteral("xdotool"), arguments);
  ASSERT_TRUE(tool.waitForFinished(kTimeoutMs)) << arguments.join(' ').toStdString();
  ASSERT_EQ(tool.exitCode(), 0) << arguments.join(' ').toStdString() << ": "
                                << tool.readAllStandardError().toStdString();
}

// What the X server says of the window: its place and size, and whether it is mapped.
struct XWindow {
  QRect geometry;
  bool mapped = false;
};

XWindow Query(WId id) {
  QProcess info;
  info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(id)});
  info.waitForFinished(kTimeoutMs);
  const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
  const auto field = [&text](const char* name) {
    const QRegularExpression pattern(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(name)));
    return pattern.match(text).captured(1).toInt();
  };
  XWindow window;
  window.geometry = QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                          field("Width"), field("Height"));
  window.mapped = text.contains(QStringLiteral("IsViewable"));
  return window;
}

QString Num(int value) { return QString::number(value); }

class FrameInX : public testing::Test {
 protected:
  void SetUp() override {
    window.setGeometry(100, 100, 400, 300);
    skin = new TSkinForm(&window);
    skin->SetUIStyle(TSkinUIStyle::MacOS);
    skin->SetCaption(QStringLiteral("Frame under X"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    XDoTool({"windowactivate", "--sync", Num(int(window.winId()))});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(
        WaitForX([this] { return Query(window.winId()).geometry.size() == QSize(400, 300); }));
    start = Query(window.winId()).geometry;
  }

  // Polls the X server (and lets the program run) until the condition holds.
  template <typename Condition>
  bool WaitForX(Condition condition) {
    return QTest::qWaitFor(condition, kTimeoutMs);
  }

  QRect XGeometry() { return Query(window.winId()).geometry; }

  // A point of the title bar (in bar pixels) on the screen.
  QPoint OnBar(const QPoint& point) {
    return XGeometry().topLeft() + skin->TitleBar()->mapTo(&window, point);
  }

  QPoint ButtonCentre(TSkinTitleBarBtnType type) {
    const TSkinTitleBar& bar = *skin->TitleBar();
    for (const TSkinTitleBarPlacement::Placed& placed : bar.Place().buttons) {
      if (bar.Buttons().Items(placed.index)->ButtonType() == type)
        return OnBar(placed.rect.center());
    }
    ADD_FAILURE() << "no such button";
    return QPoint();
  }

  void MouseTo(const QPoint& at) { XDoTool({"mousemove", "--sync", Num(at.x()), Num(at.y())}); }

  void Click(const QPoint& at, int times = 1) {
    MouseTo(at);
    XDoTool({"click", "--repeat", Num(times), "--delay", "60", "1"});
  }

  // Presses at `from`, moves the pointer by kFirstMove, then to `to` in a few steps, and releases
  // there. Returns how far the window is to follow.
  QPoint Drag(const QPoint& from, const QPoint& to) {
    MouseTo(from);
    XDoTool({"mousedown", "1"});
    QTest::qWait(30);
    const QPoint begun = from + kFirstMove;
    XDoTool({"mousemove", Num(begun.x()), Num(begun.y())});
    for (int step = 1; step <= 4; ++step) {
      QTest::qWait(30);
      const QPoint at = begun + (to - begun) * step / 4;
      XDoTool({"mousemove", Num(at.x()), Num(at.y())});
    }
    QTest::qWait(30);
    XDoTool({"mouseup", "1"});
    return to - begun;
  }

  QRect Maximized() const { return MaximizedFormBounds(window.screen()->availableGeometry()); }

  QWidget window;
  TSkinForm* skin = nullptr;
  QRect start;
};

TEST_F(FrameInX, DraggingTheTitleBarMovesTheWindow) {
  const QPoint by = Drag(OnBar(QPoint(200, 10)), OnBar(QPoint(260, 50)));
  EXPECT_TRUE(WaitForX([&] { return XGeometry() == start.translated(by); }))
      << "at " << XGeometry().x() << "," << XGeometry().y();
}

TEST_F(FrameInX, CaptionButtonsMaximizeRestoreMinimizeAndClose) {
  Click(ButtonCentre(skinMax));
  EXPECT_TRUE(WaitForX([&] { return XGeometry() == Maximized(); }));
  EXPECT_TRUE(skin->FormMaximized());
  Click(ButtonCentre(skinMax));
  EXPECT_TRUE(WaitForX([&] { return XGeometry() == start; }));
  Click(ButtonCentre(skinMin));
  EXPECT_TRUE(WaitForX([&] { return !Query(window.winId()).mapped; })) << "iconified";
  window.showNormal();
  XDoTool({"windowactivate", "--sync", Num(int(window.winId()))});
  ASSERT_TRUE(WaitForX([&] { return Query(window.winId()).mapped; }));
  Click(ButtonCentre(skinClose));
  EXPECT_TRUE(WaitForX([&] { return !window.isVisible(); }));
}

TEST_F(FrameInX, DoubleClickOnTheCaptionMaximizesAndRestores) {
  Click(OnBar(QPoint(200, 10)), 2);
  EXPECT_TRUE(WaitForX([&] { return XGeometry() == Maximized(); }));
  Click(OnBar(QPoint(200, 10)), 2);
  EXPECT_TRUE(WaitForX([&] { return XGeometry() == start; }));
}

TEST_F(FrameInX, DraggingAnEdgeOrCornerResizes) {
  const QPoint rightEdge = start.topLeft() + QPoint(start.width() - 2, start.height() / 2);
  const QPoint wide = Drag(rightEdge, rightEdge + QPoint(50, 0));
  EXPECT_TRUE(WaitForX([&] {
    return XGeometry() == QRect(start.topLeft(), start.size() + QSize(wide.x(), 0));
  })) << XGeometry().width()
      << "x" << XGeometry().height();
  const QRect wider = XGeometry();
  const QPoint corner = wider.topLeft() + QPoint(wider.width() - 2, wider.height() - 2);
  const QPoint by = Drag(corner, corner + QPoint(-30, 40));
  EXPECT_TRUE(WaitForX([&] {
    return XGeometry() == QRect(wider.topLeft(), wider.size() + QSize(by.x(), by.y()));
  })) << XGeometry().width()
      << "x" << XGeometry().height();
}

TEST_F(FrameInX, EdgesShowResizeCursors) {
  const struct {
    QPoint at;
    Qt::CursorShape shape;
  } cases[] = {{QPoint(398, 150), Qt::SizeHorCursor},
               {QPoint(200, 298), Qt::SizeVerCursor},
               {QPoint(398, 298), Qt::SizeFDiagCursor},
               {QPoint(1, 298), Qt::SizeBDiagCursor}};
  for (const auto& c : cases) {
    MouseTo(start.topLeft() + c.at);
    EXPECT_TRUE(WaitForX([&] {
      const QWidget* under = QApplication::widgetAt(start.topLeft() + c.at);
      return under != nullptr && under->cursor().shape() == c.shape;
    })) << c.at.x()
        << "," << c.at.y();
  }
}

TEST_F(FrameInX, AltSpaceOpensTheSystemMenu) {
  XDoTool({"key", "--clearmodifiers", "alt+space"});
  TSkinTitleBarPopupMenu* menu = skin->TitleBar()->SystemMenu();
  ASSERT_TRUE(WaitForX([&] { return menu->isVisible(); }));
  EXPECT_TRUE(WaitForX([&] { return Query(menu->winId()).mapped; })) << "on the screen";
  XDoTool({"key", "Escape"});
  EXPECT_TRUE(WaitForX([&] { return !menu->isVisible(); }));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
