// The Windows hand-off: Simple MAPI's MAPISendMail, bound at its first use.
#ifdef _WIN32
#include <windows.h>
// mapi.h needs the Windows types declared first.
#include <mapi.h>

#include <QCoreApplication>
#include <QWidget>
#include <cstring>
#include <string_view>

#include "app/mail/sendmail.h"

namespace {

using SendMailFunction = ULONG(WINAPI*)(LHANDLE session, ULONG_PTR parent, lpMapiMessage message,
                                        FLAGS flags, ULONG reserved);

// Simple MAPI counts as installed when the messaging subsystem's "MAPI" value is "1" (on
// Windows NT 3.51 and older: the "MAPI" setting of the "Mail" section in win.ini).
bool SimpleMapiInstalled() {
  const DWORD version = GetVersion();
  const int major = LOBYTE(LOWORD(version));
  const int minor = HIBYTE(LOWORD(version));
  if (major < 3 || (major == 3 && minor <= 51)) return GetProfileIntA("Mail", "MAPI", 0) != 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows Messaging Subsystem", 0,
                    KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  char value[9] = {};
  DWORD size = sizeof value;
  const LONG result =
      RegQueryValueExA(key, "MAPI", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && std::string_view(value, strnlen(value, size)) == "1";
}

// MAPI32.DLL, loaded once for the whole run when Simple MAPI is installed, released at the end.
class SimpleMapi {
 public:
  SimpleMapi() {
    if (SimpleMapiInstalled()) library_ = LoadLibraryA("MAPI32.DLL");
    if (library_ != nullptr) {
      send_ = reinterpret_cast<SendMailFunction>(GetProcAddress(library_, "MAPISendMail"));
    }
  }
  ~SimpleMapi() {
    if (library_ != nullptr) FreeLibrary(library_);
  }
  SimpleMapi(const SimpleMapi&) = delete;
  SimpleMapi& operator=(const SimpleMapi&) = delete;

  SendMailFunction Send() const { return send_; }

 private:
  HMODULE library_ = nullptr;
  SendMailFunction send_ = nullptr;
};

}  // namespace

namespace {

// Simple MAPI answers at once: 0 once the client has the message.
unsigned long Told(unsigned long result, const MailOutcome& outcome) {
  if (!outcome) return result;
  if (result == 0) {
    outcome(QString());
  } else if (result == kMailUnavailable) {
    outcome(QCoreApplication::translate("SendMail", "没有邮件程序, 或者它放弃了邮件"));
  } else {
    outcome(QCoreApplication::translate("SendMail", "邮件程序以代码 %1 拒绝了邮件").arg(result));
  }
  return result;
}

}  // namespace

unsigned long SendMail(const MailMessage& message, QWidget* parent, QObject*, MailOutcome outcome) {
  static const SimpleMapi binding;
  if (binding.Send() == nullptr) return Told(kMailUnavailable, outcome);
  // The records take writable texts.
  QByteArray subject = message.subject;
  QByteArray noteText = message.noteText;
  QByteArray pathName = message.file.pathName;
  MapiFileDesc file{};
  file.nPosition = static_cast<ULONG>(message.file.position);
  file.lpszPathName = pathName.data();
  MapiMessage record{};
  record.lpszSubject = subject.data();
  record.lpszNoteText = noteText.data();
  record.nFileCount = message.fileCount;
  record.lpFiles = message.fileCount == 1 ? &file : nullptr;
  const ULONG_PTR window =
      parent != nullptr ? static_cast<ULONG_PTR>(parent->window()->winId()) : 0;
  return Told(binding.Send()(0, window, &record, message.sendFlags, 0), outcome);
}
#endif
