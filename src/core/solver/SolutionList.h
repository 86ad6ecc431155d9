#pragma once
// The solutions a search found, kept compactly: the numbers are the same for all of them,
// so only the cells are stored, width x height bytes per solution, in chunks of fixed size:
// growing allocates a chunk and copies nothing that is stored.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "formats/FormatOptions.h"
#include "model/Crossword.h"
#include "solver/MemoryBudget.h"

namespace quenk {

class CSolutionList {
public:
    static constexpr std::size_t DEFAULT_BUDGET = CMemoryBudget::DEFAULT_BYTES;
    static constexpr std::size_t CHUNK_BYTES = std::size_t(64) << 10;

    // puzzle gives the shape, palette and numbers of every solution; nBudgetBytes bounds
    // the cells kept (the chunks never pass it).
    explicit CSolutionList(const CCrossword& puzzle, std::size_t nBudgetBytes = DEFAULT_BUDGET);
    // The same under a budget shared with a search (CSearchEngine::Run), which must outlive
    // the list.
    CSolutionList(const CCrossword& puzzle, CMemoryBudget& budget);
    ~CSolutionList();
    CSolutionList(const CSolutionList&) = delete;
    CSolutionList& operator=(const CSolutionList&) = delete;

    // Appends the cells of a solution of the same size. Returns false, keeping nothing,
    // for another size, or when the budget has no room for it (or the system no memory);
    // IsFull then stays true until something is removed. Every member may be called from any
    // thread at any time.
    bool Add(const CCrossword& solution);

    std::size_t GetCount() const;
    bool IsFull() const;
    // The chunks' bytes, which is what the list takes from its budget.
    std::size_t GetBytesUsed() const;
    CMemoryBudget& GetBudget() const { return m_budget; }

    // Solution i (from 0) as a whole puzzle: the numbers with that solution's cells.
    // Throws std::out_of_range when there is no solution i.
    CCrossword GetSolution(std::size_t i) const;
    // Copies the cells of solution i into a puzzle of the same size (the document's); the
    // caller records the undo step first.
    void CopyCellsTo(std::size_t i, CCrossword& target) const;
    // Saves solution i; the format follows the extension. Throws CFileError on failure.
    void Save(std::size_t i, const std::string& strPath, const CFormatOptions& options = {}) const;
    // Saves every solution under the names SaveAllNames gives for strChosen.
    void SaveAll(const std::string& strChosen, const CFormatOptions& options = {}) const;

    void Remove(std::size_t i);
    void Clear();

private:
    // With the lock held: where solution i's cells lie, and copying them out.
    std::uint8_t* At(std::size_t i) const;
    void CopyCells(std::size_t i, CCrossword& target) const;
    void FreeChunks(std::size_t nKeep);

    mutable std::mutex m_lock;  // appends come from the search thread, browsing from another
    const CCrossword m_template;
    const std::size_t m_nCellBytes;
    std::unique_ptr<CMemoryBudget> m_pOwnBudget;  // when not shared
    CMemoryBudget& m_budget;
    const std::size_t m_nPerChunk;  // solutions per chunk
    std::vector<std::unique_ptr<std::uint8_t[]>> m_aChunks;
    std::size_t m_nCount = 0;
    bool m_bFull = false;
};

// File names for saving nCount solutions under one chosen name: the base (the name up to
// the last "." of its last component, else the whole name with "." as extension), then "_",
// the solution's number zero-padded to as many digits as nCount has, then the extension.
// "cat.jcc" with 12 gives cat_01.jcc .. cat_12.jcc; "cat" with 12 gives cat_01. .. cat_12.
std::vector<std::string> SaveAllNames(const std::string& strChosen, std::size_t nCount);

}  // namespace quenk
