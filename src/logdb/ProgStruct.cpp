#include "logdb/ProgStruct.h"

#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/RecordSet.h"
#include "logdb/Schema.h"

#include <QRegularExpression>

namespace hb {

namespace {

const TableDef& commandsTable()
{
    using T = LogType;
    static const TableDef table{"Commands",
                                {{"Cmd_ID", T::Counter},
                                 {"Prog_Current_Version", T::Integer},
                                 {"Prog_DataInsert", T::YesNo},
                                 {"Prog_ADOCommand", T::Memo},
                                 {"Prog_DataTable", T::Text, 50},
                                 {"Prog_FieldName", T::Text, 50},
                                 {"Prog_DataType", T::Text, 20},
                                 {"Prog_DataVal", T::Text, 255},
                                 {"Struct_Description", T::Memo}}};
    return table;
}

} // namespace

std::vector<StructureStep> readStructureSteps(const QString& progStructPath)
{
    LogConnection db;
    db.open(progStructPath, LogConnection::Mode::ReadOnly);
    RecordSet commands(db);
    commands.open(QStringLiteral("select * from Commands order by Cmd_ID"));
    std::vector<StructureStep> steps;
    for (commands.first(); !commands.eof(); commands.next()) {
        StructureStep s;
        s.version = commands.integer(QStringLiteral("Prog_Current_Version"));
        s.dataInsert = commands.boolean(QStringLiteral("Prog_DataInsert"));
        s.command = commands.text(QStringLiteral("Prog_ADOCommand"));
        s.dataTable = commands.text(QStringLiteral("Prog_DataTable"));
        s.fieldName = commands.text(QStringLiteral("Prog_FieldName"));
        s.dataType = commands.text(QStringLiteral("Prog_DataType"));
        s.dataValue = commands.text(QStringLiteral("Prog_DataVal"));
        s.description = commands.text(QStringLiteral("Struct_Description"));
        steps.push_back(s);
    }
    return steps;
}

int currentStructureVersion(const QString& progStructPath)
{
    const std::vector<StructureStep> steps = readStructureSteps(progStructPath);
    if (steps.empty())
        throw LogError(QStringLiteral("The program structure database has no steps."));
    return steps.back().version;
}

std::vector<StructureStep> parseStructureScript(const QString& text)
{
    static const QRegularExpression heading(QStringLiteral(R"(^version\s+(\d+)\s*:\s*(.*)$)"));
    static const QRegularExpression insert(
        QStringLiteral(R"(^insert\s*:\s*(\w+)\s+(\w+)\s+(As\w+)\s+(.*)$)"));
    std::vector<StructureStep> steps;
    int version = -1;
    QString description;
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines.at(n).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        auto fail = [&](const QString& why) {
            throw LogError(QStringLiteral("structure script line %1: %2").arg(n + 1).arg(why));
        };
        if (const auto m = heading.match(line); m.hasMatch()) {
            const int v = m.captured(1).toInt();
            if (v <= version)
                fail(QStringLiteral("versions must rise"));
            version = v;
            description = m.captured(2).trimmed();
            continue;
        }
        if (version < 0)
            fail(QStringLiteral("a step before the first version heading"));
        StructureStep step;
        step.version = version;
        step.description = description;
        if (line.startsWith(QLatin1String("statement:"))) {
            step.command = line.mid(10).trimmed();
        } else if (const auto m = insert.match(line); m.hasMatch()) {
            step.dataInsert = true;
            step.dataTable = m.captured(1);
            step.fieldName = m.captured(2);
            step.dataType = m.captured(3);
            step.dataValue = m.captured(4);
        } else {
            fail(QStringLiteral("not a step: %1").arg(line));
        }
        steps.push_back(step);
    }
    if (steps.empty())
        throw LogError(QStringLiteral("structure script has no steps"));
    return steps;
}

void writeStructureDatabase(const QString& path, const std::vector<StructureStep>& steps)
{
    if (const QString error = CreateAccessDatabase(path); !error.isEmpty())
        throw LogError(error);
    LogConnection db;
    db.open(path);
    LogConnection::Transaction transaction(db);
    db.exec(createTableSql(commandsTable()));
    RecordSet commands(db);
    commands.open(QStringLiteral("select * from Commands"));
    for (const StructureStep& s : steps) {
        commands.append();
        commands.setValue(QStringLiteral("Prog_Current_Version"), s.version);
        commands.setValue(QStringLiteral("Prog_DataInsert"), s.dataInsert);
        commands.setValue(QStringLiteral("Prog_ADOCommand"), s.command);
        commands.setValue(QStringLiteral("Prog_DataTable"), s.dataTable);
        commands.setValue(QStringLiteral("Prog_FieldName"), s.fieldName);
        commands.setValue(QStringLiteral("Prog_DataType"), s.dataType);
        commands.setValue(QStringLiteral("Prog_DataVal"), s.dataValue);
        commands.setValue(QStringLiteral("Struct_Description"), s.description);
        commands.post();
    }
    transaction.commit();
}

} // namespace hb
