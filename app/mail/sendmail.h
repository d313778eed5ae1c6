#pragma once
// Handing a prepared message to the system's mail client, which shows its compose window. On
// Windows through Simple MAPI; elsewhere through xdg-email, started without waiting for it.
#include <QString>
#include <functional>

#include "app/mail/mailmessage.h"

class QObject;
class QWidget;

// What the hand-off returns when there is no mail client to hand to (Simple MAPI's code for a
// user abort); nothing is shown then.
inline constexpr unsigned long kMailUnavailable = 1;

// How the hand-off went, in the window's language: an empty text when the mail program took the
// message, else why it could not.
using MailOutcome = std::function<void(const QString& failure)>;

// Returns the client's result, 0 once xdg-email started, or kMailUnavailable. The outcome is
// told on the interface thread, while the receiver lives: with Simple MAPI before SendMail
// returns; with xdg-email once it has run for a moment without failing or has ended, and once
// more should it fail later.
unsigned long SendMail(const MailMessage& message, QWidget* parent, QObject* receiver = nullptr,
                       MailOutcome outcome = {});
