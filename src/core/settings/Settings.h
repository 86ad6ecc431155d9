#pragma once
// The program-wide settings record and its stored layout.
#include <cstdint>
#include <string>

#include "model/Types.h"
#include "settings/SettingsStore.h"

namespace quenk {

// Value names and sizes in the settings container.
inline constexpr const char* SETTINGS_OPTIONS1 = "Options1";
inline constexpr const char* SETTINGS_OPTIONS2 = "Options2";
inline constexpr const char* SETTINGS_OPTIONS3 = "Options3";
inline constexpr const char* SETTINGS_OPTIONS4 = "Options4";
inline constexpr const char* SETTINGS_LANGUAGE = "Language";
// Not one of the four blocks: a value of its own, one byte, so that the blocks keep their layout.
inline constexpr const char* SETTINGS_DESIGN_CHECK = "DesignCheck";
inline constexpr std::size_t SETTINGS_OPTIONS1_SIZE = 9;
inline constexpr std::size_t SETTINGS_OPTIONS2_SIZE = 4;
inline constexpr std::size_t SETTINGS_OPTIONS3_SIZE = 9;
inline constexpr std::size_t SETTINGS_OPTIONS4_SIZE = 1;
// A stored language name must be shorter than this, its terminating zero included.
inline constexpr std::size_t SETTINGS_LANGUAGE_BUFFER = 260;

inline constexpr std::uint8_t MIN_CELL_SIZE = 10;  // main window cells below this are unreadable

struct CSettings {
    // Block 1 ("Options1"), view.
    bool m_bThinStrikeLine = false;
    bool m_bRasterFont = true;
    bool m_bRightButtonCross = true;
    std::uint8_t m_nCellSize = 12;        // pixels, MIN_CELL_SIZE..255
    std::uint8_t m_nPreviewCellSize = 3;  // pixels, 1..255
    std::uint8_t m_nPrintCellSize = 3;    // millimetres, 1..255
    std::uint8_t m_nExportCellSize = 1;   // pixels per cell, 1..255
    std::uint8_t m_nImportCellSize = 1;   // pixels per cell, 1..255
    bool m_bSameBmpCellSize = true;

    // Block 2 ("Options2").
    COLORREF m_crMonoColor = DEFAULT_MONO_COLOR;

    // Block 3 ("Options3"), program.
    bool m_bDrawLines = false;
    bool m_bFillImmediately = true;
    bool m_bFitWindowOnOpen = true;
    bool m_bCenterPuzzle = true;
    bool m_bAskToSave = true;
    bool m_bExitOnEsc = true;
    bool m_bWarnOnOpen = true;
    bool m_bWarnFormatLimits = true;
    std::uint8_t m_nUndoSize = 100;  // actions, 0..255

    // Block 4 ("Options4").
    bool m_bRegisterFileTypes = true;

    // Editing: the verdict on the numbers recomputed in the background after every change.
    bool m_bDesignCheck = true;

    // Interface language; empty means the built-in one.
    std::string m_strLanguage;

    // Fills every field from the store; a block whose value is missing or has the wrong size
    // takes its defaults, and stored values out of range are clamped.
    void LoadSettings(ISettingsStore& store);
    // Writes the four blocks, the language and the design check in that order; stops at the first refused
    // write. False when the container cannot be opened or a write was refused.
    bool SaveSettings(ISettingsStore& store) const;

    // The four blocks as they are stored.
    ByteArray Options1() const;
    ByteArray Options2() const;
    ByteArray Options3() const;
    ByteArray Options4() const;

    friend bool operator==(const CSettings&, const CSettings&) = default;
};

}  // namespace quenk
