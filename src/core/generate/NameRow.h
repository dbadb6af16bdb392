#pragma once

#include "scoring/Caution.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace jm {

/// One row of a scored result list: eight text columns and the integer
/// sort key taken from 评分.
struct NameRow {
    enum Column { Number, Name, SimplifiedStrokes, TraditionalStrokes, Elements, Grids, ThreeTalents, Score };
    static constexpr std::size_t kColumnCount = 8;

    std::array<std::string, kColumnCount> columns;
    int sortKey = 0;
    /// What a parent should know about the name (not a column: lists show
    /// them as the row's image and tooltip).
    std::vector<Caution> cautions;

    const std::string& operator[](Column c) const { return columns[static_cast<std::size_t>(c)]; }
    std::string& operator[](Column c) { return columns[static_cast<std::size_t>(c)]; }
};

/// Column headers of a scored result list, in column order.
inline constexpr std::array<std::string_view, NameRow::kColumnCount> kNameRowHeaders
    = { "编号", "姓名", "简体笔划", "繁体笔划", "五行", "五格", "三才", "评分" };

} // namespace jm
