// The settings file is read from disk as the user (or a crash) left it.
#include "FuzzCheck.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const jm::IniDocument document = jm::IniDocument::parse(jm::fromGbk(bytes));

    // What is written reads back as the same document.
    const std::string written = document.serialize();
    const jm::IniDocument reread = jm::IniDocument::parse(written);
    FUZZ_CHECK(reread.serialize() == written);
    for (const jm::SettingsKey key : jm::kSettingsKeys) {
        const auto name = jm::settingsKeyName(key);
        const auto before = document.value(jm::kSettingsSection, name);
        const auto after = reread.value(jm::kSettingsSection, name);
        FUZZ_CHECK(before.has_value() == after.has_value());
        if (before) FUZZ_CHECK(*before == *after || before->find_first_of("\r\n") != std::string::npos);
    }

    // Setting a value of any content and reading it back gives it whole
    // (line breaks become spaces in the file).
    jm::IniDocument edited = document;
    std::string value = jm::fromGbk(bytes);
    edited.setValue(jm::kSettingsSection, "姓氏", value);
    const auto back = jm::IniDocument::parse(edited.serialize()).value(jm::kSettingsSection, "姓氏");
    FUZZ_CHECK(back.has_value());
    if (value.find_first_of("\r\n") == std::string::npos) FUZZ_CHECK(*back == value);
    (void)jm::leadingNumber(bytes);
    return 0;
}
