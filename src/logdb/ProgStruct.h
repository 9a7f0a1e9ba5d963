#pragma once

#include <QString>

#include <vector>

namespace hb {

// One step of the program structure database's `Commands` script.
struct StructureStep
{
    int version = 0;         // Prog_Current_Version
    bool dataInsert = false; // Prog_DataInsert: a row-insert step, else a statement step
    QString command;         // Prog_ADOCommand
    QString dataTable;       // Prog_DataTable
    QString fieldName;       // Prog_FieldName
    QString dataType;    // Prog_DataType: AsInteger, AsString, AsBoolean, AsDateTime, AsExtended
    QString dataValue;   // Prog_DataVal
    QString description; // Struct_Description
};

inline constexpr const char* ProgStructFileName = "ProgStruct.mdb";
inline constexpr const char* ExampleLogFileName = "Example.mdb";

// Reads every step of the structure database in stored order. Throws LogError.
std::vector<StructureStep> readStructureSteps(const QString& progStructPath);
// The program's current structure version: the version of the last step. Throws LogError.
int currentStructureVersion(const QString& progStructPath);

// Parses the readable structure script kept with the sources:
//   # comment
//   version 49: Description shown to the user
//   statement: ALTER TABLE ...
//   insert: <table> <column> <AsString|AsInteger|...> <value up to the end of the line>
// Every step belongs to the version heading above it and carries its description.
// Throws LogError naming the line of a mistake.
std::vector<StructureStep> parseStructureScript(const QString& text);

// Writes the structure database: table `Commands` with the steps in order. Throws LogError.
void writeStructureDatabase(const QString& path, const std::vector<StructureStep>& steps);

} // namespace hb
