#pragma once
// Controls of a skinned window are placed inside its skinned frame, title bar included, as the
// form designer set them; they live on the form's panel, which begins below the title bar.
#include <QPoint>
#include <QSize>

class QWidget;
class TSkinForm;

// Where a place inside the form's frame lies on the form's panel.
QPoint OnFormPanel(const TSkinForm& form, const QPoint& insideFrame);

// Sizes the window so that its skinned form, which fills the window inside its frame (the
// window's contents rectangle), gets the size the designer gave it. For after the form has
// taken the window over, on its first show.
void SizeForSkinnedForm(QWidget& window, const QSize& formSize);
