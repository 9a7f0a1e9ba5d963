#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace hb {

class LogConnection;

// The five kinds of contact (the value of Contact.ContType).
enum class ContactKind { Boats = 1, Guests, Crew, Suppliers, Services };

// What other logs ask of the contacts, without a page: add a contact by name (the maintenance
// log's "add a supplier"), and the names of the active contacts of some kinds (the supplier
// and vendor drop-downs, the people on a trip).

// Adds a contact of a kind with only its name and returns its key. Throws LogError with a
// text for the user when the name is empty or longer than the log keeps, or the log refuses.
qint64 addContact(LogConnection& log, ContactKind kind, const QString& name);

// Whether an active contact of the kind has this name (letter case ignored).
bool hasContact(LogConnection& log, ContactKind kind, const QString& name);

// The names of the active contacts of each kind in turn, each kind in table order; empty
// names are left out.
QStringList contactNames(LogConnection& log, std::initializer_list<ContactKind> kinds);

} // namespace hb
