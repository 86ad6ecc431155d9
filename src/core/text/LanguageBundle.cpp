#include "text/LanguageBundle.h"

#include <algorithm>
#include <filesystem>

#include "formats/SafeFile.h"

namespace quenk {

namespace {

const std::string BUNDLE_PREFIX = "UI_";
const std::string BUNDLE_SUFFIX = ".lang";
const std::string STRING_KEY_PREFIX = "string.";
constexpr unsigned MAX_STRING_ID = 0xFFFF;

bool IsKeyChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// "string.<id>" must carry a plain decimal id, so that a typo does not silently miss its string.
bool IsValidKey(std::string_view key) {
    if (key.empty() || key.size() > LANGUAGE_KEY_MAX || !std::all_of(key.begin(), key.end(), IsKeyChar)) return false;
    if (key.substr(0, STRING_KEY_PREFIX.size()) != STRING_KEY_PREFIX) return true;
    const std::string_view id = key.substr(STRING_KEY_PREFIX.size());
    if (id.empty() || id.size() > 5 || (id.size() > 1 && id[0] == '0')) return false;
    unsigned n = 0;
    for (char c : id) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + unsigned(c - '0');
    }
    return n <= MAX_STRING_ID;
}

std::optional<std::string> Unescape(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\0') return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == raw.size()) return std::nullopt;
        switch (raw[i]) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 's': out += ' '; break;
        case '=': out += '='; break;
        case '\\': out += '\\'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

}  // namespace

const std::string* CLanguageBundle::Find(const std::string& strKey) const {
    const auto it = m_mapEntries.find(strKey);
    return it == m_mapEntries.end() ? nullptr : &it->second;
}

const std::string* CLanguageBundle::FindString(unsigned nId) const { return Find(StringKey(nId)); }

std::optional<CLanguageBundle> ParseLanguageBundle(std::string_view data) {
    if (data.size() > LANGUAGE_BUNDLE_MAX_SIZE) return std::nullopt;
    if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);  // byte order mark
    CLanguageBundle bundle;
    while (!data.empty()) {
        const std::size_t nEnd = data.find('\n');
        std::string_view line = data.substr(0, nEnd);
        data.remove_prefix(nEnd == std::string_view::npos ? data.size() : nEnd + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == '#') continue;
        const std::size_t nEq = line.find('=');
        std::optional<std::string> value;
        const std::string_view key =
            nEq == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(0, nEq));
        if (IsValidKey(key)) value = Unescape(line.substr(nEq + 1));
        if (!value || !IsValidUtf8(*value)) {
            ++bundle.m_nBadLines;
            continue;
        }
        bundle.m_mapEntries[std::string(key)] = std::move(*value);
    }
    return bundle;
}

bool IsValidLanguageName(const std::string& strName) {
    if (strName.empty() || strName == "." || strName == "..") return false;
    return std::none_of(strName.begin(), strName.end(), [](char c) {
        return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
}

std::string LanguageBundleFileName(const std::string& strName) { return BUNDLE_PREFIX + strName + BUNDLE_SUFFIX; }

std::shared_ptr<const CLanguageBundle> LoadLanguageBundle(const std::string& strFolder, const std::string& strName) {
    if (!IsValidLanguageName(strName)) return nullptr;
    const std::filesystem::path path = std::filesystem::path(strFolder) / LanguageBundleFileName(strName);
    // Opening a pipe or a device would block or never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
    const std::string strPath = path.string();
    try {
        CSafeFile file(strPath, CSafeFile::EMode::Read);
        const std::uint64_t nLength = file.GetLength();
        if (nLength > LANGUAGE_BUNDLE_MAX_SIZE) return nullptr;
        std::string data(std::size_t(nLength), '\0');
        data.resize(file.Read(data.data(), data.size()));
        auto bundle = ParseLanguageBundle(data);
        if (!bundle) return nullptr;
        return std::make_shared<const CLanguageBundle>(std::move(*bundle));
    } catch (const CFileError&) {
        return nullptr;
    }
}

std::vector<std::string> ListLanguageBundles(const std::string& strFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(strFolder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string strFile = it->path().filename().string();
        if (strFile.size() <= BUNDLE_PREFIX.size() + BUNDLE_SUFFIX.size() ||
            strFile.compare(0, BUNDLE_PREFIX.size(), BUNDLE_PREFIX) != 0 ||
            strFile.compare(strFile.size() - BUNDLE_SUFFIX.size(), BUNDLE_SUFFIX.size(), BUNDLE_SUFFIX) != 0)
            continue;
        std::error_code ecType;
        if (!it->is_regular_file(ecType)) continue;
        std::string strName =
            strFile.substr(BUNDLE_PREFIX.size(), strFile.size() - BUNDLE_PREFIX.size() - BUNDLE_SUFFIX.size());
        if (IsValidLanguageName(strName)) names.push_back(std::move(strName));
    }
    // The directory's own order is arbitrary; sorting keeps the list the same from run to run.
    std::sort(names.begin(), names.end());
    if (names.size() > LANGUAGE_LIST_MAX - 1) names.resize(LANGUAGE_LIST_MAX - 1);
    return names;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        std::size_t n;
        std::uint32_t cp;
        if ((b0 & 0xE0) == 0xC0) {
            n = 1;
            cp = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            n = 2;
            cp = b0 & 0x0F;
        } else if ((b0 & 0xF8) == 0xF0) {
            n = 3;
            cp = b0 & 0x07;
        } else {
            return false;
        }
        if (s.size() - i <= n) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        static constexpr std::uint32_t MIN_FOR_LENGTH[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < MIN_FOR_LENGTH[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

}  // namespace quenk
