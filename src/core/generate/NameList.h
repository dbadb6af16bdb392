#pragma once

#include "generate/NameRow.h"
#include "scoring/NameAdvisor.h"
#include "scoring/NameScorer.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace jm {

/// A candidate given name: part `first` followed by part `second` (or by
/// nothing when `second` is kNoPart). Indexes into a run's parts.
struct CandidateName {
    static constexpr std::uint32_t kNoPart = 0xFFFFFFFFu;
    std::uint32_t first = kNoPart;
    std::uint32_t second = kNoPart;
};

/// One listed name as a list keeps it: its two parts (CandidateName), its
/// score and the kinds of its cautions as bits (bit k for CautionKind k).
/// Its texts are made from the list's tables when they are shown. A plain
/// aggregate without initialisers, so a store of them takes memory only as
/// rows are written.
struct ListedName {
    std::uint32_t first;
    std::uint32_t second;
    std::uint8_t score;
    std::uint8_t cautionKinds;
};

/// The names a run lists, shared by the run that fills it and the windows
/// that show it. It owns what the texts of a row are made from (the
/// surname, the run's parts and character records, the advisor's facts),
/// fixed when it is built, and a store of ListedName of fixed capacity that
/// the run appends to.
///
/// Threads: one thread appends; any thread may read rows below a count the
/// appending thread has published (through a queue or `size()`) and format
/// them, while appending goes on.
class NameList {
public:
    /// A part of a given name as the texts need it: its first two characters
    /// in the table (null when absent), its character count and the facts
    /// of each of its characters.
    struct Part {
        std::string text;
        const CharacterInfo* c1 = nullptr;
        const CharacterInfo* c2 = nullptr;
        int count = 0;
        std::vector<const CharacterFacts*> facts;
    };

    /// `table` must hold every character of the surname and of the parts;
    /// `sex` is the request's (cautions of the other sex's characters).
    NameList(std::string surname, std::string sex, std::vector<std::string> partTexts, CharacterTable table,
        NameAdvisor advisor);
    NameList(const NameList&) = delete;
    NameList& operator=(const NameList&) = delete;

    const std::string& surname() const { return m_surname; }
    const std::string& sex() const { return m_sex; }
    const CharacterTable& table() const { return m_table; }
    const NameAdvisor& advisor() const { return m_advisor; }
    const std::vector<Part>& parts() const { return m_parts; }
    int surnameLength() const { return static_cast<int>(m_surnameFacts.size()); }
    const CharacterInfo* surname1() const { return m_s1; }
    const CharacterInfo* surname2() const { return m_s2; }
    const std::vector<const CharacterFacts*>& surnameFacts() const { return m_surnameFacts; }

    /// Characters of the given name and its first two in the table.
    struct Given {
        int length = 0;
        const CharacterInfo* g1 = nullptr;
        const CharacterInfo* g2 = nullptr;
    };
    Given given(std::uint32_t first, std::uint32_t second) const;
    std::string givenName(const ListedName& name) const;
    /// The eight texts of a listed name numbered `number`, its sort key and
    /// (unless `withCautions` is false) its cautions: exactly the NameRow
    /// the scorer and the advisor give for it.
    NameRow row(const ListedName& name, std::size_t number, bool withCautions = true) const;
    /// One cell of that row (NameRow::Number gives `number`).
    std::string cell(const ListedName& name, std::size_t number, NameRow::Column column) const;
    std::vector<Caution> cautions(const ListedName& name) const;

    /// Makes room for `capacity` rows; call once, before the first append.
    void reserve(std::size_t capacity);
    /// Appends a row; the store must have room (reserve).
    void append(const ListedName& name)
    {
        const std::size_t n = m_size.load(std::memory_order_relaxed);
        m_rows[n] = name;
        m_size.store(n + 1, std::memory_order_release);
    }
    std::size_t size() const { return m_size.load(std::memory_order_acquire); }
    std::size_t capacity() const { return m_capacity; }
    const ListedName& operator[](std::size_t i) const { return m_rows[i]; }

private:
    std::string m_surname;
    std::string m_sex;
    CharacterTable m_table;
    NameAdvisor m_advisor;
    std::vector<Part> m_parts;
    std::vector<const CharacterFacts*> m_surnameFacts;
    const CharacterInfo* m_s1 = nullptr;
    const CharacterInfo* m_s2 = nullptr;
    std::unique_ptr<ListedName[]> m_rows;
    std::size_t m_capacity = 0;
    std::atomic<std::size_t> m_size { 0 };
};

} // namespace jm
