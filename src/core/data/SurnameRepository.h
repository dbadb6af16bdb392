#pragma once

#include <optional>
#include <string>

namespace jm {

class NameDatabase;

/// One surname of NM_百家姓.
struct SurnameRecord {
    /// 姓, one or two characters (欧阳).
    std::string surname;
    /// 姓氏起源, 聚集地 and 历史名人, as stored (with their markup).
    std::string origin;
    std::string region;
    std::string famousPeople;
};

/// Reads NM_百家姓 by 姓. A closed database finds nothing. Any thread.
class SurnameRepository {
public:
    explicit SurnameRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// The record of `surname` (the whole text); nothing when there is none.
    std::optional<SurnameRecord> find(const std::string& surname) const;

private:
    NameDatabase& m_db;
};

} // namespace jm
