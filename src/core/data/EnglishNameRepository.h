#pragma once

#include <functional>
#include <string>

namespace jm {

class NameDatabase;

/// One English name of NM_EName.
struct EnglishNameRecord {
    /// EIndex (one letter) and EIndex2 (one or two letters): the name's
    /// sound initial, EIndex2 when set.
    std::string index;
    std::string index2;
    /// Name, the English name itself.
    std::string name;
    /// Sex: the style code the English page selects.
    int sex = 0;
    /// Cnword, the Chinese transcription.
    std::string transcription;
    /// Mean, the related meaning.
    std::string meaning;
};

/// Reads NM_EName. Any thread.
class EnglishNameRepository {
public:
    explicit EnglishNameRepository(NameDatabase& db)
        : m_db(db)
    {
    }

    /// Hands every name, in table order, to `visit` until it returns false.
    /// Returns false when `visit` ended the walk early.
    bool forEach(const std::function<bool(const EnglishNameRecord&)>& visit) const;

private:
    NameDatabase& m_db;
};

} // namespace jm
