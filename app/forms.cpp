#include "app/forms.h"

#include "app/mainwindow/oldform.h"
#include "app/viewer/viewform.h"

QPointer<TOldForm> OldForm;
QPointer<QWidget> BatchForm;
QPointer<TViewForm> ViewForm;
