#pragma once

#include <span>

namespace jm::gui {

/// One entry of the article menus 育儿知识 and 算命风水, in menu order.
/// `item` is null for a separator line. `submenu` names the second-level
/// menu the item sits in (null: directly in the menu). `table` is the
/// article table without its NM_ prefix and `category` the text compared
/// with its 分类标题 column (the same text as the caption: 护理保健 has its
/// own category, and 儿科疾病 is written whole).
struct ArticleMenuEntry {
    const char* menu;
    const char* submenu;
    const char* item;
    const char* table;
    const char* category;
};

std::span<const ArticleMenuEntry> articleMenu();

} // namespace jm::gui
