#include "app/forms.h"

#include "app/batch/batchform.h"
#include "app/mainwindow/oldform.h"
#include "app/viewer/viewform.h"

QPointer<TOldForm> OldForm;
QPointer<TBatchForm> BatchForm;
QPointer<TViewForm> ViewForm;
