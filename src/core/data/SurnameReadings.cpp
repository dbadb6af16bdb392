#include "data/SurnameReadings.h"

#include "data/Schema.h"

#include <sstream>

namespace jm {

std::vector<std::string> surnameReading(NameDatabase& db, const std::string& surname)
{
    Statement stmt = db.query(std::string("select 拼音 from ") + table::SurnameReadings + " where 姓=?", { surname });
    const std::string text = db.columnText(stmt, 0);
    db.finalize(stmt);
    std::vector<std::string> syllables;
    std::istringstream in(text);
    for (std::string syllable; in >> syllable;)
        syllables.push_back(syllable);
    return syllables;
}

} // namespace jm
