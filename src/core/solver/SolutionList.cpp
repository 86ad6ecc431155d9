#include "solver/SolutionList.h"

#include <algorithm>
#include <stdexcept>

#include "formats/FormatDispatch.h"

namespace quenk {

CSolutionList::CSolutionList(const CCrossword& puzzle, std::size_t nBudgetBytes)
    : m_template(puzzle), m_nCellBytes(puzzle.Cells().size()), m_nBudget(nBudgetBytes) {}

CSolutionList::~CSolutionList() = default;

bool CSolutionList::Add(const CCrossword& solution) {
    if (solution.m_nWidth != m_template.m_nWidth || solution.m_nHeight != m_template.m_nHeight) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    const std::size_t nUsed = m_nCount * m_nCellBytes;
    if (m_nCellBytes > m_nBudget - std::min(m_nBudget, nUsed)) {
        m_bFull = true;
        return false;
    }
    const std::size_t nNeeded = nUsed + m_nCellBytes;
    if (nNeeded > m_aArena.capacity()) {
        // Doubling, but never past the budget, so the arena stays within it.
        m_aArena.reserve(std::min(std::max(nNeeded, 2 * m_aArena.capacity()), m_nBudget));
    }
    const std::uint8_t* pCells = solution.Cells().data();
    m_aArena.insert(m_aArena.end(), pCells, pCells + m_nCellBytes);
    ++m_nCount;
    return true;
}

std::size_t CSolutionList::GetCount() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_nCount;
}

bool CSolutionList::IsFull() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_bFull;
}

std::size_t CSolutionList::GetBytesUsed() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_aArena.capacity();
}

void CSolutionList::CopyCells(std::size_t i, CCrossword& target) const {
    if (i >= m_nCount) throw std::out_of_range("no such solution");
    if (target.m_nWidth != m_template.m_nWidth || target.m_nHeight != m_template.m_nHeight)
        throw std::invalid_argument("solution of another size");
    const auto first = m_aArena.begin() + std::ptrdiff_t(i * m_nCellBytes);
    std::copy(first, first + std::ptrdiff_t(m_nCellBytes), target.Cells().begin());
}

CCrossword CSolutionList::GetSolution(std::size_t i) const {
    CCrossword solution = m_template;
    std::lock_guard<std::mutex> guard(m_lock);
    CopyCells(i, solution);
    return solution;
}

void CSolutionList::CopyCellsTo(std::size_t i, CCrossword& target) const {
    std::lock_guard<std::mutex> guard(m_lock);
    CopyCells(i, target);
}

void CSolutionList::Save(std::size_t i, const std::string& strPath, const CFormatOptions& options) const {
    SaveCrossword(GetSolution(i), strPath, options);
}

void CSolutionList::SaveAll(const std::string& strChosen, const CFormatOptions& options) const {
    const std::vector<std::string> names = SaveAllNames(strChosen, GetCount());
    for (std::size_t i = 0; i < names.size(); ++i) Save(i, names[i], options);
}

void CSolutionList::Remove(std::size_t i) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (i >= m_nCount) return;
    const auto first = m_aArena.begin() + std::ptrdiff_t(i * m_nCellBytes);
    m_aArena.erase(first, first + std::ptrdiff_t(m_nCellBytes));
    --m_nCount;
    m_bFull = false;
}

void CSolutionList::Clear() {
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<std::uint8_t>().swap(m_aArena);
    m_nCount = 0;
    m_bFull = false;
}

std::vector<std::string> SaveAllNames(const std::string& strChosen, std::size_t nCount) {
    const std::size_t nDot = strChosen.rfind('.');
    const std::size_t nSlash = strChosen.rfind('/');
    std::string strBase = strChosen, strExt = ".";
    if (nDot != std::string::npos && (nSlash == std::string::npos || nDot > nSlash)) {
        strBase = strChosen.substr(0, nDot);
        strExt = strChosen.substr(nDot);
    }
    strBase += '_';
    const std::size_t nDigits = std::to_string(nCount).size();
    std::vector<std::string> names;
    names.reserve(nCount);
    for (std::size_t i = 1; i <= nCount; ++i) {
        const std::string strNumber = std::to_string(i);
        names.push_back(strBase + std::string(nDigits - strNumber.size(), '0') + strNumber + strExt);
    }
    return names;
}

}  // namespace quenk
