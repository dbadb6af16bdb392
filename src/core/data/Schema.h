#pragma once

#include <string>
#include <vector>

namespace jm {

/// One column of a table to create. Type codes: 1 Byte, 2 Smallint,
/// 3 Integer, 4 BigInt, 5 Decimal, 6 Double, 7 Bit, 8 DateTime, 10 VarChar,
/// 11 Blob, 12 Text (our tables use 3 and 10). Flags: 1 primary key,
/// 2 autoincrement, 4 not null.
struct ColumnDef {
    std::string name;
    int type = 0;
    int length = 0;
    int flags = 0;
    std::string defaultValue;
};

struct TableDef {
    std::string name;
    std::vector<ColumnDef> columns;
};

/// Type name of a type code ("Integer", "VarChar", ...); empty for an unknown code.
std::string columnTypeName(int code);

/// The CREATE TABLE text for a table and its columns, e.g.
/// "create table NM_X (Id Integer(10),汉字 VarChar(2))".
std::string createTableSql(const std::string& table, const std::vector<ColumnDef>& columns);

/// The column names of a table joined by ",", for a named select list.
std::string columnList(const TableDef& table);

/// The nine tables of the database, in the order they are created and copied.
const std::vector<TableDef>& schemaTables();

/// Tables beyond the nine: created like them, filled from a shipped file that has
/// them and left empty otherwise (an older file lacks them).
const std::vector<TableDef>& extraTables();

/// The tables that judge how a name sounds and reads (the characters fit
/// for a given name, unfortunate homophones, every modern reading of a
/// character), created and copied after the nine. A shipped file without
/// them leaves them empty.
const std::vector<TableDef>& adviceTables();

/// Table names, for callers that address one table.
namespace table {
inline constexpr const char* CNWord = "NM_CNWord";
inline constexpr const char* ThreeTalents = "NM_三才配置";
inline constexpr const char* Numbers81 = "NM_八一灵动数";
inline constexpr const char* EName = "NM_EName";
inline constexpr const char* Poet = "NM_Poet";
inline constexpr const char* TangPoems = "NM_全唐诗";
inline constexpr const char* Parenting = "NM_育儿百科";
inline constexpr const char* Fortune = "NM_算命风水";
inline constexpr const char* Surnames = "NM_百家姓";
inline constexpr const char* SurnameReadings = "NM_姓氏读音";
inline constexpr const char* Suitability = "NM_起名用字";
inline constexpr const char* Homophones = "NM_谐音";
inline constexpr const char* Readings = "NM_字音";
} // namespace table

} // namespace jm
