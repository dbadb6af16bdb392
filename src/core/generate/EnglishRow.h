#pragma once

#include <array>
#include <string>
#include <string_view>

namespace jm {

/// One row of the English name list.
struct EnglishRow {
    enum Column { Number, Name, Transcription, Meaning };
    static constexpr std::size_t kColumnCount = 4;

    std::array<std::string, kColumnCount> columns;

    const std::string& operator[](Column c) const { return columns[static_cast<std::size_t>(c)]; }
    std::string& operator[](Column c) { return columns[static_cast<std::size_t>(c)]; }
    friend bool operator==(const EnglishRow&, const EnglishRow&) = default;
};

/// Column headers of the English name list, in column order.
inline constexpr std::array<std::string_view, EnglishRow::kColumnCount> kEnglishRowHeaders
    = { "编号", "英文名", "中文读音", "相关含义" };

} // namespace jm
