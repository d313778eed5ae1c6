// Scenes that put a look's pictures to work the way the controls cut, stretch and key them, so
// that the preview shows how the artwork survives its use.
#include "demos.h"

#include <QFont>

#include "skin/paint/slicing_p.h"
#include "skin/paint/turns_p.h"

namespace art {

namespace {

QImage Find(const Pictures& pictures, const QString& name) {
  for (const Picture& picture : pictures) {
    if (picture.name == name) return picture.image;
  }
  return {};
}

QImage Frame(const QImage& strip, int count, int number) {
  QImage frame;
  SpitBitmap(strip, frame, count, number);
  return frame;
}

// Drawn with the toolkit's automatic transparency: the bottom-left pixel's colour left out.
void DrawKeyedOnBottomLeft(QPainter& p, int x, int y, const QImage& picture) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1);
  for (int row = 0; row < keyed.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(row));
    for (int col = 0; col < keyed.width(); ++col) {
      if (line[col] == key) line[col] = 0;
    }
  }
  p.drawImage(x, y, keyed);
}

QImage Canvas(int width, int height, const QColor& color) {
  QImage canvas(width, height, QImage::Format_RGB32);
  canvas.fill(color);
  return canvas;
}

QImage Buttons(const Look& look, const Pictures& pictures) {
  const QImage strip = Find(pictures, look.prefix + "_BUTTON");
  const bool transparent = GetInsideThemeBool(look.style, 2);
  QImage scene = Canvas(3 * 104 + 8 + 3 * 44, 40, look.form);
  QPainter p(&scene);
  p.setFont(QFont("DejaVu Sans", 8));
  for (int state = 1; state <= 3; ++state) {
    for (const QSize size : {QSize(96, 27), QSize(40, 18)}) {
      const int x = size.width() > 50 ? 4 + (state - 1) * 104 : 3 * 104 + 8 + (state - 1) * 44;
      p.save();
      p.translate(x, 6);
      SpitDraw(Frame(strip, 3, state), p, QRect(QPoint(0, 0), size), transparent);
      p.setPen(Qt::black);
      p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, size.width() > 50 ? "Convert" : "OK");
      p.restore();
    }
  }
  return scene;
}

// A title bar the way a stand-alone title bar lays itself out.
QImage TitleBar(const Look& look, const Pictures& pictures, int width) {
  const QImage left = Find(pictures, look.prefix + "_TITLE_LEFT");
  const QImage client = Find(pictures, look.prefix + "_TITLE_CLIENT");
  const QImage right = Find(pictures, look.prefix + "_TITLE_RIGHT");
  const QImage buttons = Find(pictures, look.prefix + "_TITLEBTN");
  QImage scene = Canvas(width, left.height() + 30, look.form);
  QPainter p(&scene);
  p.drawImage(0, 0, left);
  p.drawImage(QRect(left.width(), 0, width - left.width() - right.width(), client.height()),
              client);
  p.drawImage(width - right.width(), 0, right);
  const bool keyed = GetInsideThemeBool(look.style, 6);
  const int top = GetInsideThemeInt(look.style, 9);
  auto draw = [&](int x, int y, const QImage& picture) {
    if (keyed) {
      DrawKeyedOnBottomLeft(p, x, y, picture);
    } else {
      p.drawImage(x, y, picture);
    }
  };
  int x = width + GetInsideThemeInt(look.style, 8);
  const int lastFrames[] = {18, 9, 15};  // close, maximize, minimize; the middle one hovered
  for (int i = 0; i < 3; ++i) {
    const QImage frame = Frame(buttons, 18, lastFrames[i] - (i == 1 ? 1 : 2));
    x -= frame.width() + 1;
    draw(x, top, frame);
  }
  const QImage controlBox = Frame(buttons, 18, 1);
  const int lx = std::max(0, GetInsideThemeInt(look.style, 7) + 1);
  draw(lx, top - 1, controlBox);
  p.setPen(ToQColor(GetInsideThemeColor(look.style, 44)));
  QFont font("DejaVu Sans", 8);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(lx + controlBox.width() + 5, top, width, controlBox.height()),
             Qt::AlignLeft | Qt::AlignVCenter, "Graphitine");
  // The body's top below the bar, framed as the skinned form frames it.
  p.fillRect(0, left.height(), width, 30, look.form);
  p.fillRect(0, left.height(), 1, 30, ToQColor(GetInsideThemeColor(look.style, 16)));
  p.fillRect(width - 1, left.height(), 1, 30, ToQColor(GetInsideThemeColor(look.style, 16)));
  return scene;
}

QImage Tabs(const Look& look, const Pictures& pictures) {
  const QImage strip = Find(pictures, look.prefix + "_TAB");
  const QImage line = Find(pictures, look.prefix + "_TAB_LINE");
  const QImage active = Frame(strip, 2, 1);
  const QImage inactive = Frame(strip, 2, 2);
  const int width = 260;
  const int hi = inactive.height();
  QImage scene = Canvas(width, hi + line.height() + 30, look.control);
  QPainter p(&scene);
  p.drawImage(QRect(1, hi, width - 2, line.height()), line);
  p.setPen(look.controlBorder);
  p.drawLine(0, hi, 0, scene.height() - 1);
  p.drawLine(width - 1, hi, width - 1, scene.height() - 1);
  p.drawLine(0, scene.height() - 1, width - 1, scene.height() - 1);
  p.setFont(QFont("DejaVu Sans", 8));
  int x = 10;
  const char* captions[] = {"Pen", "Paper", "Brush"};
  for (int i = 0; i < 3; ++i) {
    const bool isActive = i == 1;
    const QRect rect(x, isActive ? 1 : 0, 64, hi);
    SpitDrawHorizontal(isActive ? active : inactive, p, rect, false, false);
    p.setPen(Qt::black);
    p.drawText(rect, Qt::AlignCenter, captions[i]);
    x += 64;
  }
  return scene;
}

QImage Bars(const Look& look, const Pictures& pictures) {
  const QImage bar = Find(pictures, look.prefix + "_TRACKBAR_BAR");
  const QImage slider = Find(pictures, look.prefix + "_TRACKBAR_SLIDER");
  const QImage progress = Find(pictures, look.prefix + "_PROGRESSBAR");
  QImage scene = Canvas(360, 40, look.form);
  QPainter p(&scene);
  QImage prepared = Canvas(150, bar.height(), look.form);
  {
    QPainter q(&prepared);
    SpitDrawHorizontal(bar, q, prepared.rect(), false, false);
  }
  const int height = std::max(bar.height(), slider.height());
  p.drawImage(4, 4 + (height - bar.height()) / 2, prepared);
  DrawKeyedOnBottomLeft(p, 4 + 90, 4, slider);
  // A progress bar 142 x 17 at 60 %.
  const QRect frame(170, 10, 142, 17);
  p.fillRect(frame, ToQColor(GetInsideThemeColor(look.style, 26)));
  p.drawImage(QRect(frame.left() + 1, frame.top() + 1, 84, frame.height() - 2), progress);
  p.setPen(ToQColor(GetInsideThemeColor(look.style, 25)));
  p.drawRect(frame.adjusted(0, 0, -1, -1));
  p.setPen(Qt::black);
  p.setFont(QFont("DejaVu Sans", 7));
  p.drawText(frame, Qt::AlignCenter, "60%");
  return scene;
}

// A vertical scroll bar 120 high: arrow buttons and a thumb of a third of the track.
QImage ScrollBar(const Look& look, const Pictures& pictures) {
  const QImage arrows = Find(pictures, look.prefix + "_SCROLLBAR_BUTTON");
  const QImage thumb = Find(pictures, look.prefix + "_SCROLLBAR_TRACK");
  const QImage up = Frame(arrows, 6, 1);
  const QImage down = Frame(arrows, 6, 5);
  const QColor back = ToQColor(GetInsideThemeColor(look.style, 31));
  QImage scene = Canvas(up.width() + 130, 120, look.form);
  QPainter p(&scene);
  p.fillRect(0, 0, up.width(), 120, back);
  DrawKeyedOnBottomLeft(p, 0, 0, up);
  DrawKeyedOnBottomLeft(p, 0, 120 - down.height(), down);
  QImage pieces[3];
  for (int i = 0; i < 3; ++i) {
    pieces[i] = Frame(thumb, 3, i + 1);
    RoundPicture3(pieces[i]);
  }
  const int length = 40;
  const int y = up.height() + 20;
  p.drawImage(0, y, pieces[0]);
  p.drawImage(QRect(0, y + pieces[0].height(), pieces[1].width(),
                    length - pieces[0].height() - pieces[2].height()),
              pieces[1]);
  p.drawImage(0, y + length - pieces[2].height(), pieces[2]);
  // The horizontal bar: the same pieces turned.
  const int hx = up.width() + 10;
  QImage left = up, right = down, start = Frame(thumb, 3, 1), middle = Frame(thumb, 3, 2),
         end = Frame(thumb, 3, 3);
  RoundPicture(left);
  RoundPicture(right);
  p.fillRect(hx, 0, 110, left.height(), back);
  DrawKeyedOnBottomLeft(p, hx, 0, left);
  DrawKeyedOnBottomLeft(p, hx + 110 - right.width(), 0, right);
  const int tx = hx + left.width() + 12;
  p.drawImage(tx, 0, start);
  p.drawImage(QRect(tx + start.width(), 0, 30, middle.height()), middle);
  p.drawImage(tx + start.width() + 30, 0, end);
  return scene;
}

}  // namespace

Pictures Demos(const Look& look, const Pictures& pictures) {
  const QString name = look.prefix.toLower() + " in use: ";
  return {{name + "buttons 96x27, 40x18", Buttons(look, pictures)},
          {name + "title bar 320", TitleBar(look, pictures, 320)},
          {name + "title bar 150", TitleBar(look, pictures, 150)},
          {name + "tabs", Tabs(look, pictures)},
          {name + "track bar, progress", Bars(look, pictures)},
          {name + "scroll bars", ScrollBar(look, pictures)}};
}

}  // namespace art
