#pragma once
// Language bundles: the texts of one interface language, read from "UI_<name>.lang".
//
// A bundle is UTF-8 text, one entry per line: "key=value". Blank lines and lines starting
// with '#' are ignored. Keys are letters, digits, '.', '_' and '-'; strings of the string
// table use "string.<id>" with the id in decimal. The value runs from just after the first
// '=' to the end of the line, spaces included; "\n", "\t", "\s" (a space, for one an editor
// might strip), "\=" and "\\" are the only escapes. Malformed lines are skipped; a later
// entry for the same key wins.
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenk {

// Larger files are not bundles; this keeps a stray file from eating memory.
inline constexpr std::size_t LANGUAGE_BUNDLE_MAX_SIZE = 1u << 20;
// Entries of the language list, the built-in language included.
inline constexpr std::size_t LANGUAGE_LIST_MAX = 128;
inline constexpr std::size_t LANGUAGE_KEY_MAX = 128;

class CLanguageBundle {
public:
    const std::string* Find(const std::string& strKey) const;
    const std::string* FindString(unsigned nId) const;
    const std::map<std::string, std::string>& Entries() const { return m_mapEntries; }
    // Lines that were neither entries, comments nor blank.
    std::size_t BadLines() const { return m_nBadLines; }

    static std::string StringKey(unsigned nId) { return "string." + std::to_string(nId); }

private:
    friend std::optional<CLanguageBundle> ParseLanguageBundle(std::string_view data);
    std::map<std::string, std::string> m_mapEntries;
    std::size_t m_nBadLines = 0;
};

// Parses a bundle; empty optional when data is larger than LANGUAGE_BUNDLE_MAX_SIZE.
std::optional<CLanguageBundle> ParseLanguageBundle(std::string_view data);

// True when strName can name a bundle file: not empty, not "." or "..", and free of path
// separators and control characters.
bool IsValidLanguageName(const std::string& strName);
// "UI_" + name + ".lang".
std::string LanguageBundleFileName(const std::string& strName);

// Reads the bundle of language strName from strFolder; null when the name is not valid or
// the file is missing, unreadable or too large.
std::shared_ptr<const CLanguageBundle> LoadLanguageBundle(const std::string& strFolder, const std::string& strName);

// Names N of the files "UI_N.lang" in strFolder, sorted, at most LANGUAGE_LIST_MAX - 1 of
// them (the list's first entry is the built-in language). Empty when the folder cannot be read.
std::vector<std::string> ListLanguageBundles(const std::string& strFolder);

// True when data is well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool IsValidUtf8(std::string_view data);

}  // namespace quenk
