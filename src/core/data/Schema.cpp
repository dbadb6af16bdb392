#include "data/Schema.h"

namespace jm {
namespace {

ColumnDef integer(const char* name)
{
    return { name, 3, 10, 0, {} };
}
ColumnDef varchar(const char* name, int length)
{
    return { name, 10, length, 0, {} };
}

std::vector<TableDef> buildTables()
{
    const std::vector<ColumnDef> articles = { integer("ID"), varchar("分类ID", 50), varchar("分类标题", 20),
        varchar("标题", 100), varchar("内容", 2000) };
    return {
        { table::CNWord,
            { integer("Id"), integer("code"), varchar("汉字", 2), varchar("简体", 2), varchar("繁体", 2),
                integer("简体笔画数"), integer("繁体笔画数"), varchar("拼音1", 20), varchar("拼音2", 20),
                varchar("声母", 1), varchar("韵母", 3), varchar("部首", 1), varchar("五行属性", 2), varchar("五笔", 4),
                varchar("基本解释", 700), varchar("详细解释", 700) } },
        { table::ThreeTalents,
            { integer("Id"), varchar("三才", 6), varchar("吉凶", 4), varchar("解释一", 140), varchar("解释二", 80),
                varchar("总论", 92), varchar("性格", 200), varchar("意志", 100), varchar("事业", 100),
                varchar("家庭", 100), varchar("婚姻", 100), varchar("子女", 100), varchar("社交", 100),
                varchar("精神", 100), varchar("财运", 100), varchar("健康", 100), varchar("老运", 100),
                varchar("对基础运的影响", 100), varchar("对成功运的影响", 100), varchar("对人际关系的影响", 100),
                varchar("对性格的影响", 150) } },
        { table::Numbers81,
            { integer("Id"), varchar("吉凶", 4), varchar("解释一", 100), varchar("解释二", 100),
                varchar("解释三", 1000), varchar("基业", 1000), varchar("家庭", 1000), varchar("健康", 1000),
                varchar("含义", 1000), varchar("数理暗示", 1000) } },
        { table::EName,
            { integer("Id"), varchar("EIndex", 1), varchar("EIndex2", 2), varchar("Name", 20),
                varchar("NameLength", 10), integer("Sex"), varchar("Cnword", 50), varchar("Morphology", 20),
                varchar("Languag", 20), varchar("Mean", 20) } },
        { table::Poet, { integer("Id"), varchar("Poet", 10), varchar("PoemCount", 10), integer("OrderId") } },
        { table::TangPoems,
            { integer("Id"), varchar("标题", 30), varchar("作者", 10), varchar("内容", 1000), varchar("首字母", 400),
                integer("内容长度") } },
        { table::Parenting, articles },
        { table::Fortune, articles },
        { table::Surnames,
            { integer("Id"), varchar("姓", 8), varchar("姓氏起源", 1000), varchar("聚集地", 1000),
                varchar("历史名人", 1000) } },
    };
}

std::vector<TableDef> buildAdviceTables()
{
    return {
        { table::Suitability,
            { integer("Id"), varchar("字", 2), varchar("用字", 1), varchar("性别", 1), varchar("常用度", 3),
                varchar("说明", 100) } },
        { table::Homophones,
            { integer("Id"), varchar("拼音", 60), varchar("词", 20), varchar("类别", 2), varchar("说明", 100) } },
        { table::Readings, { integer("Id"), varchar("字", 2), varchar("读音", 60) } },
    };
}

} // namespace

std::string columnTypeName(int code)
{
    switch (code) {
    case 1:
        return "Byte";
    case 2:
        return "Smallint";
    case 3:
        return "Integer";
    case 4:
        return "BigInt";
    case 5:
        return "Decimal";
    case 6:
        return "Double";
    case 7:
        return "Bit";
    case 8:
        return "DateTime";
    case 10:
        return "VarChar";
    case 11:
        return "Blob";
    case 12:
        return "Text";
    default:
        return {};
    }
}

std::string createTableSql(const std::string& table, const std::vector<ColumnDef>& columns)
{
    std::string sql = "create table " + table;
    if (columns.empty()) return sql;
    sql += " (";
    bool first = true;
    for (const ColumnDef& c : columns) {
        if (!first) sql += ",";
        first = false;
        sql += c.name + " " + columnTypeName(c.type);
        if (c.length != 0) {
            sql += '(';
            sql += std::to_string(c.length);
            sql += ')';
        }
        if (c.flags != 0) {
            sql += " ";
            if (c.flags & 1) sql += "Primary Key";
            if (c.flags & 2) sql += " AutoIncrement";
            if (c.flags & 4) sql += " Not Null";
        }
        if (!c.defaultValue.empty()) sql += " Default " + c.defaultValue;
    }
    sql += ")";
    return sql;
}

std::string columnList(const TableDef& table)
{
    std::string list;
    for (const ColumnDef& c : table.columns) {
        if (!list.empty()) list += ',';
        list += c.name;
    }
    return list;
}

const std::vector<TableDef>& schemaTables()
{
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const std::vector<TableDef>& extraTables()
{
    static const std::vector<TableDef> tables = {
        { table::SurnameReadings, { varchar("姓", 8), varchar("拼音", 40) } },
    };
    return tables;
}

const std::vector<TableDef>& adviceTables()
{
    static const std::vector<TableDef> tables = buildAdviceTables();
    return tables;
}

} // namespace jm
