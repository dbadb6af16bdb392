#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// Columns 1 to 7 of one saved record: 姓名, 简体笔划, 繁体笔划, 五行, 五格,
/// 三才, 评分. The 姓名 cell holds surname + "\r\n" + given name; 编号 is
/// not stored (rows are numbered from 1 in list order).
using RecordFields = std::array<std::string, 7>;

/// The record list of chosen names (起名记录): names kept once each, in the
/// order they were added, numbered 1..n. Plain data; not thread-safe.
class RecordList {
public:
    RecordList() = default;
    explicit RecordList(std::vector<RecordFields> records)
        : m_records(std::move(records))
    {
    }

    /// The 姓名 cell of a name: surname + "\r\n" + given name.
    static std::string nameCell(std::string_view surname, std::string_view givenName);

    const std::vector<RecordFields>& records() const { return m_records; }
    std::size_t size() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }
    /// The 编号 of the record at `index`: index + 1 in decimal.
    static std::string numberOf(std::size_t index);

    /// Index of the first record whose 姓名 cell is `name`, or -1.
    long find(std::string_view name) const;
    /// Appends the record unless one with the same 姓名 cell is listed.
    /// True when it was appended.
    bool add(RecordFields record);
    /// Removes the record at `index`; false (nothing changes) when there is
    /// no such record or its 姓名 cell is empty. The rest keep their order,
    /// so their numbers close up.
    bool remove(std::size_t index);

    /// The stored text of the list: "v2|" and then, per record, its seven
    /// fields each ended by ";" and the record ended by "|", where every
    /// byte that could be misread ("%", ";", "|", spaces, quotes, control
    /// characters, line breaks) is written as "%" and two hex digits. Every
    /// field of any content round-trips through `decode`, and the text holds
    /// no space or line break, so the settings file keeps it on one line.
    /// An empty list is the empty text.
    std::string encode() const;
    /// Reads both the text of `encode` and the format of the earlier
    /// versions (`decodeRecordList`), which files written before still hold:
    /// a text that starts with "v2|" is read as the former, anything else as
    /// the latter. Never fails; a malformed escape is kept as it stands.
    static RecordList decode(std::string_view stored);

private:
    std::vector<RecordFields> m_records;
};

} // namespace jm
