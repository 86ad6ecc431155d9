#include "settings/Settings.h"

#include <algorithm>

#include "text/LanguageBundle.h"

namespace quenk {

namespace {

// Any non-zero byte is a set flag, so a hand-edited 2 reads as on rather than as garbage.
bool Flag(std::uint8_t b) { return b != 0; }
std::uint8_t AtLeast(std::uint8_t b, std::uint8_t nMin) { return std::max(b, nMin); }

void ReadBlock1(CSettings& s, const ByteArray& b) {
    s.m_bThinStrikeLine = Flag(b[0]);
    s.m_bRasterFont = Flag(b[1]);
    s.m_bRightButtonCross = Flag(b[2]);
    s.m_nCellSize = AtLeast(b[3], MIN_CELL_SIZE);
    s.m_nPreviewCellSize = AtLeast(b[4], 1);
    s.m_nPrintCellSize = AtLeast(b[5], 1);
    s.m_nExportCellSize = AtLeast(b[6], 1);
    s.m_nImportCellSize = AtLeast(b[7], 1);
    s.m_bSameBmpCellSize = Flag(b[8]);
}

void ReadBlock3(CSettings& s, const ByteArray& b) {
    s.m_bDrawLines = Flag(b[0]);
    s.m_bFillImmediately = Flag(b[1]);
    s.m_bFitWindowOnOpen = Flag(b[2]);
    s.m_bCenterPuzzle = Flag(b[3]);
    s.m_bAskToSave = Flag(b[4]);
    s.m_bExitOnEsc = Flag(b[5]);
    s.m_bWarnOnOpen = Flag(b[6]);
    s.m_bWarnFormatLimits = Flag(b[7]);
    s.m_nUndoSize = b[8];
}

}  // namespace

void CSettings::LoadSettings(ISettingsStore& store) {
    const CSettings defaults;
    *this = defaults;
    CSettingsKey key(store);
    if (!key.IsOpen()) return;

    ByteArray b;
    if (key.QueryExact(SETTINGS_OPTIONS1, SETTINGS_OPTIONS1_SIZE, b)) ReadBlock1(*this, b);
    if (key.QueryExact(SETTINGS_OPTIONS2, SETTINGS_OPTIONS2_SIZE, b)) {
        // Byte 3 of a colour is always zero; anything else there is not a plain RGB colour.
        m_crMonoColor = MakeRGB(b[0], b[1], b[2]);
    }
    if (key.QueryExact(SETTINGS_OPTIONS3, SETTINGS_OPTIONS3_SIZE, b)) ReadBlock3(*this, b);
    if (key.QueryExact(SETTINGS_OPTIONS4, SETTINGS_OPTIONS4_SIZE, b)) m_bRegisterFileTypes = Flag(b[0]);

    // The language buffer holds fewer than 260 bytes; a longer value means the built-in language.
    if (key.Query(SETTINGS_LANGUAGE, SETTINGS_LANGUAGE_BUFFER - 1, b)) {
        const auto itEnd = std::find(b.begin(), b.end(), std::uint8_t(0));
        std::string strName(b.begin(), itEnd);
        // The name becomes part of a file name; one that could reach outside the program's
        // folder is dropped.
        if (IsValidLanguageName(strName)) m_strLanguage = std::move(strName);
    }
    if (key.QueryExact(SETTINGS_DESIGN_CHECK, 1, b)) m_bDesignCheck = Flag(b[0]);
}

ByteArray CSettings::Options1() const {
    return {std::uint8_t(m_bThinStrikeLine),
            std::uint8_t(m_bRasterFont),
            std::uint8_t(m_bRightButtonCross),
            m_nCellSize,
            m_nPreviewCellSize,
            m_nPrintCellSize,
            m_nExportCellSize,
            m_nImportCellSize,
            std::uint8_t(m_bSameBmpCellSize)};
}

ByteArray CSettings::Options2() const {
    return {GetRValue(m_crMonoColor), GetGValue(m_crMonoColor), GetBValue(m_crMonoColor), 0};
}

ByteArray CSettings::Options3() const {
    return {std::uint8_t(m_bDrawLines),    std::uint8_t(m_bFillImmediately),  std::uint8_t(m_bFitWindowOnOpen),
            std::uint8_t(m_bCenterPuzzle), std::uint8_t(m_bAskToSave),        std::uint8_t(m_bExitOnEsc),
            std::uint8_t(m_bWarnOnOpen),   std::uint8_t(m_bWarnFormatLimits), m_nUndoSize};
}

ByteArray CSettings::Options4() const { return {std::uint8_t(m_bRegisterFileTypes)}; }

bool CSettings::SaveSettings(ISettingsStore& store) const {
    CSettingsKey key(store);
    if (!key.IsOpen()) return false;
    return store.SetValue(SETTINGS_OPTIONS1, EValueType::Binary, Options1()) &&
           store.SetValue(SETTINGS_OPTIONS2, EValueType::Binary, Options2()) &&
           store.SetValue(SETTINGS_OPTIONS3, EValueType::Binary, Options3()) &&
           store.SetValue(SETTINGS_OPTIONS4, EValueType::Binary, Options4()) &&
           SetStringValue(store, SETTINGS_LANGUAGE, m_strLanguage) &&
           store.SetValue(SETTINGS_DESIGN_CHECK, EValueType::Binary, {std::uint8_t(m_bDesignCheck)});
}

}  // namespace quenk
