#pragma once
// The program's windows, reachable by every window that works with another: the main window,
// the batch window (once created) and the real-scale viewer while it is open. The core part of
// the operations never reads them.
#include <QPointer>
#include <QWidget>

class TBatchForm;
class TOldForm;
class TViewForm;

extern QPointer<TOldForm> OldForm;
extern QPointer<TBatchForm> BatchForm;
extern QPointer<TViewForm> ViewForm;
