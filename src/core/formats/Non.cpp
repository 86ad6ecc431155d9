#include "formats/Non.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FormatOptions.h"
#include "formats/ReadReport.h"
#include "formats/SafeFile.h"
#include "formats/TextSupport.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

constexpr std::string_view NUMBER_SEPARATORS = ", \t";

// The word a line starts with: a letter, then letters, digits and underscores.
std::string_view Keyword(std::string_view line) {
    const auto isLetter = [](char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); };
    if (line.empty() || !isLetter(line[0])) return {};
    std::size_t n = 1;
    while (n < line.size() && (isLetter(line[n]) || (line[n] >= '0' && line[n] <= '9') || line[n] == '_')) ++n;
    return line.substr(0, n);
}

// A text value: what stands between the first and the last double quote, or the rest of the
// line when it is not quoted.
std::string TextValue(std::string_view value) {
    if (!value.empty() && value[0] == '"') {
        value.remove_prefix(1);
        const auto nLast = value.rfind('"');
        if (nLast != std::string_view::npos) value = value.substr(0, nLast);
    }
    return CleanText(DecodeEntities(value));
}

std::string Missing(const char* pszWhat) { return FormatText(LoadAppString(IDS_LOAD_MISSING), pszWhat); }
std::string Twice(std::string_view key) { return FormatText(LoadAppString(IDS_LOAD_TWICE), std::string(key).c_str()); }

struct CNonFile {
    int nWidth = 0;
    int nHeight = 0;
    std::optional<std::vector<NumberLine>> rows, columns;
    std::optional<std::string> goal;  // a 0 or 1 per cell
    int nGoalLine = 0;
    CPuzzleMetadata metadata;
};

// The goal's cells from the keyword's value on, which may be quoted and, quoted, go on over
// the following lines.
bool ReadGoal(std::string_view value, CTextLines& lines, std::string& strGoal, CReadReport& report) {
    const bool bQuoted = !value.empty() && value[0] == '"';
    if (bQuoted) value.remove_prefix(1);
    for (;;) {
        const auto nQuote = bQuoted ? value.find('"') : std::string_view::npos;
        for (const char ch : value.substr(0, nQuote)) {
            if (ch == ' ' || ch == '\t') continue;
            if (ch != '0' && ch != '1')
                return report.Refuse("goal", lines.Number(),
                                     FormatText(LoadAppString(IDS_LOAD_BAD_CELL), CleanText({&ch, 1}).c_str()));
            // More cells than any puzzle has; the count is checked once the size is known.
            if (strGoal.size() > std::size_t(MAX_SIZE * MAX_SIZE)) break;
            strGoal += ch;
        }
        if (!bQuoted || nQuote != std::string_view::npos || !lines.Next(value)) return true;
    }
}

bool ReadLines(std::string_view key, int nCount, CTextLines& lines, std::vector<NumberLine>& area,
               CReadReport& report) {
    area.assign(std::size_t(nCount), {});
    std::string strWhat;
    std::string_view line;
    for (int i = 0; i < nCount; ++i) {
        if (!lines.Next(line))
            return report.Refuse(key, lines.Number(), FormatText(LoadAppString(IDS_LOAD_LINE_COUNT), i, nCount));
        if (!ParseNumberLine(line, NUMBER_SEPARATORS, area[std::size_t(i)], strWhat))
            return report.Refuse(key, lines.Number(), strWhat);
    }
    return true;
}

bool ParseNon(std::string_view text, CNonFile& non, CReadReport& report) {
    CTextLines lines(text);
    std::string strWhat;
    std::string_view line;
    while (lines.Next(line)) {
        const std::string_view content = Trim(line);
        if (content.empty() || content[0] == '#') continue;
        const std::string_view key = Keyword(content);
        const int nLine = lines.Number();
        if (key.empty()) return report.Refuse({}, nLine, LoadAppString(IDS_LOAD_EXPECTED_KEYWORD));
        const std::string_view value = Trim(content.substr(key.size()));
        if (key == "width" || key == "height") {
            int& nSize = key == "width" ? non.nWidth : non.nHeight;
            if (nSize != 0) return report.Refuse(key, nLine, Twice(key));
            if (!ParseSize(value, nSize, strWhat)) return report.Refuse(key, nLine, strWhat);
        } else if (key == "rows" || key == "columns") {
            const bool bRows = key == "rows";
            auto& area = bRows ? non.rows : non.columns;
            const int nCount = bRows ? non.nHeight : non.nWidth;
            if (area) return report.Refuse(key, nLine, Twice(key));
            if (nCount == 0) return report.Refuse(key, nLine, Missing(bRows ? "height" : "width"));
            if (!ReadLines(key, nCount, lines, area.emplace(), report)) return false;
        } else if (key == "goal") {
            if (non.goal) return report.Refuse(key, nLine, Twice(key));
            non.nGoalLine = nLine;
            if (!ReadGoal(value, lines, non.goal.emplace(), report)) return false;
        } else if (key == "title") {
            non.metadata.strTitle = TextValue(value);
        } else if (key == "by") {
            non.metadata.strAuthor = TextValue(value);
        } else if (key == "copyright") {
            non.metadata.strCopyright = TextValue(value);
        } else if (key == "license") {
            non.metadata.strLicense = TextValue(value);
        } else if (key == "catalogue") {
            non.metadata.strSource = TextValue(value);
        }
        // Any other keyword belongs to another program and is skipped.
    }
    if (non.nWidth == 0) return report.Refuse({}, 0, Missing("width"));
    if (non.nHeight == 0) return report.Refuse({}, 0, Missing("height"));
    if (!non.rows) return report.Refuse({}, 0, Missing("rows"));
    if (!non.columns) return report.Refuse({}, 0, Missing("columns"));
    const int nCells = non.nWidth * non.nHeight;
    if (non.goal && non.goal->size() != std::size_t(nCells))
        return report.Refuse("goal", non.nGoalLine,
                             FormatText(LoadAppString(IDS_LOAD_CELL_COUNT), int(non.goal->size()), nCells));
    return true;
}

// A text value quoted; the quote and the ampersand as HTML writes them.
std::string Quote(const std::string& str) {
    std::string out = "\"";
    for (const char ch : str) {
        if (ch == '&')
            out += "&amp;";
        else if (ch == '"')
            out += "&quot;";
        else
            out += ch;
    }
    return out + "\"";
}

void AppendLines(std::string& out, const std::vector<std::vector<NUMBERCELL>>& lines) {
    for (const auto& line : lines) {
        if (line.empty()) out += '0';
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i != 0) out += ',';
            out += std::to_string(line[i].value);
        }
        out += '\n';
    }
}

}  // namespace

bool ReadNon(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport& report) {
    staging.SetMonoPalette(options.m_crMonoColor);
    std::string strText;
    if (!ReadTextFile(file, strText, report)) return false;
    CNonFile non;
    if (!ParseNon(strText, non, report)) return false;
    FillNumbers(staging, *non.rows, *non.columns);
    if (non.goal)
        for (std::size_t i = 0; i < non.goal->size(); ++i) staging.m_aCells[i] = (*non.goal)[i] == '1' ? 1 : CELL_EMPTY;
    report.metadata = std::move(non.metadata);
    return true;
}

void WriteNon(const CCrossword& crossword, CSafeFile& file, const CFormatOptions&) {
    std::optional<CCrossword> computed;
    const CCrossword& puzzle = Numbered(crossword, computed);
    const CPuzzleMetadata& metadata = crossword.Metadata();
    std::string out;
    const auto text = [&](const char* pszKey, const std::string& str) {
        if (!str.empty()) out += std::string(pszKey) + " " + Quote(str) + "\n";
    };
    text("catalogue", metadata.strSource);
    text("title", metadata.strTitle);
    text("by", metadata.strAuthor);
    text("copyright", metadata.strCopyright);
    // A licence is a bare SPDX code or a quoted text.
    if (metadata.strLicense.find_first_of(" \t\"&") == std::string::npos)
        out += metadata.strLicense.empty() ? "" : "license " + metadata.strLicense + "\n";
    else
        text("license", metadata.strLicense);
    const int W = puzzle.m_nWidth, H = puzzle.m_nHeight;
    out += "width " + std::to_string(W) + "\nheight " + std::to_string(H) + "\n\nrows\n";
    AppendLines(out, LineNumbers(puzzle.m_pLeftNumbers, H));
    out += "\ncolumns\n";
    AppendLines(out, LineNumbers(puzzle.m_pTopNumbers, W));
    if (IsCompletePicture(puzzle)) {
        out += "\ngoal \"";
        for (const std::uint8_t v : puzzle.Cells()) out += IsFilledCell(v) ? '1' : '0';
        out += "\"\n";
    }
    file.Write(out);
}

}  // namespace quenk
