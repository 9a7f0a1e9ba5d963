#include "records/Contacts.h"

#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "pages/FieldBinder.h"

#include <QSqlError>
#include <QSqlQuery>

namespace hb {

qint64 addContact(LogConnection& log, ContactKind kind, const QString& name)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        throw LogError(QStringLiteral("A contact needs a name."));
    const int size = FieldBinder::columnSize(QStringLiteral("Contact"), QStringLiteral("Name"));
    if (size > 0 && n.size() > size)
        throw LogError(QStringLiteral("\"%1\" was not added to the contacts: a name may have at "
                                      "most %2 characters.")
                           .arg(n)
                           .arg(size));
    log.exec(QStringLiteral("insert into Contact (Name, ContType, Archived) values (:name, "
                            ":kind, 0)"),
             {{QStringLiteral(":name"), n}, {QStringLiteral(":kind"), int(kind)}});
    QSqlQuery q(log.database());
    if (!q.exec(QStringLiteral("select last_insert_rowid()")) || !q.next())
        throw LogError(LogConnection::engineText(q.lastError()));
    return q.value(0).toLongLong();
}

bool hasContact(LogConnection& log, ContactKind kind, const QString& name)
{
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("select 1 from Contact where ContType = :kind and Archived = 0 and "
                             "Name = :name COLLATE hb_nocase limit 1"));
    LogConnection::bind(
        q, {{QStringLiteral(":kind"), int(kind)}, {QStringLiteral(":name"), name.trimmed()}});
    if (!q.exec())
        throw LogError(LogConnection::engineText(q.lastError()));
    return q.next();
}

QStringList contactNames(LogConnection& log, std::initializer_list<ContactKind> kinds)
{
    QStringList names;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("select Name from Contact where ContType = :kind and Archived = 0 "
                             "order by Contact_ID"));
    for (ContactKind kind : kinds) {
        LogConnection::bind(q, {{QStringLiteral(":kind"), int(kind)}});
        if (!q.exec())
            throw LogError(LogConnection::engineText(q.lastError()));
        while (q.next()) {
            const QString n = q.value(0).toString();
            if (!n.isEmpty())
                names << n;
        }
    }
    return names;
}

} // namespace hb
