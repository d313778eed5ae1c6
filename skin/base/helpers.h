#pragma once
// Small helpers of the controls: point-in-rectangle tests that count every edge, placing a
// control, the application's main form and its work area, whether a form shows as active,
// property look-up by name, and the changes that repaint a captioned control.
#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QString>

class QObject;
class QWidget;

bool InRect(const QPoint& point, int left, int top, int right, int bottom);  // edges included
bool InRect(int x, int y, int left, int top, int right, int bottom);
void PlaceControl(QWidget* control, const QPoint& point);
void PlaceControl(QWidget* control, int left, int top, int right, int bottom);
// The application's main form; Qt has no such notion, so the program registers it.
void SetSkinMainForm(QWidget* form);
QWidget* SkinMainForm();
// The available geometry of the main form's screen, or of the primary screen without one.
QRect GetWorkAreaRect();
// Whether the component's class has a Q_PROPERTY of that name.
bool IsHasProperty(const QObject* component, const char* name);
QString PCharToStr(const char* text);  // empty for a null text
// Whether the form is to be painted as the active one.
bool FormHasFocus(const QWidget* form);
// Whether a change event alters how a control that draws its caption on its own face looks:
// a new font, enabled state, palette or reading direction.
bool ChangesCaptionedFace(QEvent::Type type);
