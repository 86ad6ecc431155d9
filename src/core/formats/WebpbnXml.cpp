#include "formats/WebpbnXml.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/FormatOptions.h"
#include "formats/ReadReport.h"
#include "formats/SafeFile.h"
#include "formats/TextLimits.h"
#include "formats/TextSupport.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

constexpr int MAX_PUZZLES = 9999;             // in one set
constexpr std::size_t MAX_COLOR_NAMES = 256;  // defined or named by numbers, in one puzzle
constexpr std::size_t MAX_IMAGE = 1 << 20;    // characters of a goal picture
constexpr std::size_t MAX_SHORT_TEXT = 64;    // a number or a colour value
constexpr std::size_t MAX_LONG_TEXT = 4096;   // a title, before it is cut to what the puzzle keeps
constexpr std::size_t READ_CHUNK = 1 << 16;
constexpr std::size_t MAX_NESTING = 32;  // a puzzle's numbers are five deep

// The elements that matter, as they are open.
enum class EElement : std::uint8_t { OTHER, PUZZLESET, PUZZLE, TEXT, COLOR, CLUES, LINE, COUNT, SOLUTION, IMAGE };
enum class EField : std::uint8_t { TITLE, AUTHOR, COPYRIGHT, SOURCE, DESCRIPTION };

struct CColor {
    std::string strName;
    COLORREF crValue = 0;
    char chSymbol = 0;  // its character in the goal; 0 for none
    int nOrder = 0;     // the palette's order: the predefined colours, then as the file defines them
    bool bDefined = false;
    bool bPredefined = false;
    bool bUsed = false;
    int nFirstUse = 0;  // the line where a number named it first
};

struct CCount {
    int nValue;
    std::size_t nColor;  // into the colour table
    int nLine;
};

struct CClues {
    const char* pszType;
    std::vector<std::vector<CCount>> lines;  // the first MAX_SIZE lines
    int nLines = 0;                          // all of them
    int nLine = 0;                           // where the element starts
};

const char* Attribute(const XML_Char** attrs, std::string_view name) {
    for (; attrs[0]; attrs += 2)
        if (name == attrs[0]) return attrs[1];
    return nullptr;
}

// "fff", "FFFFFF" or either with '#'.
std::optional<COLORREF> ParseColorValue(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text[0] == '#') text.remove_prefix(1);
    if (text.size() != 3 && text.size() != 6) return std::nullopt;
    std::array<std::uint8_t, 6> digits{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const int d = ch >= '0' && ch <= '9'   ? ch - '0'
                      : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                      : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                               : -1;
        if (d < 0) return std::nullopt;
        digits[i] = std::uint8_t(d);
    }
    const auto channel = [&](std::size_t k) {
        return text.size() == 3 ? std::uint8_t(digits[k] * 17) : std::uint8_t(digits[2 * k] * 16 + digits[2 * k + 1]);
    };
    return MakeRGB(channel(0), channel(1), channel(2));
}

std::string Message(unsigned nId) { return LoadAppString(nId); }
template <class... Args>
std::string Message(unsigned nId, Args... args) {
    return FormatText(LoadAppString(nId), args...);
}

class CPbnParser {
public:
    CPbnParser(int nWanted, CReadReport& report)
        : m_parser(XML_ParserCreate(nullptr)), m_nWanted(nWanted), m_report(report) {
        if (!m_parser) throw std::bad_alloc();
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(
            m_parser, [](void* p, const XML_Char* name, const XML_Char** attrs) { Self(p).OnStart(name, attrs); },
            [](void* p, const XML_Char*) { Self(p).OnEnd(); });
        XML_SetCharacterDataHandler(m_parser, [](void* p, const XML_Char* s, int n) {
            Self(p).OnText(std::string_view(s, std::size_t(n)));
        });
        // webpbn's files name their DTD and use its HTML entities (&copy;) without reading it.
        XML_SetSkippedEntityHandler(m_parser, [](void* p, const XML_Char* name, int) {
            if (const char* psz = HtmlEntity(name)) return Self(p).OnText(psz);
            std::string strReference = "&";
            strReference.append(name).append(";");
            Self(p).OnText(strReference);
        });
        // An entity declared in the file could make a small file expand without bound.
        XML_SetEntityDeclHandler(m_parser, [](void* p, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                                              const XML_Char*, const XML_Char*,
                                              const XML_Char*) { Self(p).Stop({}, Message(IDS_LOAD_ENTITY)); });
        XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
    }
    ~CPbnParser() { XML_ParserFree(m_parser); }
    CPbnParser(const CPbnParser&) = delete;
    CPbnParser& operator=(const CPbnParser&) = delete;

    // Feeds the next piece of the document; false once it is refused as a whole.
    bool Parse(const char* p, std::size_t n, bool bFinal) {
        if (XML_Parse(m_parser, p, int(n), bFinal ? 1 : 0) == XML_STATUS_OK) return true;
        if (!m_bStopped) m_report.Refuse({}, Line(), XML_ErrorString(XML_GetErrorCode(m_parser)));
        m_report.puzzleTitles.clear();
        return false;
    }

    bool Build(CStagingPuzzle& staging);

private:
    static CPbnParser& Self(void* p) { return *static_cast<CPbnParser*>(p); }
    int Line() const { return int(std::min<XML_Size>(XML_GetCurrentLineNumber(m_parser), INT_MAX)); }

    // The puzzle asked for is refused; the rest of the set is still listed.
    void Fail(std::string_view strWhere, int nLine, const std::string& strWhat) {
        m_report.Refuse(strWhere, nLine, strWhat);
        m_bFailed = true;
        m_bWanted = false;
    }
    // The document is refused as a whole.
    void Stop(std::string_view strWhere, const std::string& strWhat) {
        Fail(strWhere, Line(), strWhat);
        m_bStopped = true;
        XML_StopParser(m_parser, XML_FALSE);
    }

    void OnStart(std::string_view name, const XML_Char** attrs);
    void OnEnd();
    void OnText(std::string_view text) {
        if (m_open.empty() || m_nTextLimit == 0) return;
        const EElement e = m_open.back();
        if (e != EElement::TEXT && e != EElement::COLOR && e != EElement::COUNT && e != EElement::IMAGE) return;
        if (m_strText.size() + text.size() > m_nTextLimit) {
            m_bTextOverflow = true;
            text = text.substr(0, m_nTextLimit - m_strText.size());
        }
        m_strText += text;
    }
    void Collect(std::size_t nLimit) {
        m_strText.clear();
        m_nTextLimit = nLimit;
        m_bTextOverflow = false;
    }

    EElement StartPuzzle(const XML_Char** attrs);
    void StartColor(const XML_Char** attrs);
    void EndColor();
    EElement StartClues(const XML_Char** attrs);
    void EndCount();
    void EndText();
    std::size_t ColorIndex(const std::string& strName);

    bool BuildPalette(std::size_t nBackground, CStagingPuzzle& staging, std::vector<std::uint8_t>& index);
    bool BuildGoal(std::size_t nBackground, int W, int H, std::vector<std::size_t>& cells);

    XML_Parser m_parser;
    int m_nWanted;
    CReadReport& m_report;
    std::vector<EElement> m_open;
    std::string m_strText;
    std::size_t m_nTextLimit = 0;
    bool m_bTextOverflow = false;
    int m_nTextLine = 0;
    EField m_eField = EField::TITLE;
    int m_nPuzzles = 0;
    bool m_bWanted = false;  // inside the puzzle asked for, and it is not refused
    bool m_bFailed = false;
    bool m_bStopped = false;

    // The puzzle asked for.
    int m_nPuzzleLine = 0;
    std::string m_strDefault;
    std::string m_strBackground;
    std::vector<CColor> m_colors;
    std::unordered_map<std::string, std::size_t> m_colorIndex;
    int m_nDefinitions = 0;
    std::size_t m_nColor = 0;  // the colour being defined, or the count's colour
    std::optional<CClues> m_rows, m_columns;
    CClues* m_pClues = nullptr;
    std::vector<CCount>* m_pLine = nullptr;
    std::optional<std::string> m_goal;
    int m_nGoalLine = 0;
};

void CPbnParser::OnStart(std::string_view name, const XML_Char** attrs) {
    const EElement parent = m_open.empty() ? EElement::OTHER : m_open.back();
    EElement e = EElement::OTHER;
    m_nTextLimit = 0;
    // The parser keeps every open element: a deep nest would cost memory the puzzle never needs.
    if (m_open.size() >= MAX_NESTING) return Stop({}, Message(IDS_LOAD_NESTING, int(MAX_NESTING)));
    if (m_open.empty()) {
        if (name != "puzzleset") return Stop({}, Message(IDS_LOAD_EXPECTED, "<puzzleset>"));
        e = EElement::PUZZLESET;
    } else if (parent == EElement::PUZZLESET && name == "puzzle") {
        e = StartPuzzle(attrs);
    } else if (parent == EElement::PUZZLE) {
        static constexpr std::pair<std::string_view, EField> kFields[] = {
            {"title", EField::TITLE},   {"author", EField::AUTHOR},           {"copyright", EField::COPYRIGHT},
            {"source", EField::SOURCE}, {"description", EField::DESCRIPTION},
        };
        for (const auto& [field, eField] : kFields)
            if (name == field && (m_bWanted || eField == EField::TITLE)) {
                e = EElement::TEXT;
                m_eField = eField;
                Collect(MAX_LONG_TEXT);
            }
        if (m_bWanted && name == "color") {
            e = EElement::COLOR;
            StartColor(attrs);
        } else if (m_bWanted && name == "clues") {
            e = StartClues(attrs);
        } else if (m_bWanted && name == "solution" && !m_goal) {
            const char* pszType = Attribute(attrs, "type");
            if (!pszType || std::string_view(pszType) == "goal") e = EElement::SOLUTION;
        }
    } else if (parent == EElement::CLUES && name == "line" && m_bWanted) {
        e = EElement::LINE;
        m_pLine = ++m_pClues->nLines <= MAX_SIZE ? &m_pClues->lines.emplace_back() : nullptr;
    } else if (parent == EElement::LINE && name == "count" && m_bWanted) {
        e = EElement::COUNT;
        const char* pszColor = Attribute(attrs, "color");
        m_nColor = ColorIndex(pszColor ? pszColor : m_strDefault);
        Collect(MAX_SHORT_TEXT);
    } else if (parent == EElement::SOLUTION && name == "image" && m_bWanted && !m_goal) {
        e = EElement::IMAGE;
        Collect(MAX_IMAGE);
    }
    m_nTextLine = Line();
    m_open.push_back(e);
}

void CPbnParser::OnEnd() {
    if (m_open.empty()) return;
    const EElement e = m_open.back();
    m_open.pop_back();
    if (!m_bWanted && e != EElement::TEXT) return;
    switch (e) {
    case EElement::TEXT: EndText(); break;
    case EElement::COLOR: EndColor(); break;
    case EElement::COUNT: EndCount(); break;
    case EElement::IMAGE:
        m_goal = std::move(m_strText);
        m_nGoalLine = m_nTextLine;
        break;
    case EElement::PUZZLE: m_bWanted = false; break;
    default: break;
    }
    m_nTextLimit = 0;
}

EElement CPbnParser::StartPuzzle(const XML_Char** attrs) {
    if (++m_nPuzzles > MAX_PUZZLES) {
        Stop({}, Message(IDS_LOAD_SET_LIMIT, MAX_PUZZLES));
        return EElement::OTHER;
    }
    m_report.puzzleTitles.emplace_back();
    m_bWanted = m_nPuzzles - 1 == m_nWanted;
    if (!m_bWanted) return EElement::PUZZLE;
    m_nPuzzleLine = Line();
    const char* pszType = Attribute(attrs, "type");
    if (pszType && std::string_view(pszType) != "grid") {
        Fail({}, m_nPuzzleLine, Message(IDS_LOAD_UNSUPPORTED, CleanText(pszType).c_str()));
        return EElement::PUZZLE;
    }
    const char* pszDefault = Attribute(attrs, "defaultcolor");
    const char* pszBackground = Attribute(attrs, "backgroundcolor");
    m_strDefault = pszDefault ? pszDefault : "black";
    m_strBackground = pszBackground ? pszBackground : "white";
    // Colours every file may use without defining them.
    m_colors = {{"white", COLOR_WHITE, '.', -2, true, true}, {"black", 0, 'X', -1, true, true}};
    m_colorIndex = {{"white", 0}, {"black", 1}};
    return EElement::PUZZLE;
}

std::size_t CPbnParser::ColorIndex(const std::string& strName) {
    if (const auto it = m_colorIndex.find(strName); it != m_colorIndex.end()) return it->second;
    if (m_colors.size() >= MAX_COLOR_NAMES) {
        Fail({}, Line(), Message(IDS_LOAD_COLOR_LIMIT, int(m_colors.size() + 1)));
        return 0;
    }
    m_colors.push_back(CColor{strName});
    m_colors.back().nFirstUse = Line();
    return m_colorIndex[strName] = m_colors.size() - 1;
}

void CPbnParser::StartColor(const XML_Char** attrs) {
    const char* pszName = Attribute(attrs, "name");
    if (!pszName) return Fail("color", Line(), Message(IDS_LOAD_MISSING, "name="));
    m_nColor = ColorIndex(pszName);
    if (!m_bWanted) return;
    CColor& color = m_colors[m_nColor];
    if (color.bDefined && !color.bPredefined)
        return Fail("color", Line(), Message(IDS_LOAD_TWICE, CleanText(pszName).c_str()));
    const char* pszSymbol = Attribute(attrs, "char");
    color.chSymbol = pszSymbol && std::char_traits<char>::length(pszSymbol) == 1 ? pszSymbol[0] : 0;
    Collect(MAX_SHORT_TEXT);
}

void CPbnParser::EndColor() {
    CColor& color = m_colors[m_nColor];
    const auto value = m_bTextOverflow ? std::nullopt : ParseColorValue(m_strText);
    if (!value) return Fail("color", m_nTextLine, Message(IDS_LOAD_BAD_COLOR_VALUE, CleanText(color.strName).c_str()));
    color.crValue = *value;
    color.nOrder = m_nDefinitions++;
    color.bDefined = true;
    color.bPredefined = false;
}

EElement CPbnParser::StartClues(const XML_Char** attrs) {
    const char* pszType = Attribute(attrs, "type");
    const std::string_view type = pszType ? pszType : "";
    // Other kinds of clues belong to other kinds of puzzle.
    if (type != "rows" && type != "columns") return EElement::OTHER;
    auto& clues = type == "rows" ? m_rows : m_columns;
    const char* pszWhere = type == "rows" ? "rows" : "columns";
    if (clues) {
        Fail(pszWhere, Line(), Message(IDS_LOAD_TWICE, pszWhere));
        return EElement::OTHER;
    }
    m_pClues = &clues.emplace();
    m_pClues->pszType = pszWhere;
    m_pClues->nLine = Line();
    return EElement::CLUES;
}

void CPbnParser::EndCount() {
    if (!m_pLine) return;  // past the size limit, refused once the size is known
    int nValue = 0;
    std::string strWhat = Message(IDS_LOAD_EXPECTED_NUMBERS);
    if (m_bTextOverflow || !ParseNumber(m_strText, nValue, strWhat) || !CheckDepth(m_pLine->size() + 1, strWhat))
        return Fail(m_pClues->pszType, m_nTextLine, strWhat);
    if (nValue != 0) m_pLine->push_back(CCount{nValue, m_nColor, m_nTextLine});
}

void CPbnParser::EndText() {
    std::string strText = CleanText(m_strText);
    if (m_eField == EField::TITLE && !m_report.puzzleTitles.empty()) m_report.puzzleTitles.back() = strText;
    if (!m_bWanted) return;
    CPuzzleMetadata& metadata = m_report.metadata;
    switch (m_eField) {
    case EField::TITLE: metadata.strTitle = std::move(strText); break;
    case EField::AUTHOR: metadata.strAuthor = std::move(strText); break;
    case EField::COPYRIGHT: metadata.strCopyright = std::move(strText); break;
    case EField::SOURCE: metadata.strSource = std::move(strText); break;
    case EField::DESCRIPTION: metadata.strDescription = std::move(strText); break;
    }
}

// The goal's rows, between bars ("|..XX.|") or without them, each a character per cell.
bool CPbnParser::BuildGoal(std::size_t nBackground, int W, int H, std::vector<std::size_t>& cells) {
    std::array<std::size_t, 256> symbols;
    symbols.fill(m_colors.size());
    for (std::size_t i = m_colors.size(); i-- > 0;)
        if (m_colors[i].bDefined && m_colors[i].chSymbol != 0) symbols[std::uint8_t(m_colors[i].chSymbol)] = i;
    CTextLines lines(*m_goal);
    std::string_view line;
    int nRows = 0;
    while (lines.Next(line)) {
        const auto nFirst = line.find('|'), nLast = line.rfind('|');
        const std::string_view row = nFirst != nLast ? line.substr(nFirst + 1, nLast - nFirst - 1) : Trim(line);
        if (row.empty() && nFirst == nLast) continue;
        const int nLine = m_nGoalLine + lines.Number() - 1;
        if (++nRows > H) continue;
        if (row.size() != std::size_t(W))
            return m_report.Refuse("solution", nLine, Message(IDS_LOAD_CELL_COUNT, int(row.size()), W));
        for (const char ch : row) {
            const std::size_t nColor = symbols[std::uint8_t(ch)];
            if (nColor == m_colors.size())
                return m_report.Refuse("solution", nLine, Message(IDS_LOAD_BAD_CELL, CleanText({&ch, 1}).c_str()));
            if (nColor != nBackground) m_colors[nColor].bUsed = true;
            cells.push_back(nColor);
        }
    }
    if (nRows != H) return m_report.Refuse("solution", m_nGoalLine, Message(IDS_LOAD_LINE_COUNT, nRows, H));
    return true;
}

// The background, then the colours in use in the order the file defines them.
bool CPbnParser::BuildPalette(std::size_t nBackground, CStagingPuzzle& staging, std::vector<std::uint8_t>& index) {
    std::vector<std::size_t> used;
    for (std::size_t i = 0; i < m_colors.size(); ++i)
        if (m_colors[i].bUsed) used.push_back(i);
    std::stable_sort(used.begin(), used.end(),
                     [&](std::size_t a, std::size_t b) { return m_colors[a].nOrder < m_colors[b].nOrder; });
    if (used.size() + 1 > std::size_t(MAX_COLORS))
        return m_report.Refuse({}, m_nPuzzleLine, Message(IDS_LOAD_COLOR_LIMIT, int(used.size() + 1)));
    index.assign(m_colors.size(), 0);
    staging.m_crColors.fill(0);
    staging.m_crColors[0] = m_colors[nBackground].crValue;
    for (std::size_t k = 0; k < used.size(); ++k) {
        index[used[k]] = std::uint8_t(k + 1);
        staging.m_crColors[k + 1] = m_colors[used[k]].crValue;
    }
    // A puzzle without numbers or picture still has its colour 1.
    staging.m_nColors = std::max(2, int(used.size()) + 1);
    if (used.empty()) {
        const auto it = m_colorIndex.find(m_strDefault);
        if (it != m_colorIndex.end() && it->second != nBackground && m_colors[it->second].bDefined)
            staging.m_crColors[1] = m_colors[it->second].crValue;
    }
    return true;
}

bool CPbnParser::Build(CStagingPuzzle& staging) {
    if (m_bFailed) return false;
    if (m_nPuzzles == 0) return m_report.Refuse({}, 0, Message(IDS_LOAD_MISSING, "<puzzle>"));
    if (m_nWanted < 0 || m_nWanted >= m_nPuzzles)
        return m_report.Refuse({}, 0, Message(IDS_LOAD_NO_SUCH_PUZZLE, m_nWanted + 1, m_nPuzzles));
    CClues* areas[] = {m_rows ? &*m_rows : nullptr, m_columns ? &*m_columns : nullptr};
    for (std::size_t i = 0; i < 2; ++i) {
        const char* pszType = i == 0 ? "rows" : "columns";
        if (!areas[i])
            return m_report.Refuse({}, m_nPuzzleLine,
                                   Message(IDS_LOAD_MISSING,
                                           (std::string("<clues type=\"") + pszType + "\">").c_str()));
        if (areas[i]->nLines == 0)
            return m_report.Refuse(pszType, areas[i]->nLine, Message(IDS_LOAD_MISSING, "<line>"));
        if (areas[i]->nLines > MAX_SIZE)
            return m_report.Refuse(pszType, areas[i]->nLine,
                                   Message(IDS_LOAD_SIZE_LIMIT, std::to_string(areas[i]->nLines).c_str()));
    }
    const auto it = m_colorIndex.find(m_strBackground);
    if (it == m_colorIndex.end() || !m_colors[it->second].bDefined)
        return m_report.Refuse({}, m_nPuzzleLine, Message(IDS_LOAD_UNKNOWN_COLOR, CleanText(m_strBackground).c_str()));
    const std::size_t nBackground = it->second;
    for (const CClues* pClues : areas)
        for (const auto& line : pClues->lines)
            for (const CCount& count : line) {
                CColor& color = m_colors[count.nColor];
                if (!color.bDefined)
                    return m_report.Refuse(pClues->pszType, color.nFirstUse,
                                           Message(IDS_LOAD_UNKNOWN_COLOR, CleanText(color.strName).c_str()));
                if (count.nColor == nBackground)
                    return m_report.Refuse(pClues->pszType, count.nLine, Message(IDS_LOAD_BACKGROUND_NUMBER));
                color.bUsed = true;
            }
    const int W = m_columns->nLines, H = m_rows->nLines;
    std::vector<std::size_t> cells;
    if (m_goal && !BuildGoal(nBackground, W, H, cells)) return false;

    std::vector<std::uint8_t> index;
    if (!BuildPalette(nBackground, staging, index)) return false;
    const auto numbers = [&](const CClues& clues) {
        std::vector<NumberLine> lines;
        for (const auto& line : clues.lines) {
            NumberLine& numbersOfLine = lines.emplace_back();
            for (const CCount& count : line)
                numbersOfLine.push_back(NUMBERCELL{std::uint8_t(count.nValue), index[count.nColor]});
        }
        return lines;
    };
    FillNumbers(staging, numbers(*m_rows), numbers(*m_columns));
    for (std::size_t i = 0; i < cells.size(); ++i)
        staging.m_aCells[i] = cells[i] == nBackground ? CELL_EMPTY : index[cells[i]];
    return true;
}

}  // namespace

bool ReadWebpbnXml(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport& report) {
    if (file.GetLength() > MAX_TEXT_FILE) return report.Refuse({}, 0, LoadAppString(IDS_LOAD_FILE_LIMIT));
    CPbnParser parser(options.m_nPuzzle, report);
    std::vector<char> buffer(READ_CHUNK);
    for (;;) {
        const std::size_t n = file.Read(buffer.data(), buffer.size());
        if (!parser.Parse(buffer.data(), n, n == 0)) return false;
        if (n == 0) return parser.Build(staging);
    }
}

namespace {

// Names for the values that have a common one; the background is always "white".
const char* CommonColorName(COLORREF cr) {
    static constexpr struct {
        COLORREF cr;
        const char* pszName;
    } kNames[] = {
        {MakeRGB(0, 0, 0), "black"},        {MakeRGB(255, 0, 0), "red"},       {MakeRGB(0, 128, 0), "green"},
        {MakeRGB(0, 255, 0), "lime"},       {MakeRGB(0, 0, 255), "blue"},      {MakeRGB(255, 255, 0), "yellow"},
        {MakeRGB(0, 255, 255), "cyan"},     {MakeRGB(255, 0, 255), "magenta"}, {MakeRGB(128, 128, 128), "gray"},
        {MakeRGB(192, 192, 192), "silver"}, {MakeRGB(128, 0, 0), "maroon"},    {MakeRGB(128, 128, 0), "olive"},
        {MakeRGB(128, 0, 128), "purple"},   {MakeRGB(0, 128, 128), "teal"},    {MakeRGB(0, 0, 128), "navy"},
        {MakeRGB(255, 165, 0), "orange"},   {MakeRGB(165, 42, 42), "brown"},   {MakeRGB(255, 192, 203), "pink"},
    };
    for (const auto& name : kNames)
        if (name.cr == cr) return name.pszName;
    return nullptr;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += ch;
        }
    }
    return out;
}

std::string HexValue(COLORREF cr) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const std::uint8_t v : {GetRValue(cr), GetGValue(cr), GetBValue(cr)}) {
        out += kHex[v >> 4];
        out += kHex[v & 15];
    }
    return out;
}

}  // namespace

void WriteWebpbnXml(const CCrossword& crossword, CSafeFile& file, const CFormatOptions&) {
    std::optional<CCrossword> computed;
    const CCrossword& puzzle = Numbered(crossword, computed);
    const int nColors = puzzle.m_nColors;
    std::vector<std::string> names(MAX_COLORS);
    std::vector<char> symbols(MAX_COLORS, '.');
    for (int k = 0; k < MAX_COLORS; ++k) {
        const char* pszCommon = k == 0 ? "white" : CommonColorName(puzzle.m_crColors[std::size_t(k)]);
        const bool bTaken = pszCommon && std::find(names.begin(), names.end(), pszCommon) != names.end();
        names[std::size_t(k)] = pszCommon && !bTaken && k < nColors ? pszCommon : "color" + std::to_string(k);
        symbols[std::size_t(k)] = k == 0 ? '.' : k == 1 ? '#' : char('a' + k - 2);
    }

    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<puzzleset>\n<puzzle type=\"grid\" defaultcolor=\"" +
                      names[1] + "\" backgroundcolor=\"white\">\n";
    const CPuzzleMetadata& metadata = crossword.Metadata();
    for (const auto& [pszTag, str] : {std::pair<const char*, const std::string&>{"source", metadata.strSource},
                                      {"title", metadata.strTitle},
                                      {"author", metadata.strAuthor},
                                      {"copyright", metadata.strCopyright},
                                      {"description", metadata.strDescription}})
        if (!str.empty()) out += std::string("<") + pszTag + ">" + Escaped(str) + "</" + pszTag + ">\n";
    for (int k = 0; k < nColors; ++k)
        out += "<color name=\"" + names[std::size_t(k)] + "\" char=\"" + symbols[std::size_t(k)] + "\">" +
               HexValue(puzzle.m_crColors[std::size_t(k)]) + "</color>\n";

    const auto colorName = [&](std::uint8_t nColor) {
        return nColor < MAX_COLORS ? names[nColor] : "color" + std::to_string(nColor);
    };
    const auto clues = [&](const char* pszType, const std::vector<std::vector<NUMBERCELL>>& area, int nLines) {
        out += std::string("<clues type=\"") + pszType + "\">\n";
        for (const auto& line : LineNumbers(area, nLines)) {
            out += "<line>";
            for (const NUMBERCELL& n : line) {
                out += n.color == 1 ? "<count>" : "<count color=\"" + colorName(n.color) + "\">";
                out += std::to_string(n.value) + "</count>";
            }
            out += "</line>\n";
        }
        out += "</clues>\n";
    };
    clues("columns", puzzle.m_pTopNumbers, puzzle.m_nWidth);
    clues("rows", puzzle.m_pLeftNumbers, puzzle.m_nHeight);

    const auto cells = puzzle.Cells();
    const bool bPaletteCells =
        std::all_of(cells.begin(), cells.end(), [&](std::uint8_t v) { return !IsFilledCell(v) || v < nColors; });
    if (bPaletteCells && IsCompletePicture(puzzle)) {
        out += "<solution type=\"goal\">\n<image>\n";
        for (int r = 0; r < puzzle.m_nHeight; ++r) {
            out += '|';
            for (int c = 0; c < puzzle.m_nWidth; ++c) {
                const std::uint8_t v = puzzle.GetCell(r, c);
                out += symbols[IsFilledCell(v) ? v : 0];
            }
            out += "|\n";
        }
        out += "</image>\n</solution>\n";
    }
    out += "</puzzle>\n</puzzleset>\n";
    file.Write(out);
}

}  // namespace quenk
