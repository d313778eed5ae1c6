#pragma once
// Handing a prepared message to the system's mail client, which shows its compose window. On
// Windows through Simple MAPI; elsewhere through xdg-email, started without waiting for it.
#include "app/mail/mailmessage.h"

class QWidget;

// What the hand-off returns when there is no mail client to hand to (Simple MAPI's code for a
// user abort); nothing is shown then.
inline constexpr unsigned long kMailUnavailable = 1;

// Returns the client's result, 0 once xdg-email started, or kMailUnavailable.
unsigned long SendMail(const MailMessage& message, QWidget* parent);
