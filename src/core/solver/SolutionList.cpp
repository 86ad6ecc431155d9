#include "solver/SolutionList.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "formats/FormatDispatch.h"

namespace quenk {

namespace {
// Solutions per chunk: a chunk of CHUNK_BYTES, or less when the whole budget is smaller.
std::size_t PerChunk(std::size_t nCellBytes, std::size_t nBudget) {
    const std::size_t nMost = std::min(CSolutionList::CHUNK_BYTES, nBudget) / nCellBytes;
    return std::max<std::size_t>(1, nMost);
}
}  // namespace

CSolutionList::CSolutionList(const CCrossword& puzzle, std::size_t nBudgetBytes)
    : m_template(puzzle),
      m_nCellBytes(puzzle.Cells().size()),
      m_pOwnBudget(std::make_unique<CMemoryBudget>(nBudgetBytes)),
      m_budget(*m_pOwnBudget),
      m_nPerChunk(PerChunk(m_nCellBytes, nBudgetBytes)) {}

CSolutionList::CSolutionList(const CCrossword& puzzle, CMemoryBudget& budget)
    : m_template(puzzle),
      m_nCellBytes(puzzle.Cells().size()),
      m_budget(budget),
      m_nPerChunk(PerChunk(m_nCellBytes, budget.GetLimit())) {}

CSolutionList::~CSolutionList() { FreeChunks(0); }

std::uint8_t* CSolutionList::At(std::size_t i) const {
    return m_aChunks[i / m_nPerChunk].get() + (i % m_nPerChunk) * m_nCellBytes;
}

void CSolutionList::FreeChunks(std::size_t nKeep) {
    while (m_aChunks.size() > nKeep) {
        m_aChunks.pop_back();
        m_budget.Give(m_nPerChunk * m_nCellBytes);
    }
}

bool CSolutionList::Add(const CCrossword& solution) {
    if (solution.m_nWidth != m_template.m_nWidth || solution.m_nHeight != m_template.m_nHeight) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_nCount == m_aChunks.size() * m_nPerChunk) {
        const std::size_t nChunkBytes = m_nPerChunk * m_nCellBytes;
        if (!m_budget.Take(nChunkBytes)) {
            m_bFull = true;
            return false;
        }
        try {
            m_aChunks.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(nChunkBytes));
        } catch (const std::bad_alloc&) {
            m_budget.Give(nChunkBytes);
            m_bFull = true;
            return false;
        }
    }
    const std::uint8_t* pCells = solution.Cells().data();
    std::copy(pCells, pCells + m_nCellBytes, At(m_nCount));
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
    return m_aChunks.size() * m_nPerChunk * m_nCellBytes;
}

void CSolutionList::CopyCells(std::size_t i, CCrossword& target) const {
    if (i >= m_nCount) throw std::out_of_range("no such solution");
    if (target.m_nWidth != m_template.m_nWidth || target.m_nHeight != m_template.m_nHeight)
        throw std::invalid_argument("solution of another size");
    const std::uint8_t* pCells = At(i);
    std::copy(pCells, pCells + m_nCellBytes, target.Cells().begin());
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
    // The later solutions move up one place: within a chunk in one move, and the first of
    // the next chunk into the last place of this one.
    for (std::size_t j = i; j + 1 < m_nCount;) {
        const std::size_t nChunkEnd = std::min(m_nCount, (j / m_nPerChunk + 1) * m_nPerChunk);
        std::uint8_t* pTo = At(j);
        if (j + 1 < nChunkEnd) {
            std::memmove(pTo, pTo + m_nCellBytes, (nChunkEnd - j - 1) * m_nCellBytes);
            j = nChunkEnd - 1;
        }
        if (j + 1 < m_nCount) std::memcpy(At(j), At(j + 1), m_nCellBytes);
        ++j;
    }
    --m_nCount;
    FreeChunks((m_nCount + m_nPerChunk - 1) / m_nPerChunk);
    m_bFull = false;
}

void CSolutionList::Clear() {
    std::lock_guard<std::mutex> guard(m_lock);
    FreeChunks(0);
    std::vector<std::unique_ptr<std::uint8_t[]>>().swap(m_aChunks);
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
