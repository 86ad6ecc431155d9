#include "formats/Nin.h"

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

constexpr std::string_view BLANKS = " \t";

// The next line that is not a comment.
bool NextLine(CTextLines& lines, std::string_view& line) {
    while (lines.Next(line))
        if (line.empty() || line[0] != '#') return true;
    return false;
}

bool ReadLines(const char* pszWhere, int nCount, CTextLines& lines, std::vector<NumberLine>& area,
               CReadReport& report) {
    area.assign(std::size_t(nCount), {});
    std::string strWhat;
    std::string_view line;
    for (int i = 0; i < nCount; ++i) {
        if (!NextLine(lines, line))
            return report.Refuse(pszWhere, lines.Number(), FormatText(LoadAppString(IDS_LOAD_LINE_COUNT), i, nCount));
        if (!ParseNumberLine(line, BLANKS, area[std::size_t(i)], strWhat))
            return report.Refuse(pszWhere, lines.Number(), strWhat);
    }
    return true;
}

}  // namespace

bool ReadNin(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport& report) {
    staging.SetMonoPalette(options.m_crMonoColor);
    std::string strText;
    if (!ReadTextFile(file, strText, report)) return false;
    CTextLines lines(strText);
    std::string_view line;
    if (!NextLine(lines, line)) return report.Refuse({}, 0, FormatText(LoadAppString(IDS_LOAD_MISSING), "width"));

    // "width height", nothing else.
    const std::string_view head = Trim(line);
    const auto nBlank = head.find_first_of(BLANKS);
    const std::string_view width = head.substr(0, nBlank);
    const std::string_view height = nBlank == std::string_view::npos ? std::string_view() : Trim(head.substr(nBlank));
    int nWidth = 0, nHeight = 0;
    std::string strWhat;
    if (!ParseSize(width, nWidth, strWhat)) return report.Refuse("width", lines.Number(), strWhat);
    if (!ParseSize(height, nHeight, strWhat)) return report.Refuse("height", lines.Number(), strWhat);

    std::vector<NumberLine> rows, columns;
    if (!ReadLines("rows", nHeight, lines, rows, report)) return false;
    if (!ReadLines("columns", nWidth, lines, columns, report)) return false;
    while (NextLine(lines, line))
        if (!Trim(line).empty()) return report.Refuse({}, lines.Number(), LoadAppString(IDS_LOAD_EXTRA_LINES));
    FillNumbers(staging, rows, columns);
    return true;
}

void WriteNin(const CCrossword& crossword, CSafeFile& file, const CFormatOptions&) {
    std::optional<CCrossword> computed;
    const CCrossword& puzzle = Numbered(crossword, computed);
    const int W = puzzle.m_nWidth, H = puzzle.m_nHeight;
    std::string out = std::to_string(W) + " " + std::to_string(H) + "\n";
    for (const auto* pLines : {&puzzle.m_pLeftNumbers, &puzzle.m_pTopNumbers})
        for (const auto& line : LineNumbers(*pLines, pLines == &puzzle.m_pLeftNumbers ? H : W)) {
            if (line.empty()) out += '0';
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (i != 0) out += ' ';
                out += std::to_string(line[i].value);
            }
            out += '\n';
        }
    file.Write(out);
}

}  // namespace quenk
